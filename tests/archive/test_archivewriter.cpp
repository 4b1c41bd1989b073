#include "archive/archivewriter.h"
#include "zipinspection.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace
{
const QDateTime FixedTime(QDate(2023, 6, 15), QTime(10, 20, 30));

class ArchiveWriterTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        folder = m_root.filePath(QStringLiteral("ON4XYZ"));
        ASSERT_TRUE(QDir().mkpath(folder));
    }

    QString path(const QString &relative) const { return folder + QLatin1Char('/') + relative; }

    void writeFile(const QString &absolute, const QByteArray &data,
                   QFileDevice::Permissions permissions = QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner |
                                                          QFileDevice::ReadGroup |
                                                          QFileDevice::ReadOther)
    {
        QDir().mkpath(QFileInfo(absolute).absolutePath());
        QFile file(absolute);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << absolute.toStdString();
        ASSERT_EQ(file.write(data), data.size());
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(file.setFileTime(FixedTime, QFileDevice::FileModificationTime));
        file.close();
        ASSERT_TRUE(QFile::setPermissions(absolute, permissions));
    }

    // The entry list as the submission page builds it: every entry of the
    // folder, navigation entries included.
    QStringList listing() const
    {
        QStringList entries;
        const QStringList names =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Name);
        for (const QString &name : names)
            entries << path(name);
        return entries;
    }

    bool pack(const QString &archive, const QStringList &entries, const QString &comment,
              QString *error = nullptr)
    {
        ArchiveWriter writer;
        writer.setBaseFolder(folder);
        bool ok = writer.create(archive) && writer.setComment(comment);
        for (const QString &e : entries)
            ok = ok && writer.addFile(e);
        ok = ok && writer.finish();
        if (error)
            *error = writer.errorText();
        return ok;
    }

    QTemporaryDir m_root;
    QString folder;
};

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray data(size, Qt::Uninitialized);
    for (char &c : data)
        c = static_cast<char>(generator.bounded(256));
    return data;
}

QStringList sortedKeys(const InspectedArchive &archive)
{
    QStringList keys = archive.entries.keys();
    keys.sort();
    return keys;
}
} // namespace

TEST_F(ArchiveWriterTest, StoresEveryEntryWithContentTimeAndPermissions)
{
    const auto exec = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                      QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                      QFileDevice::ExeOther;
    const auto privateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    struct Fixture {
        QString name;
        QByteArray data;
        QFileDevice::Permissions permissions;
        quint32 mode;
    } files[] = {
        {QStringLiteral("ON4XYZ_VLM_Letter_Bipt.pdf"),
         QByteArray("%PDF-1.4 letter ").repeated(5000), privateFile, 0100600},
        {QStringLiteral("plot.jpg"), randomBytes(100000, 7), exec, 0100755},
        {QStringLiteral("empty.txt"), QByteArray(), privateFile, 0100600},
        {QStringLiteral(".hidden"), QByteArray("hidden"), privateFile, 0100600},
        {QStringLiteral("Façade plan.txt"), QByteArray("non-ASCII name"), privateFile, 0100600},
        {QStringLiteral("plans/site plan.txt"), QByteArray("site"), privateFile, 0100600},
        {QStringLiteral("plans/deep/notes.txt"), QByteArray("deep"), privateFile, 0100600},
    };
    for (const Fixture &f : files)
        writeFile(path(f.name), f.data, f.permissions);
    const QString archive = path(QStringLiteral("ON4XYZ_Vlm.zip"));

    QString error;
    ASSERT_TRUE(
        pack(archive, listing(), QStringLiteral("VLM Files for ON4XYZ (15/06/2023 10:20)"), &error))
        << error.toStdString();

    QString unzipOutput;
    EXPECT_TRUE(UnzipTestPasses(archive, &unzipOutput)) << unzipOutput.toStdString();
    const InspectedArchive read = InspectArchive(archive);
    ASSERT_TRUE(read.readable) << read.error.toStdString();
    EXPECT_EQ(read.comment, QStringLiteral("VLM Files for ON4XYZ (15/06/2023 10:20)"));

    QStringList expectedNames = {QStringLiteral("plans/"), QStringLiteral("plans/deep/")};
    for (const Fixture &f : files)
        expectedNames << f.name;
    expectedNames.sort();
    EXPECT_EQ(sortedKeys(read), expectedNames);

    for (const Fixture &f : files) {
        SCOPED_TRACE(f.name.toStdString());
        const InspectedEntry entry = read.entries.value(f.name);
        EXPECT_EQ(entry.sha256, FileSha256(path(f.name)));
        EXPECT_EQ(entry.compressType, 8);
        EXPECT_EQ(entry.unixMode, f.mode);
        EXPECT_EQ(entry.modified, FixedTime);
    }
    EXPECT_TRUE(read.entries.value(QStringLiteral("plans/")).folder);
    EXPECT_EQ(read.entries.value(QStringLiteral("plans/")).unixMode & 0170000, 0040000u);
}

