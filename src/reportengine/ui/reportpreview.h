#pragma once

#include "reportengine/reportjob.h"

#include <QObject>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>

class QAction;
class QPrintPreviewWidget;
class QWidget;

// The print preview of the report engine: a QPrintPreviewDialog titled "Report Preview" on
// an A4 printer without margins (print job title "VLM Reporting"), shown at 100 %. The job
// is drawn on the preview's printer whenever the preview needs its pages, and again for
// printing. A "Save" action on the preview's tool bar writes the document as a PDF file,
// or as RTF for text-only documents, under a name asked through the message facade (the
// job's file name is proposed). Failures are shown through the message functions.
class ReportPreview : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportPreview)

public:
    explicit ReportPreview(ReportJob job, QWidget *parent = nullptr);
    ~ReportPreview() override;

    // Shows the preview modally for the job and returns the dialog's result.
    static int showJob(const ReportJob &job, QWidget *parent = nullptr);

    QPrintPreviewDialog *dialog() const { return dialog_; }
    QPrintPreviewWidget *previewWidget() const;
    QAction *saveAction() const { return saveAction_; }

    // Asks for a file name and writes the document; false when cancelled or failed.
    bool saveToFile();

private:
    void paintJob(QPrinter *printer);

    QPrinter printer_;
    QPointer<QPrintPreviewDialog> dialog_;
    ReportJob job_;
    QAction *saveAction_ = nullptr;
};
