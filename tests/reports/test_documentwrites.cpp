// Every document writer on a disk that runs out of space: the call fails and
// says why, the earlier file stays byte for byte, no temporary file is left.
#include "archive/archivepackage.h"
#include "fulldisk.h"
#include "reportengine/pdfcanvas.h"
#include "reportengine/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace
{

const QByteArray Earlier = QByteArrayLiteral("%PDF-1.4 the earlier, good document\n");

struct Writer {
    const char *name;
    const char *fileName;
    // Writes the document into folder; false and error on failure.
    std::function<bool(const QString &folder, QString *error)> write;
};

bool WritePdf(const QString &folder, QString *error)
{
    PdfCanvas canvas;
    canvas.printLeft(20.0, QStringLiteral("RF EXPOSURE REPORT - ANTENNA Loc01-Ant01"));
    return canvas.save(folder + QStringLiteral("/ON9ZZ_VLM_Loc01-Ant01.pdf"), error);
}

bool WriteRtf(const QString &folder, QString *error)
{
    RtfDocument document;
    document.lines = QStringList(200, QStringLiteral("RF EXPOSURE REPORT - ANTENNA Loc01-Ant01"));
    return WriteRtfFile(document, folder + QStringLiteral("/ON9ZZ_VLM_Loc01-Ant01.rtf"), error);
}

bool WriteArchive(const QString &folder, QString *error)
{
    QFile content(folder + QStringLiteral("/ON9ZZ_VLM_Letter_Bipt.pdf"));
    if (!content.exists()) {
        content.open(QIODevice::WriteOnly);
        content.write(QByteArray(20000, 'l'));
        content.close();
    }
    const OwnerArchiveResult result =
        CreateOwnerArchive(folder, QStringLiteral("ON9ZZ"), {content.fileName()});
    if (error)
        *error = result.error;
    return result.ok;
}

bool WriteEmptyArchive(const QString &folder, QString *error)
{
    const OwnerArchiveResult result = CreateOwnerArchive(folder, QStringLiteral("ON9ZZ"), {});
    if (error)
        *error = result.error;
    return result.ok;
}

const Writer Writers[] = {
    {"antenna report PDF", "ON9ZZ_VLM_Loc01-Ant01.pdf", WritePdf},
    {"RTF document", "ON9ZZ_VLM_Loc01-Ant01.rtf", WriteRtf},
    {"ZIP archive", "ON9ZZ_Vlm.zip", WriteArchive},
    {"empty ZIP archive", "ON9ZZ_Vlm.zip", WriteEmptyArchive},
};

void PutEarlier(const QString &path)
{
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    ASSERT_EQ(out.write(Earlier), Earlier.size());
}

QStringList TemporaryFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.??????")}, QDir::Files | QDir::Hidden);
}

TEST(DocumentWrites, AnInjectedWriteFailureKeepsTheEarlierFile)
{
    for (const Writer &w : Writers) {
        SCOPED_TRACE(w.name);
        QTemporaryDir dir;
        const QString target = dir.filePath(QString::fromLatin1(w.fileName));
        ASSERT_TRUE(w.write(dir.path(), nullptr)) << "a first run succeeds";
        PutEarlier(target);
        for (qint64 budget : {qint64(0), qint64(10)}) {
            QString error;
            {
                TScopedWriteFailure full(budget);
                EXPECT_FALSE(w.write(dir.path(), &error)) << budget;
            }
            EXPECT_TRUE(error.contains(QStringLiteral("No space left on device")))
                << error.toStdString();
            EXPECT_EQ(FileBytes(target), Earlier) << budget;
            EXPECT_TRUE(TemporaryFiles(dir.path()).isEmpty());
        }
    }
}

TEST(DocumentWrites, AFullDiskKeepsTheEarlierFile)
{
    for (const Writer &w : Writers) {
        SCOPED_TRACE(w.name);
        TSmallDisk disk(512 * 1024);
        if (!disk.mounted())
            GTEST_SKIP() << disk.reason().toStdString();
        const QString target = disk.path() + QLatin1Char('/') + QString::fromLatin1(w.fileName);
        ASSERT_TRUE(w.write(disk.path(), nullptr));
        PutEarlier(target);
        ASSERT_TRUE(disk.fill());
        QString error;
        EXPECT_FALSE(w.write(disk.path(), &error));
        EXPECT_TRUE(error.contains(QStringLiteral("No space left on device")))
            << error.toStdString();
        EXPECT_EQ(FileBytes(target), Earlier);
        EXPECT_TRUE(TemporaryFiles(disk.path()).isEmpty());
    }
}

} // namespace
