// Speed of the evaluation of critical test points: one owner whose site has
// 100 points and 100 placements, so 10 000 entries, each one list line and one
// field strength. EvaluatePoints includes the list query; EvaluateRows is the
// evaluation of rows already read.
#include "exposure/evaluation.h"
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

constexpr int PointCount = 100;
constexpr int PlacementCount = 100;

// A fresh database with the benchmark station; the owner is IdOwner 1.
class Station
{
public:
    Station()
    {
        const QString file = m_dir.filePath(QStringLiteral("VlmMain.mdb"));
        QFile::copy(QStringLiteral(VLM_TEST_DB), file);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        dm = std::make_unique<TdtmMain>();
        dm->conMainDb->setConnectionString(MainConnectionString(m_dir.path() + QLatin1Char('/')));
        if (!dm->conMainDb->open())
            qFatal("cannot open the benchmark database");
        QSqlDatabase db = dm->conMainDb->database();
        db.transaction();
        QSqlQuery q(db);
        q.exec(QStringLiteral("INSERT INTO tblOwner (OwnerCall) VALUES ('ON4BEN')"));
        owner = q.lastInsertId().toInt();
        q.exec(QStringLiteral("INSERT INTO tblTower (IdOwner, TowerName) VALUES (%1, "
                              "'Location_01')")
                   .arg(owner));
        const int site = q.lastInsertId().toInt();
        // Antennas 1 … 51 of the catalogue, some of them dishes; bands 6 m … 1,2 cm.
        const int bands[] = {11, 12, 13, 14, 15, 17, 18, 19, 20};
        for (int i = 0; i < PlacementCount; ++i) {
            q.exec(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, "
                                  "AntennasRef, AntennasHeight, AntennasTilt, AntennasAntPwr) "
                                  "VALUES (%1, %2, %3, 'Loc01-Ant%4', %5, %6, %7)")
                       .arg(site)
                       .arg(1 + i % 51)
                       .arg(bands[i % 9])
                       .arg(i + 1, 3, 10, QLatin1Char('0'))
                       .arg(5 + i % 20)
                       .arg(i % 7)
                       .arg(10 + i % 15));
        }
        for (int i = 0; i < PointCount; ++i) {
            q.exec(QStringLiteral("INSERT INTO tblCriticalPnt (IdTower, IdSpaceAtt, "
                                  "CriticalPntRef, CriticalPntDist, CriticalPntHeight, "
                                  "CriticalPntRem) VALUES (%1, %2, 'CTP_%3', %4, %5, "
                                  "'Window of the neighbour''s bedroom')")
                       .arg(site)
                       .arg(1 + i % 6)
                       .arg(i + 1, 2, 10, QLatin1Char('0'))
                       .arg(1 + i * 2.5)
                       .arg(i % 12));
        }
        db.commit();
    }

    std::unique_ptr<TdtmMain> dm;
    qint32 owner = 0;

private:
    QTemporaryDir m_dir;
};

Station &BenchStation()
{
    static int argc = 1;
    static char name[] = "bench_evaluatepoints";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static Station station;
    return station;
}

void EvaluatePointsWithQuery(benchmark::State &state)
{
    Station &s = BenchStation();
    for (auto _ : state) {
        const TOpResult<TEvaluationOutcome> r = EvaluatePoints(*s.dm, s.owner);
        if (r.value.evaluation.count() != PointCount * PlacementCount)
            state.SkipWithError("wrong number of entries");
        benchmark::DoNotOptimize(r.value.summary);
    }
    state.SetItemsProcessed(state.iterations() * PointCount * PlacementCount);
}
BENCHMARK(EvaluatePointsWithQuery)->Unit(benchmark::kMillisecond);

void EvaluateRowsOnly(benchmark::State &state)
{
    Station &s = BenchStation();
    EvaluatePoints(*s.dm, s.owner);
    for (auto _ : state) {
        const TEvaluation ev = EvaluateRows(*s.dm->qryCtpList);
        benchmark::DoNotOptimize(ev.fieldStrength.data());
    }
    state.SetItemsProcessed(state.iterations() * PointCount * PlacementCount);
}
BENCHMARK(EvaluateRowsOnly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
