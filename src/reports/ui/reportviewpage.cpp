#include "reports/ui/reportviewpage.h"

#include "base/clock.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "base/ownerfilename.h"
#include "reports/allantennareports.h"
#include "reports/exposuresummary.h"
#include "reports/reportjobs.h"
#include "reports/ui/incompletewarning.h"
#include "reports/ui/printoperations.h"
#include "shell/ui/wizardhost.h"
#include "shell/wizardpages.h"
#include "store/sitetree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{
QString caption()
{
    return QCoreApplication::translate("TfraReportView", "VLM Reporting");
}

// Depth of a tree node: 0 the owner, 1 a site, 2 a placement.
int nodeLevel(const QTreeWidgetItem *item)
{
    int level = 0;
    for (const QTreeWidgetItem *p = item ? item->parent() : nullptr; p; p = p->parent())
        ++level;
    return level;
}
} // namespace

TfraReportView::TfraReportView(IWizardHost &host, QWidget *parent)
    : TfraBase(PageReportView, host, parent), m_dm(host.DataModule())
{
    setObjectName(QStringLiteral("TfraReportView"));
    buildControls();
}

TfraReportView::~TfraReportView() = default;

void TfraReportView::buildControls()
{
    auto *selectBox = new QGroupBox(tr("  Select Antenna  "), content());
    selectBox->setObjectName(QStringLiteral("gbxAntSelect"));
    m_tree = new QTreeWidget(selectBox);
    m_tree->setObjectName(QStringLiteral("trvAntRepSelect"));
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setMouseTracking(true); // hot tracking
    m_print = new QPushButton(tr(" &Print"), selectBox);
    m_print->setObjectName(QStringLiteral("bbnRepPrint"));
    m_files = new QPushButton(tr("Make &File"), selectBox);
    m_files->setObjectName(QStringLiteral("bbnRepFiles"));
    // The exposure summary covers the whole station, whatever is selected.
    m_exposure = new QPushButton(tr("E&xposure Summary"), selectBox);
    m_exposure->setObjectName(QStringLiteral("bbnRepExposure"));
    m_exposure->setToolTip(tr("The method, every critical test point against every antenna, "
                              "the combined exposure and the safety distances, as a PDF file"));
    // One PDF file per placement in one go, whatever is selected.
    m_allFiles = new QPushButton(tr("Make &all reports"), selectBox);
    m_allFiles->setObjectName(QStringLiteral("bbnRepAllFiles"));
    m_allFiles->setToolTip(tr("Saves the report of every antenna as a PDF file in your personal "
                              "directory"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(m_files);
    auto *selectLayout = new QVBoxLayout(selectBox);
    selectLayout->addWidget(m_tree, 1);
    selectLayout->addLayout(buttons);
    selectLayout->addWidget(m_exposure);
    selectLayout->addWidget(m_allFiles);

    m_reportBox = new QGroupBox(tr("  Report  "), content());
    m_reportBox->setObjectName(QStringLiteral("gbxReporting"));
    m_text = new QTextEdit(m_reportBox);
    m_text->setObjectName(QStringLiteral("retReporting"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(9);
    m_text->setFont(mono);
    auto *reportLayout = new QVBoxLayout(m_reportBox);
    reportLayout->addWidget(m_text);

    auto *layout = new QHBoxLayout(content());
    layout->addWidget(selectBox, 1);
    layout->addWidget(m_reportBox, 3);

    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current, QTreeWidgetItem *) {
                if (!m_filling)
                    nodeSelected(current);
            });
    connect(m_print, &QPushButton::clicked, this, &TfraReportView::printClicked);
    connect(m_files, &QPushButton::clicked, this, &TfraReportView::makeFileClicked);
    connect(m_exposure, &QPushButton::clicked, this, &TfraReportView::exposureClicked);
    connect(m_allFiles, &QPushButton::clicked, this, &TfraReportView::makeAllFilesClicked);
    showNoReport();
}

void TfraReportView::ActivatePage()
{
    TfraBase::ActivatePage();
    ApplyNumberFormat();
    m_reference.clear();
    m_references.clear();
    m_allFiles->setEnabled(false);
    m_filling = true;
    m_tree->clear();
    m_filling = false;
    m_exposure->setEnabled(false);
    if (!m_dm) {
        showNoReport();
        return;
    }
    const TCurrentSelection &cs = CurrentSelection();
    const TOpResult<TSiteTree> tree = FillSiteTree(*m_dm, cs.ownerId, cs.call);
    if (!tree.ok()) {
        ShowErrorMessage(caption(), tree.error);
        showNoReport();
        return;
    }
    m_filling = true;
    auto *root = new QTreeWidgetItem(m_tree, {tree.value.rootText});
    QTreeWidgetItem *selected = nullptr;
    for (int s = 0; s < tree.value.sites.size(); ++s) {
        const TSiteTreeSite &site = tree.value.sites[s];
        auto *siteItem = new QTreeWidgetItem(root, {site.name});
        for (int p = 0; p < site.placements.size(); ++p) {
            auto *item = new QTreeWidgetItem(siteItem, {site.placements[p].ref});
            m_references << site.placements[p].ref;
            if (s == tree.value.selectedSite && p == tree.value.selectedPlacement)
                selected = item;
        }
    }
    m_tree->expandAll();
    bool anyPlacement = false;
    for (const TSiteTreeSite &site : tree.value.sites)
        anyPlacement = anyPlacement || !site.placements.isEmpty();
    m_exposure->setEnabled(anyPlacement);
    m_allFiles->setEnabled(anyPlacement);
    if (selected)
        m_tree->setCurrentItem(selected);
    m_filling = false;
    nodeSelected(selected);
}

void TfraReportView::showNoReport()
{
    m_print->setEnabled(false);
    m_files->setEnabled(false);
    m_lines.clear();
    m_text->clear();
    m_reportBox->setTitle(tr("  Report  "));
}

void TfraReportView::showReportTitle()
{
    m_reportBox->setTitle(QStringLiteral("  ") + tr("Report on") + QStringLiteral(" \"") +
                          m_reference + QStringLiteral("\".  "));
}

void TfraReportView::retranslateUi()
{
    // The title names the placement while a report is shown.
    if (m_print->isEnabled())
        showReportTitle();
}

void TfraReportView::nodeSelected(QTreeWidgetItem *item)
{
    if (!item || nodeLevel(item) != 2 || !m_dm) {
        showNoReport();
        return;
    }
    m_print->setEnabled(true);
    m_files->setEnabled(true);
    m_reference = item->text(0);
    showReportTitle();
    const TCurrentSelection &cs = CurrentSelection();
    const TOpResult<QStringList> lines = LoadAntennaReportLines(
        *m_dm, cs.ownerId, m_reference, cs.languageId, CurrentDateTime().date());
    if (!lines.ok()) {
        ShowErrorMessage(caption(), lines.error);
        return;
    }
    m_lines = lines.value;
    m_text->setPlainText(m_lines.join(QLatin1Char('\n')));
}

void TfraReportView::printClicked()
{
    if (m_reference.isEmpty() || !ConfirmIncompleteEvaluation(*m_dm, caption()))
        return;
    const QString path =
        UserDocumentPath(CurrentSelection().userDirectory, m_reference + QStringLiteral(".pdf"));
    const TOpStatus status = PrintAntennaReport(m_lines, path, true, this);
    if (!status.ok())
        ShowErrorMessage(caption(), status.error);
}

QString TfraReportView::reportFilePath(const QString &reference) const
{
    const TCurrentSelection &cs = CurrentSelection();
    return OwnerFilePath(cs.userDirectory, cs.call,
                         QStringLiteral("_VLM_") + reference + QStringLiteral(".pdf"));
}

void TfraReportView::makeFileClicked()
{
    if (m_reference.isEmpty() || !ConfirmIncompleteEvaluation(*m_dm, caption()))
        return;
    const QString path = reportFilePath(m_reference);
    const TOpStatus status = PrintAntennaReport(m_lines, path, false, this);
    if (!status.ok()) {
        ShowErrorMessage(caption(), status.error);
        return;
    }
    ShowInfoMessage(caption(), tr("The Report was saved... (") +
                                   QDir::toNativeSeparators(QFileInfo(path).absolutePath()) +
                                   QStringLiteral(")"));
}

void TfraReportView::exposureClicked()
{
    if (!m_dm || !ConfirmIncompleteEvaluation(*m_dm, caption()))
        return;
    const TOpResult<QString> written = WriteExposureSummary(*m_dm);
    if (!written.ok()) {
        ShowErrorMessage(caption(), written.error);
        return;
    }
    ShowInfoMessage(caption(),
                    tr("The exposure summary was saved... (") +
                        QDir::toNativeSeparators(QFileInfo(written.value).absolutePath()) +
                        QStringLiteral(")"));
}

void TfraReportView::makeAllFilesClicked()
{
    if (!m_dm || m_references.isEmpty() || !ConfirmIncompleteEvaluation(*m_dm, caption()))
        return;
    const TCurrentSelection &cs = CurrentSelection();
    // Many placements take a moment: a bar shows the progress and can stop the run.
    QProgressDialog progress(tr("Saving the antenna reports..."), tr("Cancel"), 0,
                             int(m_references.size()), this);
    progress.setObjectName(QStringLiteral("dlgAllReports"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const QVector<TReportFileOutcome> outcomes = WriteAntennaReports(
        *m_dm, cs.ownerId, cs.languageId, CurrentDateTime().date(), m_references,
        [this](const QString &reference) { return reportFilePath(reference); },
        [&progress](int done, int) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
    progress.reset();
    bool allWritten = true;
    for (const TReportFileOutcome &outcome : outcomes)
        allWritten = allWritten && outcome.ok();
    if (allWritten)
        ShowInfoMessage(caption(), AllReportsMessage(outcomes));
    else
        ShowErrorMessage(caption(), AllReportsMessage(outcomes));
}
