#include "reports/ui/submissionpage.h"

#include "archive/archivepackage.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "base/ownerfilename.h"
#include "base/programfolder.h"
#include "reports/exportdatabase.h"
#include "reports/exportsource.h"
#include "reports/submissionfiles.h"
#include "reports/submissionnote.h"
#include "reports/ui/incompletewarning.h"
#include "reports/ui/printoperations.h"
#include "shell/ui/tcolor.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>

namespace
{

constexpr int PathRole = Qt::UserRole;
constexpr int MarkerRole = Qt::UserRole + 1;
constexpr int BytesRole = Qt::UserRole + 2;
constexpr int InputColour = 13036535; // light cream
constexpr int FocusColour = 10940093; // light green

QString caption()
{
    return QCoreApplication::translate("TfraBiptData", "VLM Last Steps");
}

void OpenWithDesktop(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

TfraBiptData::FileOpener &fileOpener()
{
    static TfraBiptData::FileOpener opener = OpenWithDesktop;
    return opener;
}

// The hourglass while an action runs; restored when the action ends or earlier
// with restore(), before a message is shown.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
    void restore()
    {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active = true;
};

// Rows sort by their text without regard to case, the size column by bytes.
class FileItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column == 1)
            return data(0, BytesRole).toLongLong() < other.data(0, BytesRole).toLongLong();
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    }
};

QStringList MemoLines(const QPlainTextEdit *memo)
{
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

} // namespace

TfraBiptData::TfraBiptData(IWizardHost &host, QWidget *parent)
    : TfraBase(PageBiptData, host, parent), m_dm(host.DataModule())
{
    setObjectName(QStringLiteral("TfraBiptData"));
    buildControls();
    watchPendingEdits(m_terrainSave, m_terrainCancel, caption());
}

TfraBiptData::~TfraBiptData() = default;

void TfraBiptData::SetFileOpener(FileOpener opener)
{
    fileOpener() = opener ? std::move(opener) : FileOpener(OpenWithDesktop);
}

QString TfraBiptData::userFolder() const
{
    return CurrentSelection().userDirectory;
}

void TfraBiptData::showFileBoxTitle()
{
    m_fileBox->setTitle(tr("  All Files in Personal Directory (") + userFolder() +
                        QDir::separator() + QStringLiteral("...)  "));
}

void TfraBiptData::retranslateUi()
{
    if (m_activated)
        showFileBoxTitle();
}

void TfraBiptData::ActivatePage()
{
    TfraBase::ActivatePage();
    ApplyNumberFormat();
    m_activated = true;
    showFileBoxTitle();

    const bool terrain = CurrentSelection().terrainStudy;
    m_terrainBox->setVisible(terrain);
    const int first = terrain ? 2 : 1;
    m_stepTerrain->setText(QStringLiteral("1"));
    m_stepMdb->setText(QString::number(first));
    m_stepLetter->setText(QString::number(first + 1));
    m_stepZip->setText(QString::number(first + 2));
    nextButton()->setText(tr("&Close"));

    m_files->sortByColumn(0, Qt::AscendingOrder);
    m_files->setSortingEnabled(true);
    FillFileList();
    loadTerrainNote();
    setTerrainEditing(false);
}

void TfraBiptData::FillFileList()
{
    bool readable = false;
    const QVector<TFileListRow> rows = FileListRows(userFolder(), &readable);
    // An empty folder name lists nothing (never the file system's root); a folder
    // that cannot be read leaves the list as it was.
    if (!readable && !userFolder().isEmpty())
        return;
    WaitCursor wait;
    m_files->setUpdatesEnabled(false);
    m_files->setSortingEnabled(false);
    m_files->clear();
    for (const TFileListRow &row : rows)
        addFileRow(row);
    m_files->setSortingEnabled(true);
    m_files->sortByColumn(m_files->header()->sortIndicatorSection(),
                          m_files->header()->sortIndicatorOrder());
    m_files->setUpdatesEnabled(true);
}

void TfraBiptData::addFileRow(const TFileListRow &row)
{
    static const QFileIconProvider icons;
    auto *item = new FileItem(m_files);
    const QStringList texts = {row.name,     row.size,     row.type,      row.created,
                               row.modified, row.accessed, row.attributes};
    for (int c = 0; c < texts.size(); ++c)
        item->setText(c, texts[c]);
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    item->setIcon(0, row.parentRow ? icons.icon(QFileIconProvider::Folder)
                                   : icons.icon(QFileInfo(row.path)));
    item->setData(0, PathRole, row.path);
    item->setData(0, MarkerRole, row.marker);
    item->setData(0, BytesRole, row.bytes);
}

void TfraBiptData::fileDoubleClicked(QTreeWidgetItem *item)
{
    if (!item || item->data(0, MarkerRole).toString() == QLatin1String("D"))
        return;
    fileOpener()(item->data(0, PathRole).toString());
}

