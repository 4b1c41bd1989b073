// Speed of the regulator export of an owner with 100 placements (202 vertical
// diagram rows each: 20 200 rows), written as an Access 2000 file. Staging is
// the template read into SQLite plus every statement of the export; writing is
// the staging tables written as Jet 4 under a temporary name and renamed; the
// whole export is both, as the submission page runs it. Goal: under 0,5 s.
#include "base/currentselection.h"
#include "base/programfolder.h"
#include "reports/exportdatabase.h"
#include "reports/exportstaging.h"
#include "store/datamodule.h"
#include "store/jetconnectionstring.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace
{

constexpr int PlacementCount = 100;

// A fresh main database with the benchmark owner (IdOwner 1) and a program
// folder holding the export template.
class Station
{
public:
    Station()
    {
        const QString file = m_dir.filePath(QStringLiteral("VlmMain.mdb"));
        QFile::copy(QStringLiteral(VLM_TEST_DB), file);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QFile::copy(QStringLiteral(VLM_TEST_EXPORT_DB),
                    m_dir.filePath(QStringLiteral("Empty_Vlm.mdb")));
        SetProgramFolder(m_dir.path());
        dm = std::make_unique<TdtmMain>();
        dm->conMainDb->setConnectionString(MainConnectionString(m_dir.path() + QLatin1Char('/')));
        if (!dm->conMainDb->open())
            qFatal("cannot open the benchmark database");
        QSqlDatabase db = dm->conMainDb->database();
        db.transaction();
        QSqlQuery q(db);
        q.exec(QStringLiteral("INSERT INTO tblOwner (OwnerCall, OwnerFname, OwnerName, IdZipCity1, "
                              "IdZipCity2, IdLanguage, OwnerNote) VALUES ('ON4BEN', 'Zoë', "
                              "'Bøgaert', 248, 3, 2, 'First line\nSecond line')"));
        const int owner = q.lastInsertId().toInt();
        q.exec(
            QStringLiteral("INSERT INTO tblTower (IdOwner, TowerName, TowerMain, TowerCoordLamX, "
                           "TowerCoordLamY) VALUES (%1, 'Location_01', 1, 150000, 170000)")
                .arg(owner));
        const int site = q.lastInsertId().toInt();
        const int bands[] = {11, 12, 13, 14, 15, 17, 18, 19, 20};
        for (int i = 0; i < PlacementCount; ++i) {
            q.exec(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, "
                                  "AntennasRef, AntennasHeight, AntennasTilt, AntennasPol, "
                                  "AntennasAntPwr, AntennasEirp) VALUES (%1, %2, %3, "
                                  "'Loc01-Ant%4', %5, %6, 'H', %7, %8)")
                       .arg(site)
                       .arg(1 + i % 51)
                       .arg(bands[i % 9])
                       .arg(i + 1, 3, 10, QLatin1Char('0'))
                       .arg(5 + i % 20)
                       .arg(i % 7)
                       .arg(10 + i % 15)
                       .arg(12.5 + i % 9));
        }
        db.commit();
        CurrentSelection().ownerId = owner;
        CurrentSelection().languageId = 2;
    }
    ~Station() { SetProgramFolder(QString()); }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // The template read into a new staging database and the export's statements run on it.
    void stage(const QString &staging)
    {
        QFile::remove(staging);
        if (!LoadAccessIntoStaging(path(QStringLiteral("Empty_Vlm.mdb")), staging).ok() ||
            !dm->ConnectExportDatabase(staging))
            qFatal("cannot stage the export");
        const TOpStatus built = BuildExportDatabase(*dm);
        dm->conExport->close();
        if (!built.ok())
            qFatal("the export failed: %s", qPrintable(built.error));
    }

    std::unique_ptr<TdtmMain> dm;

private:
    QTemporaryDir m_dir;
};

Station &station()
{
    static Station s;
    return s;
}

void BM_ExportStaging(benchmark::State &state)
{
    const QString staging = station().path(QStringLiteral("staging.sqlite"));
    for (auto _ : state)
        station().stage(staging);
}
BENCHMARK(BM_ExportStaging)->Unit(benchmark::kMillisecond);

void BM_ExportWritingJet4(benchmark::State &state)
{
    const QString staging = station().path(QStringLiteral("written.sqlite"));
    station().stage(staging);
    const QString target = station().path(QStringLiteral("ON4BEN_Vlm.mdb"));
    for (auto _ : state) {
        if (!WriteStagingAsAccess(staging, target).ok())
            qFatal("cannot write the Access file");
    }
    state.counters["bytes"] = double(QFile(target).size());
}
BENCHMARK(BM_ExportWritingJet4)->Unit(benchmark::kMillisecond);

void BM_ExportWhole(benchmark::State &state)
{
    const QString target = station().path(QStringLiteral("ON4BEN_Vlm.mdb"));
    for (auto _ : state) {
        const TExportFileResult result = CreateExportDatabase(*station().dm, target);
        if (!result.ok())
            qFatal("the export failed: %s", qPrintable(ExportFailureMessage(result)));
    }
}
BENCHMARK(BM_ExportWhole)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
