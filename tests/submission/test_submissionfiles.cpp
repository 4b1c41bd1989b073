#include "reports/submissionfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

void WriteFile(const QString &path, qint64 bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(bytes));
}

TEST(SubmissionFiles, GroupedByteCounts)
{
    const struct {
        qint64 bytes;
        const char *expected;
    } cases[] = {{0, "0"},
                 {999, "999"},
                 {1000, "1.000"},
                 {1234567, "1.234.567"},
                 {12345678901LL, "12.345.678.901"}};
    for (const auto &c : cases)
        EXPECT_EQ(GroupedByteCount(c.bytes).toStdString(), c.expected);
}

TEST(SubmissionFiles, OwnerFileNamesStayInTheDirectory)
{
    EXPECT_EQ(OwnerFileName(QStringLiteral("ON4XX"), QStringLiteral("_Vlm.mdb")),
              QStringLiteral("ON4XX_Vlm.mdb"));
    EXPECT_EQ(OwnerFileName(QStringLiteral("ON4XX/P"), QStringLiteral("_VLM_Letter_Bipt.pdf")),
              QStringLiteral("ON4XX_P_VLM_Letter_Bipt.pdf"));
    EXPECT_EQ(OwnerFileName(QStringLiteral("..\\X"), QStringLiteral("_Vlm.mdb")),
              QStringLiteral(".._X_Vlm.mdb"));
}

TEST(SubmissionFiles, EntryListHasNoNavigationEntries)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteFile(dir.filePath(QStringLiteral("b.pdf")), 10);
    WriteFile(dir.filePath(QStringLiteral(".hidden")), 1);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Plans")));

    const QStringList entries = DirectoryEntryList(dir.path());
    QStringList names;
    for (const QString &path : entries) {
        EXPECT_TRUE(path.startsWith(dir.path() + QLatin1Char('/'))) << path.toStdString();
        names << QFileInfo(path).fileName();
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral(".hidden"), QStringLiteral("b.pdf"),
                                  QStringLiteral("Plans")}));
    EXPECT_TRUE(DirectoryEntryList(QString()).isEmpty());
    EXPECT_TRUE(DirectoryEntryList(dir.filePath(QStringLiteral("missing"))).isEmpty());
}

TEST(SubmissionFiles, RowsOfTheFileList)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteFile(dir.filePath(QStringLiteral("big.qzv")), 1234567);
    WriteFile(dir.filePath(QStringLiteral("README")), 3);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Plans")));

    bool readable = false;
    const QVector<TFileListRow> rows = FileListRows(dir.path(), &readable);
    ASSERT_TRUE(readable);
    ASSERT_EQ(rows.size(), 4);

    const TFileListRow &parent = rows[0];
    EXPECT_TRUE(parent.parentRow);
    EXPECT_EQ(parent.name, QLatin1Char('[') +
                               QFileInfo(QFileInfo(dir.path()).absolutePath()).fileName() +
                               QLatin1Char(']'));
    EXPECT_EQ(parent.marker, QStringLiteral("D"));

    for (const TFileListRow &row : rows.mid(1)) {
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_FALSE(row.parentRow);
        EXPECT_FALSE(row.type.isEmpty() && row.name != QLatin1String("README"));
        EXPECT_FALSE(row.modified.isEmpty());
        EXPECT_TRUE(row.modified.contains(QLatin1Char(':')));
        EXPECT_EQ(row.attributes, QStringLiteral("N"));
        EXPECT_EQ(row.path, dir.filePath(row.name));
        if (row.name == QLatin1String("big.qzv")) {
            EXPECT_EQ(row.size, QStringLiteral("1.234.567"));
            EXPECT_EQ(row.marker, QStringLiteral("F"));
            EXPECT_EQ(row.type, QStringLiteral("QZV File")); // unknown to the system
        } else if (row.name == QLatin1String("Plans")) {
            EXPECT_TRUE(row.size.isEmpty());
            EXPECT_EQ(row.marker, QStringLiteral("D"));
        } else {
            EXPECT_EQ(row.size, QStringLiteral("3"));
        }
    }

    QFile::setPermissions(dir.filePath(QStringLiteral("README")), QFile::ReadOwner);
    const TFileListRow readOnly = FileListRow(QFileInfo(dir.filePath(QStringLiteral("README"))));
    if (!QFileInfo(dir.filePath(QStringLiteral("README"))).isWritable()) { // root writes anyway
        EXPECT_EQ(readOnly.attributes, QStringLiteral("R"));
    }

    EXPECT_TRUE(FileListRows(dir.filePath(QStringLiteral("missing")), &readable).isEmpty());
    EXPECT_FALSE(readable);
}

TEST(SubmissionFiles, TypeNameFallbacks)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteFile(dir.filePath(QStringLiteral("plan.zzq")), 1);
    WriteFile(dir.filePath(QStringLiteral("noextension")), 1);
    EXPECT_EQ(FileTypeName(QFileInfo(dir.filePath(QStringLiteral("plan.zzq")))),
              QStringLiteral("ZZQ File"));
    EXPECT_TRUE(FileTypeName(QFileInfo(dir.filePath(QStringLiteral("noextension")))).isEmpty());
    EXPECT_FALSE(FileTypeName(QFileInfo(dir.path())).isEmpty());
}

} // namespace
