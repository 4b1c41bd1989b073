#include "store/recordops_site.h"

#include "base/currentselection.h"
#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/recordstatement.h"

#include <utility>

namespace
{

QString coordinatesAndTexts(qint32 ownerId, const TSiteValues &v, bool main)
{
    return QStringLiteral("VALUES ( %1, %2, %3, %4, %5, %6, %7, %8, %9, ")
               .arg(ownerId)
               .arg(v.lambertX)
               .arg(v.lambertY)
               .arg(v.eastDegrees)
               .arg(v.eastMinutes)
               .arg(v.eastSeconds)
               .arg(v.northDegrees)
               .arg(v.northMinutes)
               .arg(v.northSeconds) +
           JetText(v.name) + QStringLiteral(", ") + JetText(v.remark) + QStringLiteral(", ") +
           JetYesNo(main) + QStringLiteral(")");
}

// Takes the main flag from every site of the owner.
TOpStatus clearMainFlag(TdtmMain &dm, qint32 ownerId)
{
    return ExecStatement(dm.qryTemp1,
                         {QStringLiteral("UPDATE tblTower"), QStringLiteral("SET TowerMain =0"),
                          QStringLiteral("WHERE IdOwner =%1 AND TowerMain =True").arg(ownerId)});
}

TOpResult<qint32> insertSiteSteps(TdtmMain &dm, qint32 ownerId, bool main,
                                  const TSiteValues &values)
{
    const TOpResult<int> count = CountSites(dm, ownerId);
    if (!count.ok())
        return TOpResult<qint32>::failure(count.error);
    if (count.value == 0) {
        main = true;
    } else if (main) {
        const TOpStatus cleared = clearMainFlag(dm, ownerId);
        if (!cleared.ok())
            return TOpResult<qint32>::failure(cleared);
    }
    const TOpStatus status = ExecStatement(
        dm.qryTemp1,
        {QStringLiteral("INSERT INTO tblTower( IdOwner, TowerCoordLamX, TowerCoordLamY, "
                        "TowerCoordWgsEd, TowerCoordWgsEm, TowerCoordWgsEs, TowerCoordWgsNd, "
                        "TowerCoordWgsNm, TowerCoordWgsNs, TowerName, TowerRem, TowerMain)"),
         coordinatesAndTexts(ownerId, values, main)});
    if (!status.ok())
        return TOpResult<qint32>::failure(status);
    return ReadNewKey(dm.qryTemp1, QStringLiteral("tblTower"), QStringLiteral("IdTower"));
}

TOpStatus updateSiteSteps(TdtmMain &dm, qint32 ownerId, qint32 siteId, bool main,
                          const TSiteValues &v)
{
    if (main) {
        const TOpStatus cleared = clearMainFlag(dm, ownerId);
        if (!cleared.ok())
            return cleared;
    } else {
        const TOpStatus status = OpenStatement(
            dm.qryTemp1, {QStringLiteral("SELECT TowerMain"), QStringLiteral("FROM tblTower"),
                          QStringLiteral("WHERE IdOwner =%1 AND IdTower <>%2 AND TowerMain =True")
                              .arg(ownerId)
                              .arg(siteId)});
        if (!status.ok())
            return status;
        if (dm.qryTemp1->isEmpty())
            main = true; // no other main site: this one stays main
    }
    return ExecStatement(
        dm.qryTemp1,
        {QStringLiteral("UPDATE tblTower"),
         QStringLiteral("SET TowerCoordLamX =%1, TowerCoordLamY =%2, TowerCoordWgsEd =%3, "
                        "TowerCoordWgsEm =%4, TowerCoordWgsEs =%5, TowerCoordWgsNd =%6, "
                        "TowerCoordWgsNm =%7, TowerCoordWgsNs =%8,")
             .arg(v.lambertX)
             .arg(v.lambertY)
             .arg(v.eastDegrees)
             .arg(v.eastMinutes)
             .arg(v.eastSeconds)
             .arg(v.northDegrees)
             .arg(v.northMinutes)
             .arg(v.northSeconds),
         QStringLiteral("TowerName = ") + JetText(v.name) + QStringLiteral(", TowerRem = ") +
             JetText(v.remark) + QStringLiteral(", TowerMain = ") + JetYesNo(main),
         QStringLiteral("WHERE IdTower =%1").arg(siteId)});
}

} // namespace

TOpResult<int> CountSites(TdtmMain &dm, qint32 ownerId)
{
    return CountRows(dm.qryTemp1,
                     {QStringLiteral("SELECT IdTower"), QStringLiteral("FROM tblTower"),
                      QStringLiteral("WHERE IdOwner =%1").arg(ownerId)});
}

TOpResult<TSiteList> ListSites(TdtmMain &dm, qint32 ownerId)
{
    const TOpStatus status = OpenStatement(
        dm.qryTemp1, {QStringLiteral("SELECT IdTower, TowerName"), QStringLiteral("FROM tblTower"),
                      QStringLiteral("WHERE IdOwner =%1").arg(ownerId)});
    if (!status.ok())
        return TOpResult<TSiteList>::failure(status);
    TSiteList list;
    for (dm.qryTemp1->first(); !dm.qryTemp1->eof(); dm.qryTemp1->next()) {
        list.names.append(FieldText(dm.qryTemp1, QStringLiteral("TowerName")));
        list.ids.append(FieldInt(dm.qryTemp1, QStringLiteral("IdTower")));
    }
    return TOpResult<TSiteList>::success(std::move(list));
}

