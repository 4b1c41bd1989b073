#include "base/clock.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/programfolder.h"
#include "fakewizardhost.h"
#include "freshdatabase.h"
#include "fulldisk.h"
#include "reports/ui/printoperations.h"
#include "reports/ui/submissionpage.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"
#include "zipinspection.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

namespace
{

void WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
}

} // namespace

class TestSubmissionPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void stepsAndLetterFollowTheTerrainFlag_data();
    void stepsAndLetterFollowTheTerrainFlag();
    void backFollowsTheLowPowerFlag_data();
    void backFollowsTheLowPowerFlag();
    void closeEndsTheWizard();
    void createMdbTwiceGivesAFreshFilledCopy();
    void createMdbFailuresAreReported_data();
    void createMdbFailuresAreReported();
    void zipHoldsEveryEntryButItself();
    void interruptedWritesNeverEnterTheListOrTheZip();
    void aFullDiskKeepsTheEarlierLetterAndZip();
    void fileListShowsThePersonalDirectory();
    void doubleClickOpensFilesOnly();
    void terrainNoteSaveAndCancel();
    void incompleteEvaluationWarnsBeforeEveryDocument_data();
    void incompleteEvaluationWarnsBeforeEveryDocument();

private:
    template <typename T> T *find(const char *name)
    {
        T *widget = page->findChild<T *>(QLatin1String(name));
        if (!widget)
            qWarning("no widget %s", name);
        return widget;
    }
    QTreeWidgetItem *rowNamed(const QString &name);
    QString userFile(const QString &name) const { return QDir(userDir).filePath(name); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TdtmMain> dm;
    std::unique_ptr<TfraBiptData> page;
    FakeWizardHost host;
    QString userDir;
    qint32 owner = 0;
};

void TestSubmissionPage::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    const QString programDir = dir->filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(programDir));
    QVERIFY(QFile::copy(QStringLiteral(VLM_TEST_EXPORT_DB),
                        programDir + QStringLiteral("/Empty_Vlm.mdb")));
    SetProgramFolder(programDir);
    userDir = dir->filePath(QStringLiteral("ON4XX"));
    QVERIFY(QDir().mkpath(userDir));

    QString error;
    dm = OpenFreshMainDatabase(QStringLiteral(VLM_TEST_DB), dir->path(), &error);
    QVERIFY2(dm, qPrintable(error));
    host.dm = dm.get();

    QSqlQuery q(dm->conMainDb->database());
    QVERIFY(q.exec(
        QStringLiteral(
            "INSERT INTO tblOwner (IdLanguage, OwnerFname, OwnerName, OwnerCall, OwnerAddress1, "
            "OwnerUserDir, OwnerFileNote) VALUES (2, 'Jan', 'Peeters', 'ON4XX', 'Kerkstraat 12', "
            "'%1', "
            "'Mast seen from the street\nNo neighbours within 20 m\n')")
            .arg(userDir)));
    owner = q.lastInsertId().toInt();
    QVERIFY(q.exec(QStringLiteral("INSERT INTO tblTower (IdOwner, TowerName, TowerMain, "
                                  "TowerCoordLamX, TowerCoordLamY) VALUES (%1, 'Home', 1, 150000, "
                                  "200000)")
                       .arg(owner)));
    const qint32 site = q.lastInsertId().toInt();
    QVERIFY(q.exec(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, "
                                  "AntennasRef, AntennasHeight, AntennasTilt, AntennasPol, "
                                  "AntennasAntPwr, AntennasEirp, StationTxPower) SELECT %1, "
                                  "MIN(IdListAnt), 12, 'Dipole', 10, 0, 'H', 20.5, 22.65, 100 FROM "
                                  "tblListAnt")
                       .arg(site)));

    CurrentSelection().clear();
    CurrentSelection().ownerId = owner;
    CurrentSelection().languageId = 2;
    CurrentSelection().setCall(QStringLiteral("ON4XX"));
    CurrentSelection().setUserDirectory(userDir);
    ClearShownMessages();
    SetPreviewSuppressed(true);

    page = std::make_unique<TfraBiptData>(host);
    page->resize(1000, 600);
}

void TestSubmissionPage::cleanup()
{
    page.reset();
    dm.reset();
    dir.reset();
    SetProgramFolder(QString());
    SetPreviewSuppressed(false);
    SetClockOverride(QDateTime());
    TfraBiptData::SetFileOpener(nullptr);
    CurrentSelection().clear();
}

