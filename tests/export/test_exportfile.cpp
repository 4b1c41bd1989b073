// The export file as the submission page and vlmcli make it: an Access 2000 file
// that replaces an earlier one only when it is complete. Every failure (missing
// template, a template that is not an Access file or lacks a table, a write that
// fails, a full disk) leaves the earlier file byte for byte and says why.
#include "base/programfolder.h"
#include "exportfixture.h"
#include "jet4/jet4reader.h"
#include "jet4/jet4writer.h"
#include "reports/exportdatabase.h"

#include <QDir>
#include <QFileDevice>
#include <QProcess>
#include <QStorageInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/mount.h>
#include <unistd.h>

namespace
{

class ExportFile : public ExportDbTest
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ExportDbTest::SetUp());
        const qint32 owner = addOwner(2);
        const qint32 site = addSite(owner, true, 152345, 212346);
        const qint32 dipole =
            addAntenna(FamilyDipoles, QStringLiteral("Dipole"), QStringLiteral("Home-made"), 2.15);
        addPlacement(site, dipole, Band2m, QStringLiteral("Loc01-Ant01"), 10, 0, 20.5, 22.65);
        addPlacement(site, dipole, Band23cm, QStringLiteral("Loc01-Ant02"), 12, 0, 10, 12.15);
        programDir = filePath(QStringLiteral("program"));
        ownerDir = filePath(QStringLiteral("ON4XX"));
        ASSERT_TRUE(QDir().mkpath(programDir));
        ASSERT_TRUE(QDir().mkpath(ownerDir));
        ASSERT_TRUE(CopyWritable(QStringLiteral(VLM_TEST_EXPORT_DB), templateFile()));
        SetProgramFolder(programDir);
        dm->conExport->close(); // as the page finds it: the export opens its own staging
    }
    void TearDown() override
    {
        SetAccessFileWriter({});
        SetProgramFolder(QString());
        ExportDbTest::TearDown();
    }

public: // for the arrangements of the failure cases
    QString templateFile() const { return programDir + QStringLiteral("/Empty_Vlm.mdb"); }
    QString target() const { return ownerDir + QStringLiteral("/ON4XX_Vlm.mdb"); }

    static QByteArray Content(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void Put(const QString &file, const QByteArray &content)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(content), content.size());
    }

    QString programDir;
    QString ownerDir;
};

TEST_F(ExportFile, IsAnAccessFileThatReplacesAnEarlierOne)
{
    Put(target(), "an earlier export");
    const TExportFileResult result = CreateExportDatabase(*dm, target());
    ASSERT_TRUE(result.ok()) << ExportFailureMessage(result).toStdString();

    const QByteArray content = Content(target());
    EXPECT_EQ(content.mid(4, 15), QByteArray("Standard Jet DB"));
    EXPECT_EQ(content.at(0x14), 1) << "Jet 4";
    EXPECT_EQ(content.size() % 4096, 0);
    jet4::Database written;
    ASSERT_TRUE(jet4::ReadDatabase(QFile::encodeName(target()).toStdString(), written).ok());
    std::map<std::string, const jet4::Table *> tables;
    for (const jet4::Table &table : written.tables)
        tables[table.name] = &table;
    ASSERT_EQ(tables.size(), 9u);
    EXPECT_EQ(tables["File1Table"]->rows.at(0).at(2), jet4::Value{std::string("Jan Peeters")});
    EXPECT_EQ(tables["File4BTable"]->rows.size(), 2u);
    EXPECT_EQ(tables["DefaultAntennaVerticalDiagramEntryTable"]->rows.size(), 404u);
    // Nothing but the export is left in the owner's folder.
    EXPECT_EQ(QDir(ownerDir).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("ON4XX_Vlm.mdb")});
}

struct FailureCase {
    const char *name;
    std::function<void(ExportFile &)> arrange;
    TExportFileResult::Failure failure;
    const char *message; // part of the message for the user
};

// An Access file with a FileTable only: the statements on File1Table fail.
QByteArray TemplateWithoutFile1Table()
{
    jet4::Table table;
    table.name = "FileTable";
    table.columns = {{"FilePK", jet4::ColumnType::Long}, {"FileLanguage", jet4::ColumnType::Text}};
    table.primaryKey = 0;
    table.rows = {{std::int64_t{61}, std::string("N")}};
    jet4::Database database;
    database.tables.push_back(table);
    jet4::Bytes bytes;
    EXPECT_TRUE(jet4::WriteDatabase(database, bytes).ok());
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<int>(bytes.size()));
}

