#include "reports/exportsource.h"

#include "store/datamodule.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <QVariant>

namespace
{

QString Text(const TJetDataset *dataset, const QString &field)
{
    return FieldText(dataset, field);
}

double Number(const TJetDataset *dataset, const QString &field)
{
    return dataset->fieldValue(field).toDouble();
}

bool YesNo(const TJetDataset *dataset, const QString &field)
{
    return dataset->fieldValue(field).toInt() != 0;
}

} // namespace

TOpResult<int> CountExportAntennas(TdtmMain &dm, qint32 ownerId)
{
    return CountRows(dm.qryTemp1,
                     {QStringLiteral("SELECT IdStation FROM (tblOwner INNER JOIN tblTower ON "
                                     "tblTower.IdOwner = tblOwner.IdOwner) INNER JOIN tblStation "
                                     "ON tblStation.IdTower = tblTower.IdTower"),
                      QStringLiteral("WHERE tblOwner.IdOwner =%1").arg(ownerId)});
}

TOpResult<TExportOwnerRow> ReadExportOwner(TdtmMain &dm, qint32 ownerId, const QString &letter)
{
    TJetDataset *q = dm.qryTemp1;
    const TOpStatus status = OpenStatement(
        q, {QStringLiteral("SELECT OwnerFname, OwnerName, OwnerCall, OwnerOtherOps, OwnerAddress1, "
                           "OwnerAddress2, OwnerPhHome, qryZipCity1.Zip AS Zip1, "
                           "qryZipCity1.CityName%1 AS City1, qryZipCity2.Zip AS Zip2, "
                           "qryZipCity2.CityName%1 AS City2, OwnerPhHome, OwnerPhOff, OwnerPhMob, "
                           "OwnerPhFax, OwnerEmail, OwnerNote, OwnerSiteAddr1, OwnerSiteAddr2, "
                           "OwnerSiteBiptRef, OwnerSiteNote, OwnerSiteShared, OwnerSiteSharedBy, "
                           "OwnerSiteAlreadyAnt, OwnerSiteClubStn, OwnerSiteClubCall, IdTower, "
                           "TowerCoordLamX, TowerCoordLamY")
                .arg(letter),
            QStringLiteral("FROM ((tblOwner INNER JOIN qryZipCity1 ON qryZipCity1.IdZipCity1 = "
                           "tblOwner.IdZipCity1) INNER JOIN qryZipCity2 ON qryZipCity2.IdZipCity2 "
                           "= tblOwner.IdZipCity2) INNER JOIN tblTower ON tblTower.IdOwner = "
                           "tblOwner.IdOwner"),
            QStringLiteral("WHERE tblOwner.IdOwner =%1 AND TowerMain =True").arg(ownerId)});
    if (!status.ok())
        return TOpResult<TExportOwnerRow>::failure(status);
    TExportOwnerRow row;
    if (q->isEmpty())
        return TOpResult<TExportOwnerRow>::success(row);
    q->first();
    row.firstName = Text(q, Schema::OwnerFname);
    row.name = Text(q, Schema::OwnerName);
    row.call = Text(q, Schema::OwnerCall);
    row.otherOps = Text(q, Schema::OwnerOtherOps);
    row.address1 = Text(q, Schema::OwnerAddress1);
    row.address2 = Text(q, Schema::OwnerAddress2);
    row.zip1 = Text(q, QStringLiteral("Zip1"));
    row.city1 = Text(q, QStringLiteral("City1"));
    row.zip2 = Text(q, QStringLiteral("Zip2"));
    row.city2 = Text(q, QStringLiteral("City2"));
    row.phoneHome = Text(q, Schema::OwnerPhHome);
    row.phoneOffice = Text(q, Schema::OwnerPhOff);
    row.phoneMobile = Text(q, Schema::OwnerPhMob);
    row.email = Text(q, Schema::OwnerEmail);
    row.note = Text(q, Schema::OwnerNote);
    row.siteAddress1 = Text(q, Schema::OwnerSiteAddr1);
    row.siteAddress2 = Text(q, Schema::OwnerSiteAddr2);
    row.siteBiptRef = Text(q, Schema::OwnerSiteBiptRef);
    row.siteNote = Text(q, Schema::OwnerSiteNote);
    row.siteSharedBy = Text(q, Schema::OwnerSiteSharedBy);
    row.clubCall = Text(q, Schema::OwnerSiteClubCall);
    row.siteShared = YesNo(q, Schema::OwnerSiteShared);
    row.siteHasAntennas = YesNo(q, Schema::OwnerSiteAlreadyAnt);
    row.clubStation = YesNo(q, Schema::OwnerSiteClubStn);
    row.lambertX = Number(q, Schema::TowerCoordLamX);
    row.lambertY = Number(q, Schema::TowerCoordLamY);
    return TOpResult<TExportOwnerRow>::success(row);
}

TOpResult<QVector<TExportAntennaRow>> ReadExportAntennas(TdtmMain &dm, qint32 ownerId,
                                                         const QString &letter)
{
    using Result = TOpResult<QVector<TExportAntennaRow>>;
    TJetDataset *q = dm.qryTemp1;
    const TOpStatus status = OpenStatement(
        q, {QStringLiteral("SELECT AntFamilyName%1 AS AntFamily, AntType, AntMakeDescr, "
                           "AntennasTilt, AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, "
                           "AntV70, AntV80, AntV90, AntennasHeight, AntennasPol, AntennasRef, "
                           "AntennasEirp, BandFreqCenter, AntennasAntPwr")
                .arg(letter),
            QStringLiteral("FROM ((((tblStation INNER JOIN tblListAnt ON tblListAnt.IdListAnt = "
                           "tblStation.IdListAnt) INNER JOIN tblListAntPol ON "
                           "tblListAntPol.IdListAntPol = tblListAnt.IdListAntPol) INNER JOIN "
                           "tblBandFreqSt ON tblBandFreqSt.IDBandFreqSt = tblStation.IDBandFreqSt) "
                           "INNER JOIN tblListAntFamily ON tblListAntFamily.IdAntFamily = "
                           "tblListAnt.IdAntFamily) INNER JOIN tblTower ON tblTower.IdTower = "
                           "tblStation.IdTower"),
            QStringLiteral("WHERE tblTower.IdOwner =%1").arg(ownerId),
            QStringLiteral("ORDER BY tblStation.IdStation")});
    if (!status.ok())
        return Result::failure(status);
    QVector<TExportAntennaRow> rows;
    rows.reserve(q->recordCount());
    for (q->first(); !q->eof(); q->next()) {
        TExportAntennaRow row;
        row.family = Text(q, QStringLiteral("AntFamily"));
        row.type = Text(q, Schema::AntType);
        row.makeDescription = Text(q, Schema::AntMakeDescr);
        row.polarization = Text(q, Schema::AntennasPol);
        row.reference = Text(q, Schema::AntennasRef);
        row.tilt = Number(q, Schema::AntennasTilt);
        row.height = Number(q, Schema::AntennasHeight);
        row.eirp = Number(q, Schema::AntennasEirp);
        row.frequency = Number(q, Schema::BandFreqCenter);
        row.antennaPower = Number(q, Schema::AntennasAntPwr);
        for (std::size_t i = 0; i < row.pattern.size(); ++i)
            row.pattern[i] = Number(q, Schema::PatternColumns[i]);
        rows << row;
    }
    return Result::success(rows);
}
