// Run 1, afterwards: the files the pages left in the owner's folder, read back with
// tools of their own (poppler-utils, an SQLite connection of the test, libzip), and
// the same station packed by the built vlmcli.
#include "e2estation.h"
#include "endtoend.h"
#include "outputfiles.h"
#include "pdftools.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>
#include <cmath>

namespace
{
QString Owned(const QString &folder, const char *name)
{
    return QDir(folder).filePath(QLatin1String(name));
}

// The text of a PDF with each line's runs of blanks made one blank.
QString PdfText(const QString &pdf)
{
    QStringList lines;
    for (const QString &line : PdfLayoutText(pdf).split(u'\n'))
        lines << line.simplified();
    return lines.join(u'\n');
}

// Dates and times as documents and archive comments print them ("14/03/2026",
// "10:30") replaced by fixed marks: two runs on different days print different ones.
QString WithoutDates(QString text)
{
    static const QRegularExpression date(QStringLiteral(R"(\b\d{1,2}/\d{1,2}/\d{4}\b)"));
    static const QRegularExpression time(QStringLiteral(R"(\b\d{1,2}:\d{2}(:\d{2})?\b)"));
    return text.replace(date, QStringLiteral("<date>")).replace(time, QStringLiteral("<time>"));
}

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// The built vlmcli, as a user runs it, with the loopback server of every test.
CliRun RunVlmcli(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VLM_SERVER"), QStringLiteral("http://127.0.0.1:9"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VLM_CLI_PROGRAM), arguments);
    CliRun run;
    if (!process.waitForFinished(30000)) {
        run.err = process.errorString();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QStringList PackageFiles = {QStringLiteral("ON4VLM_VLM_Exposure.pdf"),
                                  QStringLiteral("ON4VLM_VLM_Letter_Bipt.pdf"),
                                  QStringLiteral("ON4VLM_VLM_Loc01-Ant01.pdf"),
                                  QStringLiteral("ON4VLM_VLM_Loc01-Ant02.pdf"),
                                  QStringLiteral("ON4VLM_Vlm.mdb"),
                                  QStringLiteral("ON4VLM_Vlm.zip")};
} // namespace

void TestEndToEnd::run1_ownerFolderHoldsThePackage()
{
    QStringList files = FolderFiles(ownerFolder(QString::fromLatin1(Station::Call)));
    files.sort();
    QCOMPARE(files, PackageFiles);
    // Nothing else was left beside the program, and its export template is untouched.
    QStringList program =
        QDir(m_program).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    program.sort();
    QCOMPARE(program, (QStringList{QStringLiteral("Empty_Vlm.mdb"), QStringLiteral("LowPower.res"),
                                   QStringLiteral("ON4VLM"), QStringLiteral("VlmMain.mdb"),
                                   QStringLiteral("libmeridox.so")}));
    QVERIFY(FileBytes(QDir(m_program).filePath(QStringLiteral("Empty_Vlm.mdb"))) ==
            FileBytes(QStringLiteral(VLM_TEST_EXPORT_DB)));
}

void TestEndToEnd::run1_documentsCarryTheirInformation_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines"); // each stands on a line of the document's text
    const QString folder = ownerFolder(QString::fromLatin1(Station::Call));
    for (const Station::PowerChain &chain : Station::Chains) {
        const QString ref = QString::fromLatin1(chain.ref);
        // The PDF says what the report page showed, line for line.
        QStringList lines;
        for (const QString &line : m_reportText.value(ref).split(u'\n')) {
            if (!line.trimmed().isEmpty())
                lines << line.simplified();
        }
        QTest::addRow("antenna report %s", chain.ref)
            << QDir(folder).filePath(QStringLiteral("ON4VLM_VLM_%1.pdf").arg(ref)) << lines;
    }
    QTest::newRow("cover letter")
        << QDir(folder).filePath(QStringLiteral("ON4VLM_VLM_Letter_Bipt.pdf"))
        // Dated by the test's clock; the technical letter, as the evaluation asked;
        // the documents in the folder when it was printed.
        << QStringList{QStringLiteral("Gand, 14/03/2026."),
                       QStringLiteral("Jan Peeters (ON4VLM)"),
                       QStringLiteral("Veldstraat 12"),
                       QStringLiteral("9000 Gand"),
                       QStringLiteral("Subject: antenna file of amateur radio station (ON4VLM)"),
                       QStringLiteral("a technical"),
                       QStringLiteral("ON4VLM_Vlm.mdb"),
                       QStringLiteral("ON4VLM_VLM_Loc01-Ant01.pdf"),
                       QStringLiteral("ON4VLM_VLM_Loc01-Ant02.pdf")};
}

void TestEndToEnd::run1_documentsCarryTheirInformation()
{
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    const QMap<QString, QString> info = PdfInfo(file);
    const QMap<QString, QString> expected = {
        {QStringLiteral("Title"), QStringLiteral("VLM")},
        {QStringLiteral("Author"), QStringLiteral("Current User")},
        {QStringLiteral("Subject"), QStringLiteral("Radiation Study")},
        {QStringLiteral("Keywords"), QStringLiteral("Velmor")},
        {QStringLiteral("Creator"), QStringLiteral("VLM Application")},
        {QStringLiteral("Producer"), QStringLiteral("QIV")}};
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(info.value(it.key()), it.value());
    QVERIFY2(info.value(QStringLiteral("CreationDate")).contains(QLatin1String("2026")),
             qPrintable(info.value(QStringLiteral("CreationDate"))));

    const QString text = PdfText(file);
    QVERIFY(!lines.isEmpty());
    for (const QString &line : lines)
        QVERIFY2(text.contains(line),
                 qPrintable(QStringLiteral("\"%1\" not in\n%2").arg(line, text)));
}

void TestEndToEnd::run1_exportDatabaseHoldsTheStation()
{
    const QString mdb = Owned(ownerFolder(QString::fromLatin1(Station::Call)), "ON4VLM_Vlm.mdb");
    QCOMPARE(DatabaseColumn(mdb, QStringLiteral("SELECT AA01NameApplicant || '/' || "
                                                "AA02AddressApplicant || '/' || "
                                                "AA03ZipCodeApplicant FROM File1Table")),
             QStringList{QStringLiteral("Jan Peeters/Veldstraat 12/9000")});
    QCOMPARE(DatabaseColumn(mdb, QStringLiteral("SELECT LS07XLambertCoordinates || '/' || "
                                                "LS07YLambertCoordinates FROM File3Table")),
             QStringList{QStringLiteral("%1/%2").arg(Station::LambertX).arg(Station::LambertY)});
    const QStringList antennas = DatabaseColumn(
        mdb, QStringLiteral("SELECT AntennaName || '|' || AntennaPositionHeight || '|' || "
                            "AntennaTilt || '|' || AntennaFrequency || '|' || AntennaGaindB || '|' "
                            "|| AntennaEntryPowerdBm || '|' || AntennaEIRPdBW || '|' || "
                            "AntennaPolarization FROM File4BTable ORDER BY AntennaNr"));
    QCOMPARE(antennas.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const Station::PowerChain &c = Station::Chains[i];
        const QStringList v = antennas[i].split(u'|');
        QCOMPARE(v.size(), 8);
        QCOMPARE(v[0], QLatin1String(c.ref));
        QCOMPARE(v[7], QStringLiteral("H"));
        QVERIFY2(std::abs(v[6].toDouble() - (Station::AntennaPower(c) + c.gain)) < 0.006,
                 qPrintable(antennas[i]));
        QCOMPARE(v[1].toDouble(), c.height);
        QCOMPARE(v[2].toDouble(), c.tilt);
        QCOMPARE(v[3].toDouble(), c.frequency);
        QCOMPARE(v[4].toDouble(), c.gain);
        // dBm at the antenna: the stored dBW plus 30.
        QVERIFY2(std::abs(v[5].toDouble() - (Station::AntennaPower(c) + 30)) < 0.006,
                 qPrintable(antennas[i]));
    }
    // Each antenna's default antenna, with its family named in the export's language.
    QCOMPARE(DatabaseColumn(mdb, QStringLiteral("SELECT DefaultAntennaType FROM "
                                                "DefaultAntennaTable ORDER BY DefaultAntennaPK")),
             (QStringList{QStringLiteral("Group: Yagi-antennes / Type: 9-element Yagi / "
                                         "Make-Description: 2 m band, horizontal"),
                          QStringLiteral("Group: Eigen antennes / Type: Dish 120 cm / "
                                         "Make-Description: Home made, 13 cm")}));
    QCOMPARE(DatabaseColumn(mdb, QStringLiteral("SELECT COUNT(*) FROM "
                                                "DefaultAntennaVerticalDiagramEntryTable GROUP BY "
                                                "DefaultAntennaFK ORDER BY DefaultAntennaFK")),
             (QStringList{QStringLiteral("202"), QStringLiteral("202")}));
}

void TestEndToEnd::run1_zipHoldsTheOwnerFolder()
{
    const QString folder = ownerFolder(QString::fromLatin1(Station::Call));
    const ZipContent zip = ReadZip(Owned(folder, "ON4VLM_Vlm.zip"));
    QVERIFY2(zip.ok, qPrintable(zip.error));
    QCOMPARE(zip.comment, QStringLiteral("VLM Files for ON4VLM (14/03/2026 10:30)"));
    QStringList expected = PackageFiles;
    expected.removeAll(QStringLiteral("ON4VLM_Vlm.zip")); // never packed into itself
    QCOMPARE(zip.entries.keys(), expected);
    for (const QString &name : expected)
        QVERIFY2(zip.entries.value(name) == FileBytes(QDir(folder).filePath(name)),
                 qPrintable(name));
}

void TestEndToEnd::run1_vlmcliPackageMatchesThePages()
{
    // A copy of the database as the pages left it, whose owner gets a folder of its own.
    // No page points an existing owner at another database's folder, so the copy's
    // folder is set with SQL.
    const QString cliRoot = m_root->filePath(QStringLiteral("cli"));
    const QString cliFolder = QDir(cliRoot).filePath(QStringLiteral("ON4VLM"));
    QVERIFY(QDir().mkpath(cliFolder));
    const QString db = QDir(cliRoot).filePath(QStringLiteral("VlmMain.mdb"));
    QVERIFY(QFile::copy(mainDatabase(), db));
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(DatabaseExec(db, QStringLiteral("UPDATE tblOwner SET OwnerUserDir = '%1' WHERE "
                                             "OwnerCall = 'ON4VLM'")
                                  .arg(cliFolder)),
             QString());

    // The antenna reports first, as the user made them before the package.
    for (const Station::PowerChain &chain : Station::Chains) {
        const CliRun report = RunVlmcli({QStringLiteral("report"), db, QStringLiteral("ON4VLM"),
                                         QString::fromLatin1(chain.ref)});
        QVERIFY2(report.exitCode == 0, qPrintable(report.err));
    }
    const CliRun package = RunVlmcli({QStringLiteral("package"), db, QStringLiteral("ON4VLM")});
    QVERIFY2(package.exitCode == 0, qPrintable(package.err));
    const QString folder = ownerFolder(QString::fromLatin1(Station::Call));
    QCOMPARE(package.out, QStringLiteral("Wrote %1\nWrote %2\nWrote %3\nWrote %4\n")
                              .arg(Owned(cliFolder, "ON4VLM_VLM_Exposure.pdf"),
                                   Owned(cliFolder, "ON4VLM_Vlm.mdb"),
                                   Owned(cliFolder, "ON4VLM_VLM_Letter_Bipt.pdf"),
                                   Owned(cliFolder, "ON4VLM_Vlm.zip")));

    // The same files ...
    QStringList files = FolderFiles(cliFolder);
    files.sort();
    QCOMPARE(files, PackageFiles);

    // ... the same export database, table by table and row by row ...
    const QMap<QString, QStringList> pages = DatabaseRows(Owned(folder, "ON4VLM_Vlm.mdb"));
    const QMap<QString, QStringList> cli = DatabaseRows(Owned(cliFolder, "ON4VLM_Vlm.mdb"));
    QCOMPARE(cli.keys(), pages.keys());
    for (auto it = pages.begin(); it != pages.end(); ++it)
        QVERIFY2(cli.value(it.key()) == it.value(),
                 qPrintable(
                     QStringLiteral("table %1 differs:\npages: %2\nvlmcli: %3")
                         .arg(it.key(), it.value().join(u'\n'), cli.value(it.key()).join(u'\n'))));

    // ... the same archive entries, and documents that differ in their dates only.
    // The pages ran on the test's fixed clock, vlmcli on the machine's.
    const ZipContent pagesZip = ReadZip(Owned(folder, "ON4VLM_Vlm.zip"));
    const ZipContent cliZip = ReadZip(Owned(cliFolder, "ON4VLM_Vlm.zip"));
    QVERIFY2(cliZip.ok, qPrintable(cliZip.error));
    QCOMPARE(cliZip.entries.keys(), pagesZip.entries.keys());
    QCOMPARE(WithoutDates(cliZip.comment), WithoutDates(pagesZip.comment));
    for (const QString &name : files) {
        if (!name.endsWith(QLatin1String(".pdf")))
            continue;
        QCOMPARE(WithoutDates(PdfText(QDir(cliFolder).filePath(name))),
                 WithoutDates(PdfText(QDir(folder).filePath(name))));
        QMap<QString, QString> cliInfo = PdfInfo(QDir(cliFolder).filePath(name));
        QMap<QString, QString> pagesInfo = PdfInfo(QDir(folder).filePath(name));
        for (const char *dated : {"CreationDate", "ModDate", "File size"}) {
            cliInfo.remove(QLatin1String(dated));
            pagesInfo.remove(QLatin1String(dated));
        }
        QCOMPARE(cliInfo, pagesInfo);
    }
}