QTreeWidgetItem *TestSubmissionPage::rowNamed(const QString &name)
{
    const auto items = find<QTreeWidget>("lsvAllFiles")->findItems(name, Qt::MatchExactly, 0);
    return items.isEmpty() ? nullptr : items.first();
}

void TestSubmissionPage::stepsAndLetterFollowTheTerrainFlag_data()
{
    QTest::addColumn<bool>("terrainStudy");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("document");
    QTest::newRow("no terrain study: steps 1-3, technical file")
        << false << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}
        << QStringLiteral("'TechFile'");
    QTest::newRow("terrain study: steps 1-4, certification file")
        << true << QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}
        << QStringLiteral("'CertFile'");
}

void TestSubmissionPage::stepsAndLetterFollowTheTerrainFlag()
{
    QFETCH(bool, terrainStudy);
    QFETCH(QStringList, steps);
    QFETCH(QString, document);
    CurrentSelection().terrainStudy = terrainStudy;
    page->show();
    page->ActivatePage();

    QCOMPARE(find<QGroupBox>("gbxTerrStudy")->isVisible(), terrainStudy);
    QCOMPARE(find<QLabel>("lblStepTerrStudy")->text(), QStringLiteral("1"));
    QCOMPARE((QStringList{find<QLabel>("lblStepCreateMdb")->text(),
                          find<QLabel>("lblStepFinalReport")->text(),
                          find<QLabel>("lblStepCreateZip")->text()}),
             steps);
    QCOMPARE(page->nextButton()->text(), QStringLiteral("&Close"));
    QCOMPARE(find<QGroupBox>("gbxAllFiles")->title(),
             QStringLiteral("  All Files in Personal Directory (") + userDir +
                 QStringLiteral("/...)  "));

    dm->ClearExecutedStatements();
    QTest::mouseClick(find<QPushButton>("bbnPrintLetter"), Qt::LeftButton);
    QCOMPARE(SuppressedPreviewCount(), 1);
    QVERIFY2(dm->ExecutedStatements().join(QLatin1Char('\n')).contains(document),
             qPrintable(dm->ExecutedStatements().join(QLatin1Char('\n'))));
    QVERIFY(!QFileInfo::exists(userFile(QStringLiteral("ON4XX_VLM_Letter_Bipt.pdf"))));

    dm->ClearExecutedStatements();
    QTest::mouseClick(find<QPushButton>("bbnSaveLetter"), Qt::LeftButton);
    QVERIFY(dm->ExecutedStatements().join(QLatin1Char('\n')).contains(document));
    QVERIFY(QFileInfo(userFile(QStringLiteral("ON4XX_VLM_Letter_Bipt.pdf"))).size() > 0);
    QVERIFY(rowNamed(QStringLiteral("ON4XX_VLM_Letter_Bipt.pdf")));
    QVERIFY2(ShownMessages().isEmpty(), qPrintable(ShownMessages().value(0).text));

    // For a look at the page: VLM_KEEP_OUTPUT=folder keeps a picture of it.
    const QString keep = qEnvironmentVariable("VLM_KEEP_OUTPUT");
    QCoreApplication::processEvents(); // lets the layout follow the hidden group
    if (!keep.isEmpty())
        page->grab().save(
            QDir(keep).filePath(QStringLiteral("submission-terrain%1.png").arg(terrainStudy)));
}

void TestSubmissionPage::backFollowsTheLowPowerFlag_data()
{
    QTest::addColumn<bool>("lowPower");
    QTest::addColumn<int>("target");
    QTest::newRow("after the report page") << false << int(PageReportView);
    QTest::newRow("after the low-power page") << true << int(PageQrpInput);
}

void TestSubmissionPage::backFollowsTheLowPowerFlag()
{
    QFETCH(bool, lowPower);
    QFETCH(int, target);
    CurrentSelection().lowPowerReport = lowPower;
    page->ActivatePage();
    QTest::mouseClick(page->backButton(), Qt::LeftButton);
    QCOMPARE(host.activePage, target);
}

void TestSubmissionPage::closeEndsTheWizard()
{
    page->ActivatePage();
    QTest::mouseClick(page->nextButton(), Qt::LeftButton);
    QCOMPARE(host.closes, 1);
}

