#include "archive/archivepackage.h"
#include "base/clock.h"
#include "zipinspection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
struct ClockGuard {
    explicit ClockGuard(const QDateTime &moment) { SetClockOverride(moment); }
    ~ClockGuard() { SetClockOverride(QDateTime()); }
};

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QStringList listing(const QString &folder)
{
    QStringList entries;
    for (const QString &name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden, QDir::Name))
        entries << QDir(folder).filePath(name);
    return entries;
}
} // namespace

TEST(ArchivePackage, CommentAndFileName)
{
    const struct {
        const char *why;
        QString call;
        QDateTime moment;
        QString comment;
        QString fileName;
    } cases[] = {
        {"plain call, zero-padded date", QStringLiteral("ON4XYZ"),
         QDateTime(QDate(2024, 3, 5), QTime(9, 7, 59)),
         QStringLiteral("VLM Files for ON4XYZ (05/03/2024 09:07)"),
         QStringLiteral("ON4XYZ_Vlm.zip")},
        {"afternoon hour in 24-hour form", QStringLiteral("OO4AB"),
         QDateTime(QDate(2023, 12, 31), QTime(23, 59)),
         QStringLiteral("VLM Files for OO4AB (31/12/2023 23:59)"), QStringLiteral("OO4AB_Vlm.zip")},
        {"portable suffix stays in the folder", QStringLiteral("ON4XYZ/P"),
         QDateTime(QDate(2024, 1, 1), QTime(0, 0)),
         QStringLiteral("VLM Files for ON4XYZ/P (01/01/2024 00:00)"),
         QStringLiteral("ON4XYZ_P_Vlm.zip")},
        {"backslash and parent path", QStringLiteral("..\\X"),
         QDateTime(QDate(2024, 1, 1), QTime(0, 0)),
         QStringLiteral("VLM Files for ..\\X (01/01/2024 00:00)"), QStringLiteral(".._X_Vlm.zip")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ArchiveComment(c.call, c.moment), c.comment);
        EXPECT_EQ(ArchiveFileName(c.call), c.fileName);
    }
}

TEST(ArchivePackage, PacksThePersonalDirectoryWithDatedComment)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.filePath(QStringLiteral("ON4XYZ"));
    writeFile(folder + QStringLiteral("/ON4XYZ_Vlm.mdb"), "database");
    writeFile(folder + QStringLiteral("/ON4XYZ_VLM_Letter_Bipt.pdf"), "letter");
    ClockGuard clock(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 12)));

    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run == 0 ? "first run" : "second run, old archive in the list");
        const OwnerArchiveResult result =
            CreateOwnerArchive(folder, QStringLiteral("ON4XYZ"), listing(folder));
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_EQ(result.baseFolder, folder + QLatin1Char('/'));
        EXPECT_EQ(result.archivePath, folder + QStringLiteral("/ON4XYZ_Vlm.zip"));
        const InspectedArchive read = InspectArchive(result.archivePath);
        ASSERT_TRUE(read.readable) << read.error.toStdString();
        EXPECT_EQ(read.comment, QStringLiteral("VLM Files for ON4XYZ (05/03/2024 14:07)"));
        QStringList names = read.entries.keys();
        names.sort();
        EXPECT_EQ(names, (QStringList{QStringLiteral("ON4XYZ_VLM_Letter_Bipt.pdf"),
                                      QStringLiteral("ON4XYZ_Vlm.mdb")}));
    }
}

TEST(ArchivePackage, RefusesWithoutPersonalDirectoryOrWithMissingOne)
{
    QTemporaryDir root;
    const struct {
        const char *why;
        QString directory;
    } cases[] = {
        {"no personal directory would mean the file system root", QString()},
        {"blank personal directory", QStringLiteral("  ")},
        {"personal directory that does not exist", root.filePath(QStringLiteral("missing"))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        const OwnerArchiveResult result =
            CreateOwnerArchive(c.directory, QStringLiteral("ON4XYZ"), {});
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.isEmpty());
    }
}