TEST_F(ArchiveWriterTest, RepeatedRunReplacesOldArchiveWithoutContainingIt)
{
    const QString archive = path(QStringLiteral("ON4XYZ_Vlm.zip"));
    writeFile(path(QStringLiteral("first.txt")), "first");
    ASSERT_TRUE(pack(archive, listing(), QStringLiteral("run 1")));

    QFile::remove(path(QStringLiteral("first.txt")));
    writeFile(path(QStringLiteral("second.txt")), "second");
    ASSERT_TRUE(listing().contains(archive)) << "the old archive must be in the entry list";
    QString error;
    ASSERT_TRUE(pack(archive, listing(), QStringLiteral("run 2"), &error)) << error.toStdString();

    const InspectedArchive read = InspectArchive(archive);
    ASSERT_TRUE(read.readable) << read.error.toStdString();
    EXPECT_EQ(read.comment, QStringLiteral("run 2"));
    EXPECT_EQ(sortedKeys(read), QStringList{QStringLiteral("second.txt")});
    // No temporary file of the writer is left beside the archive.
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral("ON4XYZ_Vlm.zip"), QStringLiteral("second.txt")}));
}

TEST_F(ArchiveWriterTest, ArchiveInsideASubfolderIsNotPackedIntoItself)
{
    writeFile(path(QStringLiteral("out/report.pdf")), "report");
    const QString archive = path(QStringLiteral("out/pack.zip"));
    ASSERT_TRUE(pack(archive, listing(), QString()));
    ASSERT_TRUE(pack(archive, listing(), QString()));
    const InspectedArchive read = InspectArchive(archive);
    ASSERT_TRUE(read.readable) << read.error.toStdString();
    EXPECT_EQ(sortedKeys(read),
              (QStringList{QStringLiteral("out/"), QStringLiteral("out/report.pdf")}));
}

TEST_F(ArchiveWriterTest, EntriesOutsideTheBaseFolderKeepTheirBareName)
{
    const QString outside = m_root.filePath(QStringLiteral("elsewhere/map.png"));
    writeFile(outside, "map");
    writeFile(path(QStringLiteral("inside.txt")), "inside");
    const QString archive = path(QStringLiteral("ON4XYZ_Vlm.zip"));
    ASSERT_TRUE(pack(
        archive, {outside, path(QStringLiteral("inside.txt")), path(QStringLiteral("inside.txt"))},
        QString()));
    const InspectedArchive read = InspectArchive(archive);
    ASSERT_TRUE(read.readable) << read.error.toStdString();
    EXPECT_EQ(sortedKeys(read),
              (QStringList{QStringLiteral("inside.txt"), QStringLiteral("map.png")}));
}

TEST_F(ArchiveWriterTest, EmptyFolderGivesAnEmptyArchiveWithItsComment)
{
    const QString archive = path(QStringLiteral("ON4XYZ_Vlm.zip"));
    QString error;
    ASSERT_TRUE(
        pack(archive, listing(), QStringLiteral("VLM Files for ON4XYZ (01/02/2024 03:04)"), &error))
        << error.toStdString();
    const InspectedArchive read = InspectArchive(archive);
    ASSERT_TRUE(read.readable) << read.error.toStdString();
    EXPECT_EQ(read.comment, QStringLiteral("VLM Files for ON4XYZ (01/02/2024 03:04)"));
    EXPECT_TRUE(read.entries.isEmpty());
}