void TestSubmissionPage::createMdbTwiceGivesAFreshFilledCopy()
{
    page->show();
    page->ActivatePage();
    const QString mdb = userFile(QStringLiteral("ON4XX_Vlm.mdb"));
    QPushButton *create = find<QPushButton>("bbnCreateMdb");
    // The status bar's connection panel follows these texts: it keeps telling
    // about the main database while the export file is opened and closed.
    QStringList status;
    QObject watching; // goes first, so that nothing writes to status after this test
    connect(dm.get(), &TdtmMain::connectionStatusChanged, &watching,
            [&status](const QString &text) { status << text; });
    QTest::mouseClick(create, Qt::LeftButton);
    // One confirmation says what was written.
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(ShownMessages()[0].kind, int(MessageInfo));
    QCOMPARE(ShownMessages()[0].caption, QStringLiteral("VLM Last Steps"));
    QCOMPARE(ShownMessages()[0].text, QStringLiteral("The export database was written as :\n") +
                                          QDir::toNativeSeparators(mdb) +
                                          QStringLiteral("\nAntennas in it: 1"));
    QVERIFY(!status.contains(QStringLiteral("Disconnected")));
    QCOMPARE(status.last(), QStringLiteral("Connected"));
    QVERIFY(dm->conMainDb->isConnected());
    ClearShownMessages();
    QCOMPARE(FileColumn(mdb, QStringLiteral("SELECT AA01NameApplicant FROM File1Table")),
             QStringList{QStringLiteral("Jan Peeters")});
    QCOMPARE(FileColumn(mdb, QStringLiteral("SELECT AntennaEntryPowerdBm FROM File4BTable")),
             QStringList{QStringLiteral("50.5")});
    QVERIFY(!dm->conExport->isConnected());
    QVERIFY(create->isEnabled());
    QVERIFY(find<QProgressBar>("pgbExportDbm")->isHidden());
    // The desktop sees an Access database, by its content as by its name, and the
    // list shows the type it gives such files.
    QTreeWidgetItem *row = rowNamed(QStringLiteral("ON4XX_Vlm.mdb"));
    QVERIFY(row);
    QFile written(mdb);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QMimeType byContent = QMimeDatabase().mimeTypeForData(written.readAll());
    QCOMPARE(byContent.name(), QStringLiteral("application/vnd.ms-access"));
    const QLocale programLocale; // type names speak the system's language
    QLocale::setDefault(QLocale::system());
    const QString systemTypeName = byContent.comment();
    QLocale::setDefault(programLocale);
    QCOMPARE(row->text(2), systemTypeName);

    // A row that no export writes disappears: the second run starts from the template.
    QCOMPARE(AccessFileExec(mdb, QStringLiteral("INSERT INTO File4BTable (AntennaPK, AntennaName) "
                                                "VALUES (99, 'stale')")),
             QString());
    QCOMPARE(FileColumn(mdb, QStringLiteral("SELECT COUNT(*) FROM File4BTable")),
             QStringList{QStringLiteral("2")});
    QTest::mouseClick(create, Qt::LeftButton);
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(ShownMessages()[0].kind, int(MessageInfo));
    QCOMPARE(FileColumn(mdb, QStringLiteral("SELECT COUNT(*) FROM File4BTable")),
             QStringList{QStringLiteral("1")});
    QCOMPARE(FileColumn(mdb, QStringLiteral(
                                 "SELECT COUNT(*) FROM DefaultAntennaVerticalDiagramEntryTable")),
             QStringList{QStringLiteral("202")});
}

void TestSubmissionPage::createMdbFailuresAreReported_data()
{
    QTest::addColumn<QByteArray>("templateContent"); // empty: no template at all
    QTest::addColumn<QString>("message");
    QTest::newRow("template missing")
        << QByteArray()
        << QStringLiteral("The export database couldn't be created !\n"
                          "Look and see if the file \"Empty_Vlm.mdb\" realy exists...");
    QTest::newRow("template is no database")
        << QByteArray("this is not a database file")
        << QStringLiteral("The export database couldn't be created !\n"
                          "The file \"Empty_Vlm.mdb\" is not a usable Access database: not an "
                          "Access database");
}

void TestSubmissionPage::createMdbFailuresAreReported()
{
    QFETCH(QByteArray, templateContent);
    QFETCH(QString, message);
    const QString templateFile = ProgramFile(QStringLiteral("Empty_Vlm.mdb"));
    QVERIFY(QFile::remove(templateFile));
    if (!templateContent.isEmpty())
        WriteFile(templateFile, templateContent);
    // An earlier export stays byte for byte as it was.
    const QString mdb = userFile(QStringLiteral("ON4XX_Vlm.mdb"));
    WriteFile(mdb, "an earlier export");

    page->ActivatePage();
    QPushButton *create = find<QPushButton>("bbnCreateMdb");
    QTest::mouseClick(create, Qt::LeftButton);
    const QList<ShownMessage> shown = ShownMessages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].caption, QStringLiteral("VLM Last Steps"));
    QCOMPARE(shown[0].text, message);
    QCOMPARE(shown[0].kind, int(MessageError));
    QVERIFY(create->isEnabled());
    QVERIFY(!dm->conExport->isConnected());
    QFile earlier(mdb);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("an earlier export"));
}