void PrintTo(const FailureCase &c, std::ostream *out)
{
    *out << c.name;
}

class ExportFileFailure : public ExportFile, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(ExportFileFailure, KeepsTheEarlierFileAndSaysWhy)
{
    const FailureCase &c = GetParam();
    const QByteArray earlier("an earlier export, byte for byte");
    Put(target(), earlier);
    c.arrange(*this);

    const TExportFileResult result = CreateExportDatabase(*dm, target());
    EXPECT_EQ(result.failure, c.failure);
    EXPECT_TRUE(ExportFailureMessage(result).contains(QString::fromUtf8(c.message)))
        << ExportFailureMessage(result).toStdString();
    EXPECT_EQ(Content(target()), earlier);
    EXPECT_EQ(QDir(ownerDir).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("ON4XX_Vlm.mdb")});
    EXPECT_FALSE(dm->conExport->isConnected());
}

const FailureCase FailureCases[] = {
    {"template_missing", [](ExportFile &t) { QFile::remove(t.templateFile()); },
     TExportFileResult::Failure::TemplateMissing,
     "The export database couldn't be created !\nLook and see if the file \"Empty_Vlm.mdb\" "
     "realy exists..."},
    {"template_not_an_access_file",
     [](ExportFile &t) { ExportFile::Put(t.templateFile(), "SQLite format 3, or anything else"); },
     TExportFileResult::Failure::TemplateUnreadable,
     "The file \"Empty_Vlm.mdb\" is not a usable Access database: not an Access database"},
    {"template_without_a_table_of_the_export",
     [](ExportFile &t) { ExportFile::Put(t.templateFile(), TemplateWithoutFile1Table()); },
     TExportFileResult::Failure::Statement, "File1Table"},
    {"write_fails_half_way",
     [](ExportFile &) {
         SetAccessFileWriter([](QIODevice &device, const QByteArray &bytes) -> qint64 {
             device.write(bytes.left(bytes.size() / 2));
             return -1;
         });
     },
     TExportFileResult::Failure::Writing, "An earlier export database was left as it was."},
};

INSTANTIATE_TEST_SUITE_P(Cases, ExportFileFailure, ::testing::ValuesIn(FailureCases),
                         [](const auto &info) { return std::string(info.param.name); });

// A process killed while writing the file (power cut, kill -9) leaves the earlier
// file and no stray temporary file in the owner's folder.
TEST_F(ExportFile, KilledWhileWritingKeepsTheEarlierFile)
{
    const QByteArray earlier("an earlier export, before the kill");
    Put(target(), earlier);
    SetAccessFileWriter([](QIODevice &device, const QByteArray &bytes) -> qint64 {
        device.write(bytes.left(bytes.size() / 2));
        static_cast<QFileDevice &>(device).flush();
        raise(SIGKILL);
        return -1;
    });
    EXPECT_EXIT(CreateExportDatabase(*dm, target()), ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(Content(target()), earlier);
    EXPECT_EQ(QDir(ownerDir).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("ON4XX_Vlm.mdb")});
}

// A real full disk: a small tmpfs holds the owner's folder. Mounting needs root.
TEST_F(ExportFile, FullDiskKeepsTheEarlierFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root; run as root to see a full disk";
    const QString disk = filePath(QStringLiteral("small-disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    if (mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    struct Unmount {
        QString disk;
        ~Unmount() { umount2(QFile::encodeName(disk).constData(), MNT_DETACH); }
    } unmount{disk};
    ownerDir = disk;
    const QByteArray earlier("an earlier export on a nearly full disk");
    Put(target(), earlier);
    // Fill the disk to within 20 KiB; the export needs some 200 KiB.
    QFile filler(disk + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'f');
    while (QStorageInfo(disk).bytesAvailable() > 20 * 1024 && filler.write(block) == block.size())
        filler.flush();
    filler.close();

    const TExportFileResult result = CreateExportDatabase(*dm, target());
    EXPECT_EQ(result.failure, TExportFileResult::Failure::Writing);
    EXPECT_TRUE(ExportFailureMessage(result).contains(target()))
        << ExportFailureMessage(result).toStdString();
    EXPECT_EQ(Content(target()), earlier);
    QStringList left = QDir(disk).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{QStringLiteral("ON4XX_Vlm.mdb"), QStringLiteral("filler")}));
}

} // namespace