// Every failure is reported, and neither a half-written archive nor a temporary
// file is left: an archive of an earlier run stays exactly as it was.
struct FailureCase {
    const char *name;
    // Prepares the folder and returns the entries to add; may set the archive path.
    std::function<QStringList(ArchiveWriterTest &, QString &archive)> prepare;
    // Runs between the last addFile() and finish().
    std::function<void(ArchiveWriterTest &)> beforeFinish;
};

class ArchiveWriterFailureTest : public ArchiveWriterTest,
                                 public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(ArchiveWriterFailureTest, ReportsErrorAndKeepsEarlierArchive)
{
    QString archive = path(QStringLiteral("ON4XYZ_Vlm.zip"));
    writeFile(path(QStringLiteral("kept.txt")), "kept");
    ASSERT_TRUE(pack(archive, listing(), QStringLiteral("earlier")));
    const QByteArray earlier = FileSha256(archive);

    const QStringList entries = GetParam().prepare(*this, archive);
    const QStringList before =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    ArchiveWriter writer;
    writer.setBaseFolder(folder);
    bool ok = writer.create(archive) && writer.setComment(QStringLiteral("new"));
    for (const QString &e : entries)
        ok = writer.addFile(e) && ok;
    if (GetParam().beforeFinish)
        GetParam().beforeFinish(*this);
    ok = writer.finish() && ok;

    EXPECT_FALSE(ok);
    EXPECT_FALSE(writer.errorText().isEmpty());
    EXPECT_EQ(FileSha256(path(QStringLiteral("ON4XYZ_Vlm.zip"))), earlier);
    QStringList after =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (GetParam().beforeFinish)
        after << QStringLiteral("vanishing.txt");
    after.sort();
    QStringList expected = before;
    expected.sort();
    EXPECT_EQ(after, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ArchiveWriterFailureTest,
    ::testing::Values(FailureCase{"ArchiveFolderMissing",
                                  [](ArchiveWriterTest &t, QString &archive) {
                                      archive = t.path(QStringLiteral("missing/ON4XYZ_Vlm.zip"));
                                      return QStringList{t.path(QStringLiteral("kept.txt"))};
                                  },
                                  {}},
                      FailureCase{"EntryDoesNotExist",
                                  [](ArchiveWriterTest &t, QString &) {
                                      return QStringList{t.path(QStringLiteral("kept.txt")),
                                                         t.path(QStringLiteral("gone.txt"))};
                                  },
                                  {}},
                      FailureCase{"TwoEntriesWithTheSameName",
                                  [](ArchiveWriterTest &t, QString &) {
                                      const QString other = QFileInfo(t.folder).absolutePath() +
                                                            QStringLiteral("/kept.txt");
                                      t.writeFile(other, "other");
                                      return QStringList{t.path(QStringLiteral("kept.txt")), other};
                                  },
                                  {}},
                      FailureCase{"FileRemovedBeforeFinish",
                                  [](ArchiveWriterTest &t, QString &) {
                                      t.writeFile(t.path(QStringLiteral("vanishing.txt")),
                                                  "soon gone");
                                      return QStringList{t.path(QStringLiteral("kept.txt")),
                                                         t.path(QStringLiteral("vanishing.txt"))};
                                  },
                                  [](ArchiveWriterTest &t) {
                                      QFile::remove(t.path(QStringLiteral("vanishing.txt")));
                                  }}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

TEST(ArchiveWriterUse, CallsWithoutCreateFail)
{
    ArchiveWriter writer;
    EXPECT_FALSE(writer.setComment(QStringLiteral("x")));
    EXPECT_FALSE(writer.addFile(QStringLiteral("/tmp")));
    EXPECT_FALSE(writer.finish());
    EXPECT_FALSE(writer.errorText().isEmpty());
}