void TestSubmissionPage::zipHoldsEveryEntryButItself()
{
    SetClockOverride(QDateTime(QDate(2024, 3, 5), QTime(9, 7, 59)));
    WriteFile(userFile(QStringLiteral("ON4XX_Vlm.zip")), "an archive of an earlier run");
    WriteFile(userFile(QStringLiteral("plan.pdf")), QByteArray(5000, 'p'));
    WriteFile(userFile(QStringLiteral(".notes")), "hidden");
    QVERIFY(QDir(userDir).mkdir(QStringLiteral("Photos")));
    WriteFile(userFile(QStringLiteral("Photos/mast.jpg")), QByteArray(300, 'j'));

    page->ActivatePage();
    QTest::mouseClick(find<QPushButton>("bbnCreateZip"), Qt::LeftButton);
    const QString zip = userFile(QStringLiteral("ON4XX_Vlm.zip"));
    const QList<ShownMessage> shown = ShownMessages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].caption, QStringLiteral("VLM Last Steps"));
    QCOMPARE(shown[0].text,
             QStringLiteral("All files have been written in a ZIP File as :\n") + zip);

    QString output;
    QVERIFY2(UnzipTestPasses(zip, &output), qPrintable(output));
    const InspectedArchive archive = InspectArchive(zip);
    QVERIFY2(archive.readable, qPrintable(archive.error));
    QCOMPARE(archive.comment, QStringLiteral("VLM Files for ON4XX (05/03/2024 09:07)"));
    QStringList names = archive.entries.keys();
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral(".notes"), QStringLiteral("Photos/"),
                                 QStringLiteral("Photos/mast.jpg"), QStringLiteral("plan.pdf")}));
    for (const QString &name : names) {
        if (!archive.entries[name].folder)
            QCOMPARE(archive.entries[name].sha256, FileSha256(userFile(name)));
    }
    QVERIFY(rowNamed(QStringLiteral("ON4XX_Vlm.zip")));
    const QString keep = qEnvironmentVariable("VLM_KEEP_OUTPUT"); // for a look with other tools
    if (!keep.isEmpty()) {
        QFile::remove(QDir(keep).filePath(QStringLiteral("ON4XX_Vlm.zip")));
        QFile::copy(zip, QDir(keep).filePath(QStringLiteral("ON4XX_Vlm.zip")));
    }

    // Again: the archive of this run is replaced, never packed into the next.
    ClearShownMessages();
    QTest::mouseClick(find<QPushButton>("bbnCreateZip"), Qt::LeftButton);
    QCOMPARE(InspectArchive(zip).entries.size(), 4);
}

// A run killed while writing leaves its temporary file beside the document: it
// is neither listed nor packed, and the next ZIP removes it.
void TestSubmissionPage::interruptedWritesNeverEnterTheListOrTheZip()
{
    WriteFile(userFile(QStringLiteral("ON4XX_Vlm.zip.aB12cD")), QByteArray(3000, 'z'));
    WriteFile(userFile(QStringLiteral("ON4XX_VLM_Letter_Bipt.pdf.Qw3rTy")), "half a letter");
    WriteFile(userFile(QStringLiteral("plan.pdf")), "plan");
    page->show();
    page->ActivatePage();
    QVERIFY(rowNamed(QStringLiteral("plan.pdf")));
    QVERIFY(!rowNamed(QStringLiteral("ON4XX_Vlm.zip.aB12cD")));
    QVERIFY(!rowNamed(QStringLiteral("ON4XX_VLM_Letter_Bipt.pdf.Qw3rTy")));

    QTest::mouseClick(find<QPushButton>("bbnCreateZip"), Qt::LeftButton);
    const InspectedArchive archive = InspectArchive(userFile(QStringLiteral("ON4XX_Vlm.zip")));
    QVERIFY2(archive.readable, qPrintable(archive.error));
    QCOMPARE(archive.entries.keys(), QStringList{QStringLiteral("plan.pdf")});
    QVERIFY(!QFileInfo::exists(userFile(QStringLiteral("ON4XX_Vlm.zip.aB12cD"))));
    QVERIFY(!QFileInfo::exists(userFile(QStringLiteral("ON4XX_VLM_Letter_Bipt.pdf.Qw3rTy"))));
}

