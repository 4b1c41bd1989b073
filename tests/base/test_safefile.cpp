// Checked, atomic writes: a failure anywhere keeps the earlier file whole and
// leaves no temporary file behind; temporary names are recognised and removed.
#include "base/safefile.h"
#include "fulldisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

const QByteArray Earlier = QByteArrayLiteral("the earlier, good document\n");

class SafeFile : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    void writeEarlier(const QString &file) const
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(Earlier), Earlier.size());
    }

    QTemporaryDir dir;
};

TEST_F(SafeFile, WritesAndReplaces)
{
    const QString target = path(QStringLiteral("ON9ZZ_Vlm.zip"));
    writeEarlier(target);
    QString error;
    ASSERT_TRUE(WriteFileSafely(target, QByteArrayLiteral("new"), &error)) << error.toStdString();
    EXPECT_EQ(FileBytes(target), QByteArrayLiteral("new"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("ON9ZZ_Vlm.zip")});
}

TEST_F(SafeFile, AFailedWriteKeepsTheEarlierFile)
{
    const QByteArray big(100000, 'n');
    const struct {
        const char *why;
        qint64 budget;
    } cases[] = {
        {"nothing fits", 0},
        {"the disk fills in the middle", 4096},
        {"the last byte does not fit", big.size() - 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        const QString target = path(QStringLiteral("ON9ZZ_VLM_Loc01-Ant01.pdf"));
        writeEarlier(target);
        QString error;
        {
            TScopedWriteFailure full(c.budget);
            EXPECT_FALSE(WriteFileSafely(target, big, &error));
        }
        EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot write ") + target))
            << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("No space left on device")))
            << error.toStdString();
        EXPECT_EQ(FileBytes(target), Earlier);
        EXPECT_EQ(files(), QStringList{QStringLiteral("ON9ZZ_VLM_Loc01-Ant01.pdf")})
            << "no temporary file";
    }
}

TEST_F(SafeFile, StreamingWriteThatIsNotCommittedChangesNothing)
{
    const QString target = path(QStringLiteral("Velmor-2.0.tar.gz"));
    writeEarlier(target);
    {
        TSafeFile file(target);
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write(QByteArrayLiteral("half of it")));
    } // destroyed without commit, as when a download breaks off
    EXPECT_EQ(FileBytes(target), Earlier);
    EXPECT_EQ(files(), QStringList{QStringLiteral("Velmor-2.0.tar.gz")});

    TSafeFile file(target);
    EXPECT_FALSE(file.commit()) << "nothing opened";
    EXPECT_FALSE(file.errorText().isEmpty());
}

TEST_F(SafeFile, UnwritableTargetsAreRefused)
{
    QString error;
    EXPECT_FALSE(WriteFileSafely(QString(), Earlier, &error));
    EXPECT_FALSE(WriteFileSafely(dir.path(), Earlier, &error)) << "a folder";
    EXPECT_TRUE(error.contains(dir.path())) << error.toStdString();
    EXPECT_FALSE(WriteFileSafely(path(QStringLiteral("missing/ON9ZZ_Vlm.zip")), Earlier, &error));
}

// The real thing: a tmpfs that has no byte left.
TEST(SafeFileOnAFullDisk, KeepsTheEarlierFileAndSaysWhy)
{
    TSmallDisk disk(256 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    const QString target = disk.path() + QStringLiteral("/ON9ZZ_VLM_Letter_Bipt.pdf");
    ASSERT_TRUE(WriteFileSafely(target, Earlier, nullptr));
    ASSERT_TRUE(disk.fill());
    for (const QByteArray &bytes : {QByteArray(10, 'n'), QByteArray(200000, 'n')}) {
        QString error;
        EXPECT_FALSE(WriteFileSafely(target, bytes, &error)) << bytes.size();
        EXPECT_TRUE(error.contains(QStringLiteral("No space left on device")))
            << error.toStdString();
        EXPECT_EQ(FileBytes(target), Earlier);
    }
    EXPECT_TRUE(QDir(disk.path()).entryList({QStringLiteral("*.pdf.*")}, QDir::Files).isEmpty())
        << "no temporary file";
}

TEST(TemporaryFileNames, AreThoseOfInterruptedWrites)
{
    const struct {
        const char *name;
        bool temporary;
    } cases[] = {
        {"ON9ZZ_Vlm.zip.aB12cD", true}, // archive writer
        {"ON9ZZ_VLM_Loc01-Ant01.pdf.Xy98Zq", true},
        {"ON9ZZ_Vlm.mdb.000000", true},
        {"ON9ZZ_vlm_Loc01-Ant01_diag.JPG.abcdef", true},
        {"ON9ZZ_Vlm.zip", false},
        {"ON9ZZ_notes.backup", false}, // a user's own file
        {"ON9ZZ_Vlm.zip.abc", false},
        {"ON9ZZ_Vlm.zip.abcdefg", false},
        {"ON9ZZ_Vlm.zip.ab-12c", false},
        {".zip.abcdef", false},
        {"photo.png.abcdef", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsTemporaryFileName(QString::fromLatin1(c.name)), c.temporary) << c.name;
}

TEST_F(SafeFile, RemovesTemporaryFilesOfTheFolderOnly)
{
    for (const char *name :
         {"ON9ZZ_Vlm.zip", "ON9ZZ_Vlm.zip.aB12cD", "ON9ZZ_VLM_Letter_Bipt.pdf.Qw3rTy"})
        writeEarlier(path(QString::fromLatin1(name)));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    writeEarlier(path(QStringLiteral("sub/ON9ZZ_Vlm.zip.aB12cD")));
    EXPECT_EQ(RemoveTemporaryFiles(dir.path()), 2);
    EXPECT_EQ(files(), QStringList{QStringLiteral("ON9ZZ_Vlm.zip")});
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("sub/ON9ZZ_Vlm.zip.aB12cD"))));
    EXPECT_EQ(RemoveTemporaryFiles(QString()), 0);
}

} // namespace