TOpStatus OpenSites(TdtmMain &dm, qint32 ownerId, bool newRecord)
{
    const qint32 owner = newRecord ? 0 : ownerId;
    return OpenStatement(
        dm.qryTower,
        {QStringLiteral("SELECT IdTower, IdOwner, TowerName, TowerCoordLamX, TowerCoordLamY,"),
         QStringLiteral("(TowerCoordWgsEd & \"° \" & TowerCoordWgsEm & \"' \" & TowerCoordWgsEs & "
                        "\"\"\"\") AS 'DegE',"),
         QStringLiteral("(TowerCoordWgsNd & \"° \" & TowerCoordWgsNm & \"' \" & TowerCoordWgsNs & "
                        "\"\"\"\") AS 'DegN',"),
         QStringLiteral("TowerRem, TowerCoordWgsEd, TowerCoordWgsEm, TowerCoordWgsEs, "
                        "TowerCoordWgsNd, TowerCoordWgsNm, TowerCoordWgsNs, TowerMain"),
         QStringLiteral("FROM tblTower"), QStringLiteral("WHERE tblTower.IdOwner =%1").arg(owner),
         QStringLiteral("ORDER BY tblTower.TowerName ASC")});
}

TOpResult<qint32> InsertSite(TdtmMain &dm, qint32 ownerId, bool main, const TSiteValues &values)
{
    TOpResult<qint32> result;
    const TOpStatus status = InTransaction(dm.conMainDb, [&]() {
        result = insertSiteSteps(dm, ownerId, main, values);
        return TOpStatus{result.error};
    });
    return status.ok() ? result : TOpResult<qint32>::failure(status);
}

TOpStatus UpdateSite(TdtmMain &dm, qint32 ownerId, qint32 siteId, bool main,
                     const TSiteValues &values)
{
    return InTransaction(dm.conMainDb,
                         [&]() { return updateSiteSteps(dm, ownerId, siteId, main, values); });
}
TOpStatus EnsureMainSite(TdtmMain &dm, qint32 ownerId)
{
    TOpStatus status = OpenStatement(
        dm.qryTemp1, {QStringLiteral("SELECT IdTower, TowerName"), QStringLiteral("FROM tblTower"),
                      QStringLiteral("WHERE IdOwner =%1 AND TowerMain =True").arg(ownerId)});
    if (!status.ok())
        return status;
    if (dm.qryTemp1->isEmpty()) {
        status = OpenStatement(dm.qryTemp1, {QStringLiteral("SELECT IdTower, TowerMain"),
                                             QStringLiteral("FROM tblTower"),
                                             QStringLiteral("WHERE IdOwner =%1").arg(ownerId)});
        if (!status.ok())
            return status;
        if (!dm.qryTemp1->isEmpty()) {
            // Edit and post of the first row: its main flag is set by its key.
            const qint32 first = FieldInt(dm.qryTemp1, QStringLiteral("IdTower"));
            status = ExecStatement(dm.qryTemp1, {QStringLiteral("UPDATE tblTower"),
                                                 QStringLiteral("SET TowerMain =1"),
                                                 QStringLiteral("WHERE IdTower =%1").arg(first)});
            if (!status.ok())
                return status;
        }
    }
    TCurrentSelection &cs = CurrentSelection();
    cs.siteId = 0;
    cs.setSiteName(QString());
    cs.setPlacementRef(QString());
    return TOpStatus{};
}

TOpResult<QString> NextSiteName(TdtmMain &dm, qint32 ownerId)
{
    const TOpStatus status = OpenStatement(
        dm.qryTemp1, {QStringLiteral("SELECT TOP 1 TowerName"), QStringLiteral("FROM tblTower"),
                      QStringLiteral("WHERE IdOwner =%1").arg(ownerId),
                      QStringLiteral("ORDER BY TowerName DESC")});
    if (!status.ok())
        return TOpResult<QString>::failure(status);
    std::optional<QString> greatest;
    if (!dm.qryTemp1->isEmpty())
        greatest = FieldText(dm.qryTemp1, QStringLiteral("TowerName"));
    const TNameProposal proposal = ProposeSiteName(greatest);
    if (!proposal.ok())
        return TOpResult<QString>::failure(proposal.error);
    return TOpResult<QString>::success(proposal.name);
}

TOpStatus DeleteSite(TdtmMain &dm, qint32 siteId)
{
    const QString where = QStringLiteral("WHERE tblTower.IdTower =%1").arg(siteId);
    const QStringList statements[] = {
        {QStringLiteral("DELETE tblCriticalPnt.*"),
         QStringLiteral("FROM tblTower INNER JOIN tblCriticalPnt ON tblTower.IdTower = "
                        "tblCriticalPnt.IdTower"),
         where},
        {QStringLiteral("DELETE tblStation.*"),
         QStringLiteral("FROM tblTower INNER JOIN tblStation ON tblTower.IdTower = "
                        "tblStation.IdTower"),
         where},
        {QStringLiteral("DELETE tblTower.*"), QStringLiteral("FROM tblTower"), where},
    };
    // All three or none: a failure half-way must not leave a site without its
    // points, or placements without their site.
    return InTransaction(dm.conMainDb, [&]() {
        for (const QStringList &lines : statements) {
            const TOpStatus status = ExecStatement(dm.qryTemp1, lines);
            if (!status.ok())
                return status;
        }
        return TOpStatus{};
    });
}
