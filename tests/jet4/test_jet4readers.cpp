// The export of a fixture owner read by two readers nobody here wrote: Debian's
// mdbtools (mdb-ver, mdb-tables, mdb-schema, mdb-export) and the npm package
// mdb-reader. Both give exactly the tables, column types and rows the staging
// database held: several sites and placements, quotes, accents, multi-line
// notes and empty values.
#include "exportfixture.h"
#include "reports/exportdatabase.h"
#include "reports/exportstaging.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>

namespace
{

struct StagedTable {
    QString name;
    QStringList columns;
    QStringList declaredTypes;
    QString key;
    QVector<QVector<QVariant>> rows;
};

QString RunTool(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << program.toStdString()
                      << " did not run: " << process.errorString().toStdString();
        return QString();
    }
    if (exitCode)
        *exitCode = process.exitCode();
    else
        EXPECT_EQ(process.exitCode(), 0)
            << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// How mdb-schema names the type of a staging column.
QString SchemaType(const QString &declared)
{
    if (declared.startsWith(QLatin1String("VARCHAR")))
        return QStringLiteral("Text (%1)").arg(declared.mid(8).chopped(1));
    if (declared == QLatin1String("LONGTEXT"))
        return QStringLiteral("Memo/Hyperlink (255)");
    if (declared == QLatin1String("BOOLEAN"))
        return QStringLiteral("Boolean NOT NULL");
    if (declared == QLatin1String("DOUBLE"))
        return QStringLiteral("Double");
    return QStringLiteral("Long Integer");
}

// A staged value as mdb-export writes it by default: an empty text like Null
// (mdb-reader tells them apart), texts quoted, reals in their shortest form.
QString CsvValue(const QVariant &value, const QString &declared)
{
    if (declared == QLatin1String("BOOLEAN"))
        return value.toInt() ? QStringLiteral("1") : QStringLiteral("0");
    if (value.isNull() || value.toString().isEmpty())
        return QString();
    if (declared.startsWith(QLatin1String("VARCHAR")) || declared == QLatin1String("LONGTEXT"))
        return QLatin1Char('"') +
               value.toString().replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
               QLatin1Char('"');
    if (declared == QLatin1String("DOUBLE"))
        return QString::asprintf("%.16g", value.toDouble());
    return QString::number(value.toLongLong());
}

class Jet4Readers : public ExportDbTest
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ExportDbTest::SetUp());
        const qint32 owner = sql(
            QStringLiteral(
                "INSERT INTO tblOwner (IdZipCity1, IdZipCity2, IdLanguage, OwnerFname, OwnerName, "
                "OwnerCall, OwnerOtherOps, OwnerAddress1, OwnerAddress2, OwnerPhHome, OwnerPhOff, "
                "OwnerPhMob, OwnerEmail, OwnerNote, OwnerSiteAddr1, OwnerSiteAddr2, "
                "OwnerSiteBiptRef, "
                "OwnerSiteNote, OwnerSiteShared, OwnerSiteSharedBy, OwnerSiteAlreadyAnt, "
                "OwnerSiteClubStn, OwnerSiteClubCall) VALUES (%1, %2, 3, 'Zoë', 'Van den Bøgaert "
                "\"Bo\"', "
                "'ON4ZB', '', 'Rue de l''Église 7', '', '02 555 12 12', '', '', '', "
                "'Première ligne, \"citée\".\nDeuxième ligne: ø, é, ë.\n\nAprès une ligne vide.', "
                "'Chaussée d''Anvers 1', 'Boîte 2', NULL, 'Mât sur le toit.\nCâble par le "
                "grenier.', 0, "
                "NULL, 1, 0, NULL)")
                .arg(ZipAntwerpen)
                .arg(ZipBrussel));
        CurrentSelection().ownerId = owner;
        CurrentSelection().languageId = 3;
        const qint32 main = addSite(owner, true, 150123, 170456);
        const qint32 garden = addSite(owner, false, 150200, 170500);
        const qint32 dipole = addAntenna(FamilyDipoles, QStringLiteral("Dipôle \"demi-onde\""),
                                         QStringLiteral("Fait maison"), 2.15);
        const qint32 yagi = addAntenna(FamilyYagis, QStringLiteral("9 él."),
                                       QStringLiteral("Tonna ''F9FT''"), 13.1);
        addPlacement(main, dipole, Band2m, QStringLiteral("Loc01-Ant01"), 12.5, 0, 20.5, 22.65);
        addPlacement(main, yagi, Band23cm, QStringLiteral("Loc01-Ant02"), 15.5, -2.5, 10, 23.1);
        addPlacement(garden, yagi, Band2m, QStringLiteral("Loc02-Ant01"), 8, 1.5, -3.25, 9.85);

        const TOpStatus built = BuildExportDatabase(*dm);
        ASSERT_TRUE(built.ok()) << built.error.toStdString();
        dm->conExport->close();
        readStaging();
        file = filePath(QStringLiteral("ON4ZB_Vlm.mdb"));
        const TOpStatus written = WriteStagingAsAccess(exportFile(), file);
        ASSERT_TRUE(written.ok()) << written.error.toStdString();
    }

    void readStaging()
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("expected"));
        db.setDatabaseName(exportFile());
        ASSERT_TRUE(db.open());
        {
            QSqlQuery names(db);
            ASSERT_TRUE(names.exec(QStringLiteral(
                "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid")));
            while (names.next()) {
                StagedTable table;
                table.name = names.value(0).toString();
                QSqlQuery info(db);
                ASSERT_TRUE(info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table.name)));
                while (info.next()) {
                    table.columns << info.value(1).toString();
                    table.declaredTypes << info.value(2).toString();
                    if (info.value(5).toInt())
                        table.key = info.value(1).toString();
                }
                QSqlQuery rows(db);
                ASSERT_TRUE(
                    rows.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table.name)));
                while (rows.next()) {
                    QVector<QVariant> row;
                    for (int c = 0; c < table.columns.size(); ++c)
                        row << rows.value(c);
                    table.rows << row;
                }
                staged << table;
            }
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("expected"));
    }

    QString file;
    QVector<StagedTable> staged;
};