bool TfraBiptData::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_terrainMemo &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        const bool entering = event->type() == QEvent::FocusIn;
        QPalette palette = m_terrainMemo->palette();
        palette.setColor(QPalette::Base, ColourFromValue(entering ? FocusColour : InputColour));
        m_terrainMemo->setPalette(palette);
        if (entering)
            setTerrainEditing(true);
    }
    return TfraBase::eventFilter(watched, event);
}

void TfraBiptData::setTerrainEditing(bool editing)
{
    m_terrainSave->setEnabled(editing);
    m_terrainCancel->setEnabled(editing);
}

void TfraBiptData::loadTerrainNote()
{
    QString note;
    if (m_dm && CurrentSelection().ownerId != 0) {
        const TOpResult<QString> read = ReadOwnerFileNote(*m_dm, CurrentSelection().ownerId);
        if (!read.ok()) {
            ShowErrorMessage(caption(), read.error);
            return;
        }
        note = read.value;
    }
    m_terrainMemo->setPlainText(note);
}

void TfraBiptData::terrainSaveClicked()
{
    if (m_dm) {
        const TOpStatus saved =
            SaveOwnerFileNote(*m_dm, CurrentSelection().ownerId, MemoLines(m_terrainMemo));
        if (!saved.ok())
            ShowErrorMessage(caption(), saved.error);
    }
    setTerrainEditing(false);
}

void TfraBiptData::terrainCancelClicked()
{
    loadTerrainNote();
    setTerrainEditing(false);
}

void TfraBiptData::createMdbClicked()
{
    if (!m_dm || !ConfirmIncompleteEvaluation(*m_dm, caption()))
        return;
    WaitCursor wait;
    m_createMdb->setEnabled(false);
    const TCurrentSelection &selection = CurrentSelection();
    const QString target = QDir(selection.userDirectory)
                               .filePath(OwnerFileName(selection.call, QStringLiteral("_Vlm.mdb")));

    // Without a personal directory the file would land wherever the program runs.
    if (selection.userDirectory.isEmpty()) {
        wait.restore();
        TExportFileResult missing;
        missing.failure = TExportFileResult::Failure::TemplateMissing;
        ShowErrorMessage(caption(), ExportFailureMessage(missing));
    } else {
        TExportProgress progress;
        progress.start = [this](int maximum) {
            m_progress->setRange(0, maximum);
            m_progress->setValue(0);
            m_progress->setVisible(true);
        };
        progress.advance = [this] { m_progress->setValue(m_progress->value() + 1); };
        progress.finish = [this] {
            m_progress->setValue(0);
            m_progress->setVisible(false);
        };
        const TExportFileResult created = CreateExportDatabase(*m_dm, target, progress);
        wait.restore();
        if (!created.ok()) {
            ShowErrorMessage(caption(), ExportFailureMessage(created));
        } else {
            // Told what was written, so that a silent Create is never taken for nothing done.
            const TOpResult<int> antennas = CountExportAntennas(*m_dm, selection.ownerId);
            ShowInfoMessage(caption(),
                            ExportWrittenMessage(target, antennas.ok() ? antennas.value : 0));
        }
    }
    m_createMdb->setEnabled(true);
    wait.restore();
    FillFileList();
}

void TfraBiptData::letterClicked(bool preview)
{
    if (!m_dm || !ConfirmIncompleteEvaluation(*m_dm, caption()))
        return;
    const TCurrentSelection &selection = CurrentSelection();
    const QString fileName = OwnerFilePath(selection.userDirectory, selection.call,
                                           QStringLiteral("_VLM_Letter_Bipt.pdf"));
    const QStringList files = DirectoryEntryList(selection.userDirectory);
    const TOpStatus printed = selection.terrainStudy
                                  ? PrintCertificationLetter(*m_dm, MemoLines(m_terrainMemo), files,
                                                             fileName, preview, this)
                                  : PrintTechnicalLetter(*m_dm, files, fileName, preview, this);
    if (!printed.ok())
        ShowErrorMessage(caption(), printed.error);
    if (!preview)
        FillFileList();
}

void TfraBiptData::createZipClicked()
{
    if (m_dm && !ConfirmIncompleteEvaluation(*m_dm, caption()))
        return;
    const TCurrentSelection &selection = CurrentSelection();
    WaitCursor wait;
    const QStringList entries = DirectoryEntryList(selection.userDirectory);
    const OwnerArchiveResult archive =
        CreateOwnerArchive(selection.userDirectory, selection.call, entries);
    wait.restore();
    if (archive.ok) {
        ShowInfoMessage(caption(), tr("All files have been written in a ZIP File as :") +
                                       QLatin1Char('\n') + archive.archivePath);
    } else {
        QString base = archive.baseFolder;
        if (base.isEmpty())
            base = selection.userDirectory;
        ShowInfoMessage(caption(), tr("Couldn't create the ZIP File in ") + QLatin1Char('\n') +
                                       base + QStringLiteral(" !") + QLatin1Char('\n') +
                                       tr("Check if the folder exists..."));
    }
    FillFileList();
}
