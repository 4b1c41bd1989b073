// Packing a personal directory of 200 files (50 MB, half text-like and compressible,
// half random and incompressible) with our archive writer, and with `zip -r` on the
// same folder in the same run for comparison. Both write deflate at the default level.

#include "archive/archivewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{
constexpr int FileCount = 200;
constexpr qint64 TotalBytes = 50LL * 1000 * 1000;

QByteArray compressibleBytes(qint64 size, QRandomGenerator &random)
{
    static const char *const words[] = {"antenna ", "field ", "strength ", "V/m ",
                                        "dipole ",  "site ",  "1,25 ",     "height ",
                                        "gain ",    "dBi ",   "ON4XYZ ",   "\n"};
    QByteArray data;
    data.reserve(size);
    while (data.size() < size)
        data += words[random.bounded(int(std::size(words)))];
    data.truncate(size);
    return data;
}

QByteArray randomBytes(qint64 size, QRandomGenerator &random)
{
    QByteArray data(size, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32 *>(data.data()), size / 4);
    return data;
}

// The folder is made once per run and removed at exit.
const QTemporaryDir &workspace()
{
    static QTemporaryDir dir;
    static bool filled = false;
    if (!filled) {
        filled = true;
        QRandomGenerator random(20240305);
        const QString folder = dir.filePath(QStringLiteral("ON4XYZ"));
        QDir().mkpath(folder + QStringLiteral("/plans"));
        const qint64 each = TotalBytes / FileCount;
        for (int i = 0; i < FileCount; ++i) {
            const bool text = i % 2 == 0;
            const QString name = (i % 10 == 9 ? QStringLiteral("plans/") : QString()) +
                                 QStringLiteral("file%1.%2")
                                     .arg(i, 3, 10, QLatin1Char('0'))
                                     .arg(text ? QStringLiteral("txt") : QStringLiteral("bin"));
            QFile file(folder + QLatin1Char('/') + name);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", qPrintable(file.fileName()));
            file.write(text ? compressibleBytes(each, random) : randomBytes(each, random));
        }
    }
    return dir;
}

QString sourceFolder()
{
    return workspace().filePath(QStringLiteral("ON4XYZ"));
}

void reportSize(benchmark::State &state, const QString &archive)
{
    state.counters["archive_MB"] = double(QFileInfo(archive).size()) / 1e6;
    state.counters["input_MB/s"] = benchmark::Counter(
        double(TotalBytes) * double(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void BM_ArchiveWriter(benchmark::State &state)
{
    const QString folder = sourceFolder();
    const QString archive = workspace().filePath(QStringLiteral("ours.zip"));
    for (auto _ : state) {
        ArchiveWriter writer;
        writer.setBaseFolder(folder);
        bool ok = writer.create(archive);
        for (const QFileInfo &entry :
             QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name))
            ok = ok && writer.addFile(entry.absoluteFilePath());
        if (!(ok && writer.finish()))
            state.SkipWithError(qPrintable(writer.errorText()));
    }
    reportSize(state, archive);
}
BENCHMARK(BM_ArchiveWriter)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ZipCommand(benchmark::State &state)
{
    if (QStandardPaths::findExecutable(QStringLiteral("zip")).isEmpty()) {
        state.SkipWithError("zip is not installed");
        return;
    }
    const QString archive = workspace().filePath(QStringLiteral("zip-r.zip"));
    for (auto _ : state) {
        QFile::remove(archive); // zip -r would otherwise update the earlier archive
        QProcess zip;
        zip.setWorkingDirectory(sourceFolder());
        zip.start(QStringLiteral("zip"),
                  {QStringLiteral("-r"), QStringLiteral("-q"), archive, QStringLiteral(".")});
        if (!zip.waitForFinished(600000) || zip.exitCode() != 0)
            state.SkipWithError("zip -r failed");
    }
    reportSize(state, archive);
}
BENCHMARK(BM_ZipCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    workspace();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