TEST_F(Jet4Readers, TheFixtureHoldsWhatTheReadersMustMeet)
{
    // Guards the fixture: accents, quotes, several lines and antennas at two sites.
    ASSERT_EQ(staged.size(), 9);
    int antennas = 0, verticalRows = 0;
    QString note;
    for (const StagedTable &t : staged) {
        if (t.name == QLatin1String("File4BTable"))
            antennas = t.rows.size();
        if (t.name == QLatin1String("DefaultAntennaVerticalDiagramEntryTable"))
            verticalRows = t.rows.size();
        if (t.name == QLatin1String("File1Table"))
            note =
                t.rows.at(0).at(t.columns.indexOf(QStringLiteral("AA09InfoApplicant"))).toString();
    }
    EXPECT_EQ(antennas, 3);
    EXPECT_EQ(verticalRows, 606);
    EXPECT_TRUE(note.contains(QStringLiteral("\"citée\".\r\nDeuxième ligne: ø, é, ë.\r\n")))
        << note.toStdString();
}

TEST_F(Jet4Readers, MdbtoolsSeeTheTablesTypesKeysAndRows)
{
    EXPECT_EQ(RunTool(QStringLiteral("mdb-ver"), {file}), QStringLiteral("JET4\n"));

    QStringList names;
    for (const StagedTable &t : staged)
        names << t.name;
    EXPECT_EQ(RunTool(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), file})
                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts),
              names);

    const QString schema = RunTool(QStringLiteral("mdb-schema"), {file});
    const QString keys = RunTool(QStringLiteral("mdb-schema"),
                                 {QStringLiteral("--indexes"), file, QStringLiteral("postgres")});
    for (const StagedTable &t : staged) {
        SCOPED_TRACE(t.name.toStdString());
        const qsizetype start = schema.indexOf(QStringLiteral("CREATE TABLE [%1]").arg(t.name));
        ASSERT_GE(start, 0);
        const QString definition =
            schema.mid(start, schema.indexOf(QStringLiteral(");"), start) - start);
        for (int c = 0; c < t.columns.size(); ++c) {
            EXPECT_TRUE(definition.contains(
                QStringLiteral("[%1]\t\t\t%2").arg(t.columns[c], SchemaType(t.declaredTypes[c]))))
                << t.columns[c].toStdString() << " as "
                << SchemaType(t.declaredTypes[c]).toStdString();
        }
        EXPECT_TRUE(keys.contains(QStringLiteral("PRIMARY KEY (\"%1\")").arg(t.key.toLower())));

        QString expected = t.columns.join(QLatin1Char(',')) + QLatin1Char('\n');
        for (const QVector<QVariant> &row : t.rows) {
            QStringList values;
            for (int c = 0; c < t.columns.size(); ++c)
                values << CsvValue(row[c], t.declaredTypes[c]);
            expected += values.join(QLatin1Char(',')) + QLatin1Char('\n');
        }
        EXPECT_EQ(RunTool(QStringLiteral("mdb-export"), {file, t.name}), expected);
    }
}

