#pragma once

#include "shell/ui/pagebase.h"

#include <QStringList>

class QGroupBox;
class QPushButton;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class TdtmMain;

// The report page: the owner's placements in a tree; choosing one shows its report as
// plain text, which " &Print" previews and "Make &File" writes as a PDF file into the
// owner's personal directory. "Make all reports" writes the report of every placement.
class TfraReportView : public TfraBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfraReportView)

public:
    TfraReportView(IWizardHost &host, QWidget *parent = nullptr);
    ~TfraReportView() override;

    void ActivatePage() override;

    // The report text shown, one entry a line.
    QStringList ReportLines() const { return m_lines; }
    // The placement reference of the report shown; empty when none.
    QString ReportReference() const { return m_reference; }

protected:
    void retranslateUi() override;

private:
    void buildControls();
    void showReportTitle();
    void nodeSelected(QTreeWidgetItem *item);
    void showNoReport();
    void printClicked();
    void makeFileClicked();
    void exposureClicked();
    void makeAllFilesClicked();
    QString reportFilePath(const QString &reference) const;

    TdtmMain *m_dm = nullptr;
    QTreeWidget *m_tree = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_files = nullptr;
    QPushButton *m_exposure = nullptr;
    QPushButton *m_allFiles = nullptr;
    QGroupBox *m_reportBox = nullptr;
    QTextEdit *m_text = nullptr;
    QString m_reference;
    QStringList m_references; // every placement of the tree, in tree order
    QStringList m_lines;
    bool m_filling = false;
};
