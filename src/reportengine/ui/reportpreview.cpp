#include "reportengine/ui/reportpreview.h"

#include "base/messages.h"
#include "reportengine/ui/paintercanvas.h"

#include <QAction>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>

namespace
{
const QString kPdfFilter = QStringLiteral("Adobe Acrobat (PDF) (*.pdf)");
const QString kRtfFilter = QStringLiteral("Rich Text Format (RTF) (*.rtf)");
} // namespace

ReportPreview::ReportPreview(ReportJob job, QWidget *parent)
    : printer_(QPrinter::HighResolution), job_(std::move(job))
{
    printer_.setDocName(QStringLiteral("VLM Reporting"));
    printer_.setFullPage(true);
    printer_.setPageSize(QPageSize(QPageSize::A4));

    dialog_ = new QPrintPreviewDialog(&printer_, parent);
    dialog_->setObjectName(QStringLiteral("frmReportPreview"));
    dialog_->setWindowTitle(tr("Report Preview"));
    connect(dialog_.data(), &QPrintPreviewDialog::paintRequested, this, &ReportPreview::paintJob);

    if (QPrintPreviewWidget *preview = previewWidget()) {
        preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        preview->setZoomFactor(1.0);
    }
    saveAction_ = new QAction(tr("Save"), dialog_);
    saveAction_->setObjectName(QStringLiteral("actReportSave"));
    saveAction_->setToolTip(tr("Save as a PDF or RTF file"));
    connect(saveAction_, &QAction::triggered, this, &ReportPreview::saveToFile);
    if (auto *toolBar = dialog_->findChild<QToolBar *>())
        toolBar->addAction(saveAction_);
    else
        dialog_->addAction(saveAction_);
}

ReportPreview::~ReportPreview()
{
    delete dialog_.data();
}

int ReportPreview::showJob(const ReportJob &job, QWidget *parent)
{
    ReportPreview preview(job, parent);
    return preview.dialog()->exec();
}

QPrintPreviewWidget *ReportPreview::previewWidget() const
{
    return dialog_ ? dialog_->findChild<QPrintPreviewWidget *>() : nullptr;
}

bool ReportPreview::saveToFile()
{
    const QString filter =
        job_.hasText ? kPdfFilter + QStringLiteral(";;") + kRtfFilter : kPdfFilter;
    const QString path = AskSaveFileName(tr("Output Options"), job_.fileName, filter);
    if (path.isEmpty())
        return false;
    QString error;
    const bool asRtf = job_.hasText && QFileInfo(path).suffix().compare(QLatin1String("rtf"),
                                                                        Qt::CaseInsensitive) == 0;
    const bool ok = asRtf ? WriteReportRtf(job_, path, &error) : WriteReportPdf(job_, path, &error);
    if (!ok)
        ShowErrorMessage(tr("VLM Reporting"), error);
    return ok;
}

void ReportPreview::paintJob(QPrinter *printer)
{
    PainterCanvas canvas(printer);
    if (job_.draw)
        job_.draw(canvas);
    QString error;
    if (!canvas.finish(&error))
        ShowErrorMessage(tr("VLM Reporting"), error);
}