TEST_F(Jet4Readers, MdbReaderSeesTheTablesTypesAndRows)
{
    const QString script = QStringLiteral(VLM_SOURCE_DIR "/tests/jet4/node/readmdb.mjs");
    ASSERT_TRUE(QFileInfo::exists(
        QStringLiteral(VLM_SOURCE_DIR "/tests/jet4/node/node_modules/mdb-reader")))
        << "mdb-reader is not installed: run scripts/install-node-test-tools.sh";
    int exitCode = -1;
    const QString output = RunTool(QStringLiteral("node"), {script, file}, &exitCode);
    ASSERT_EQ(exitCode, 0);
    const QJsonObject tables = QJsonDocument::fromJson(output.toUtf8())
                                   .object()
                                   .value(QStringLiteral("tables"))
                                   .toObject();
    ASSERT_EQ(tables.size(), staged.size());
    for (const StagedTable &t : staged) {
        SCOPED_TRACE(t.name.toStdString());
        const QJsonObject table = tables.value(t.name).toObject();
        const QJsonArray columns = table.value(QStringLiteral("columns")).toArray();
        ASSERT_EQ(columns.size(), t.columns.size());
        for (int c = 0; c < t.columns.size(); ++c) {
            const QJsonObject column = columns[c].toObject();
            EXPECT_EQ(column.value(QStringLiteral("name")).toString(), t.columns[c]);
            const QString declared = t.declaredTypes[c];
            const QString type = declared.startsWith(QLatin1String("VARCHAR"))
                                     ? QStringLiteral("text")
                                 : declared == QLatin1String("LONGTEXT") ? QStringLiteral("memo")
                                 : declared == QLatin1String("BOOLEAN")  ? QStringLiteral("boolean")
                                 : declared == QLatin1String("DOUBLE")   ? QStringLiteral("double")
                                                                         : QStringLiteral("long");
            EXPECT_EQ(column.value(QStringLiteral("type")).toString(), type)
                << t.columns[c].toStdString();
        }
        const QJsonArray rows = table.value(QStringLiteral("rows")).toArray();
        ASSERT_EQ(rows.size(), t.rows.size());
        for (int r = 0; r < t.rows.size(); ++r) {
            const QJsonArray row = rows[r].toArray();
            for (int c = 0; c < t.columns.size(); ++c) {
                const QVariant &want = t.rows[r][c];
                const QJsonValue got = row[c];
                const QString declared = t.declaredTypes[c];
                if (declared == QLatin1String("BOOLEAN"))
                    EXPECT_EQ(got.toBool(), want.toInt() != 0);
                else if (want.isNull())
                    EXPECT_TRUE(got.isNull()) << t.columns[c].toStdString();
                else if (declared.startsWith(QLatin1String("VARCHAR")) ||
                         declared == QLatin1String("LONGTEXT"))
                    EXPECT_EQ(got.toString(), want.toString()) << t.columns[c].toStdString();
                else
                    EXPECT_EQ(got.toDouble(), want.toDouble()) << t.columns[c].toStdString();
            }
        }
    }
}

} // namespace
