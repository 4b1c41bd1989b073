#pragma once

#include "shell/ui/pagebase.h"

#include <QStringList>
#include <functional>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TdtmMain;
struct TFileListRow;

// The submission page, the wizard's last: the findings of the terrain study (only
// when the installation needs a certification file), the regulator export database,
// the cover letter and the ZIP archive, all in the owner's personal directory, with
// a list of that directory's files. "&Close" ends the program.
class TfraBiptData : public TfraBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfraBiptData)

public:
    TfraBiptData(IWizardHost &host, QWidget *parent = nullptr);
    ~TfraBiptData() override;

    void ActivatePage() override;

    // Fills the file list with the personal directory's content.
    void FillFileList();

    // Opens a file with the desktop's default program; tests replace it.
    using FileOpener = std::function<void(const QString &path)>;
    static void SetFileOpener(FileOpener opener);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void retranslateUi() override;

private:
    void showFileBoxTitle();
    bool m_activated = false; // the file box title names the folder once the page was shown
    void buildControls();
    QGroupBox *buildTerrainGroup();
    QGroupBox *buildExportGroup();
    QGroupBox *buildFileGroup();
    QGroupBox *buildLetterGroup();
    QGroupBox *buildZipGroup();
    void addFileRow(const TFileListRow &row);

    void terrainSaveClicked();
    void terrainCancelClicked();
    void loadTerrainNote();
    void setTerrainEditing(bool editing);
    void createMdbClicked();
    void letterClicked(bool preview);
    void createZipClicked();
    void fileDoubleClicked(QTreeWidgetItem *item);

    QString userFolder() const;

    TdtmMain *m_dm = nullptr;
    QGroupBox *m_terrainBox = nullptr;
    QPlainTextEdit *m_terrainMemo = nullptr;
    QPushButton *m_terrainSave = nullptr;
    QPushButton *m_terrainCancel = nullptr;
    QLabel *m_stepTerrain = nullptr;
    QLabel *m_stepMdb = nullptr;
    QLabel *m_stepLetter = nullptr;
    QLabel *m_stepZip = nullptr;
    QPushButton *m_createMdb = nullptr;
    QProgressBar *m_progress = nullptr;
    QGroupBox *m_fileBox = nullptr;
    QTreeWidget *m_files = nullptr;
    QPushButton *m_printLetter = nullptr;
    QPushButton *m_saveLetter = nullptr;
    QPushButton *m_createZip = nullptr;
};