// "Save Letter" and "Create ZIP" when the disk is full: the user is told, and
// the earlier letter and archive stay as they were.
void TestSubmissionPage::aFullDiskKeepsTheEarlierLetterAndZip()
{
    page->show();
    page->ActivatePage();
    QTest::mouseClick(find<QPushButton>("bbnSaveLetter"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("bbnCreateZip"), Qt::LeftButton);
    const QString letter = userFile(QStringLiteral("ON4XX_VLM_Letter_Bipt.pdf"));
    const QString zip = userFile(QStringLiteral("ON4XX_Vlm.zip"));
    const QByteArray earlierLetter = FileBytes(letter);
    const QByteArray earlierZip = FileBytes(zip);
    QVERIFY(!earlierLetter.isEmpty() && !earlierZip.isEmpty());
    ClearShownMessages();

    TScopedWriteFailure full(0);
    QTest::mouseClick(find<QPushButton>("bbnSaveLetter"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("bbnCreateZip"), Qt::LeftButton);
    const QList<ShownMessage> shown = ShownMessages();
    QCOMPARE(shown.size(), 2);
    QVERIFY2(shown[0].text.contains(QStringLiteral("No space left on device")),
             qPrintable(shown[0].text));
    QVERIFY2(shown[1].text.startsWith(QStringLiteral("Couldn't create the ZIP File")),
             qPrintable(shown[1].text));
    QCOMPARE(FileBytes(letter), earlierLetter);
    QCOMPARE(FileBytes(zip), earlierZip);
}

void TestSubmissionPage::fileListShowsThePersonalDirectory()
{
    WriteFile(userFile(QStringLiteral("b_big.bin")), QByteArray(1234567, 'x'));
    WriteFile(userFile(QStringLiteral("a_small.txt")), "abc");
    QVERIFY(QDir(userDir).mkdir(QStringLiteral("Plans")));
    page->show();
    page->ActivatePage();

    QTreeWidget *list = find<QTreeWidget>("lsvAllFiles");
    QCOMPARE(list->topLevelItemCount(), 4); // parent row, two files, one folder
    QCOMPARE(list->columnCount(), 7);
    const QStringList headings = {QStringLiteral("Name"),      QStringLiteral("Size"),
                                  QStringLiteral("Type"),      QStringLiteral("Created"),
                                  QStringLiteral("Modified"),  QStringLiteral("Accessed"),
                                  QStringLiteral("Attributes")};
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(list->headerItem()->text(c), headings[c]);
        QCOMPARE(list->isColumnHidden(c), c >= 4);
    }
    QCOMPARE(list->columnWidth(0), 250);
    QCOMPARE(list->header()->sortIndicatorSection(), 0);
    QCOMPARE(list->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    QVERIFY(list->header()->isSortIndicatorShown());

    QTreeWidgetItem *big = rowNamed(QStringLiteral("b_big.bin"));
    QVERIFY(big);
    QCOMPARE(big->text(1), QStringLiteral("1.234.567"));
    QVERIFY(big->textAlignment(1) & Qt::AlignRight);
    QVERIFY(!big->icon(0).isNull());
    QVERIFY(big->text(3).endsWith(QLatin1Char(':') + big->text(3).right(3)));
    QTreeWidgetItem *plans = rowNamed(QStringLiteral("Plans"));
    QVERIFY(plans);
    QVERIFY(plans->text(1).isEmpty());
    QTreeWidgetItem *parent =
        rowNamed(QLatin1Char('[') + QFileInfo(dir->path()).fileName() + QLatin1Char(']'));
    QVERIFY(parent);

    // Ascending by name without regard to case.
    QCOMPARE(list->indexOfTopLevelItem(rowNamed(QStringLiteral("a_small.txt"))) + 1,
             list->indexOfTopLevelItem(big));
    QCOMPARE(list->indexOfTopLevelItem(big) + 1, list->indexOfTopLevelItem(plans));

    // A new file shows after the next action that fills the list again.
    WriteFile(userFile(QStringLiteral("c_new.txt")), "new");
    QTest::mouseClick(find<QPushButton>("bbnCreateZip"), Qt::LeftButton);
    QVERIFY(rowNamed(QStringLiteral("c_new.txt")));
}

void TestSubmissionPage::doubleClickOpensFilesOnly()
{
    WriteFile(userFile(QStringLiteral("letter.pdf")), "%PDF-1.4");
    QVERIFY(QDir(userDir).mkdir(QStringLiteral("Plans")));
    QStringList opened;
    TfraBiptData::SetFileOpener([&opened](const QString &path) { opened << path; });
    page->ActivatePage();
    QTreeWidget *list = find<QTreeWidget>("lsvAllFiles");
    emit list->itemDoubleClicked(rowNamed(QStringLiteral("Plans")), 0);
    emit list->itemDoubleClicked(
        rowNamed(QLatin1Char('[') + QFileInfo(dir->path()).fileName() + QLatin1Char(']')), 0);
    QVERIFY(opened.isEmpty());
    emit list->itemDoubleClicked(rowNamed(QStringLiteral("letter.pdf")), 0);
    QCOMPARE(opened, QStringList{userFile(QStringLiteral("letter.pdf"))});
}

void TestSubmissionPage::terrainNoteSaveAndCancel()
{
    CurrentSelection().terrainStudy = true;
    page->show();
    page->ActivatePage();
    auto *memo = find<QPlainTextEdit>("dbmTerrStudy");
    auto *save = find<QPushButton>("bbnTerrSave");
    auto *cancel = find<QPushButton>("bbnTerrCancel");
    QCOMPARE(memo->toPlainText(),
             QStringLiteral("Mast seen from the street\nNo neighbours within 20 m"));
    QVERIFY(!save->isEnabled());
    QVERIFY(!cancel->isEnabled());

    QFocusEvent focusIn(QEvent::FocusIn);
    QCoreApplication::sendEvent(memo, &focusIn);
    QVERIFY(save->isEnabled());
    QVERIFY(cancel->isEnabled());
    QCOMPARE(memo->palette().color(QPalette::Base), QColor(189, 238, 166));

    memo->setPlainText(QStringLiteral("Changed"));
    QTest::mouseClick(cancel, Qt::LeftButton);
    QCOMPARE(memo->toPlainText(),
             QStringLiteral("Mast seen from the street\nNo neighbours within 20 m"));
    QVERIFY(!save->isEnabled());

    QCoreApplication::sendEvent(memo, &focusIn);
    memo->setPlainText(QStringLiteral("Measured on 5 March\nAll below the limit"));
    QTest::mouseClick(save, Qt::LeftButton);
    QVERIFY(!save->isEnabled());
    QSqlQuery q(dm->conMainDb->database());
    QVERIFY(
        q.exec(QStringLiteral("SELECT OwnerFileNote FROM tblOwner WHERE IdOwner = %1").arg(owner)));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Measured on 5 March\nAll below the limit\n"));
}

void TestSubmissionPage::incompleteEvaluationWarnsBeforeEveryDocument_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("answer");
    const std::pair<const char *, const char *> steps[] = {
        {"bbnCreateMdb", "ON4XX_Vlm.mdb"},
        {"bbnSaveLetter", "ON4XX_VLM_Letter_Bipt.pdf"},
        {"bbnCreateZip", "ON4XX_Vlm.zip"}};
    for (const auto &[button, file] : steps) {
        QTest::addRow("%s, No", button)
            << QString::fromLatin1(button) << QString::fromLatin1(file) << int(AnswerNo);
        QTest::addRow("%s, Yes", button)
            << QString::fromLatin1(button) << QString::fromLatin1(file) << int(AnswerYes);
    }
}

// With a placement whose power chain was never saved, each step asks before it
// writes its file, naming the placement; No writes nothing.
void TestSubmissionPage::incompleteEvaluationWarnsBeforeEveryDocument()
{
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(int, answer);
    QSqlQuery q(dm->conMainDb->database());
    QVERIFY(q.exec(QStringLiteral("UPDATE tblStation SET StationTxPower = 0")));
    page->show();
    page->ActivatePage();
    ClearShownMessages();
    SetNextAnswer(answer);
    QTest::mouseClick(find<QPushButton>(button.toLatin1().constData()), Qt::LeftButton);
    const QList<ShownMessage> shown = ShownMessages();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown[0].kind, int(MessageQuestion));
    QVERIFY(shown[0].text.startsWith(
        QStringLiteral("The evaluation is incomplete: no power chain for Dipole.")));
    QCOMPARE(QFileInfo::exists(userFile(file)), answer == AnswerYes);
}

QTEST_MAIN(TestSubmissionPage)
#include "test_submissionpage.moc"
