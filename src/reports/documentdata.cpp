#include "reports/documentdata.h"

#include "exposure/evaluation.h"
#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/postcodes.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <QRegularExpression>

namespace
{
double fieldDouble(const TJetDataset *dataset, const QString &field)
{
    bool ok = false;
    const double value = dataset->fieldValue(field).toDouble(&ok);
    return ok ? value : 0.0;
}

bool fieldBool(const TJetDataset *dataset, const QString &field)
{
    const QVariant value = dataset->fieldValue(field);
    if (value.isNull())
        return false;
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || (text.toInt() != 0);
    }
    return value.toInt() != 0;
}
} // namespace

QStringList TDocumentTemplate::lines() const
{
    if (text.isEmpty())
        return {};
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    return text.split(lineEnd);
}

QString CityColumn(int languageId)
{
    return TownColumnForLanguage(languageId);
}

TOpResult<TOwnerLetterData> LoadOwnerLetterData(TdtmMain &dm, qint32 ownerId, int languageId)
{
    TJetDataset *q = dm.qryTemp1;
    const TOpStatus status = OpenStatement(
        q, {QStringLiteral("SELECT IdOwner, Zip, %1 AS City, OwnerFname, OwnerName, OwnerCall, "
                           "OwnerOtherOps, OwnerAddress1, OwnerAddress2, OwnerPhHome, OwnerPhOff, "
                           "OwnerPhMob, OwnerPhFax, OwnerEmail, OwnerUserDir")
                .arg(CityColumn(languageId)),
            QStringLiteral("FROM tblOwner INNER JOIN qryZipCity1 ON qryZipCity1.IdZipCity1 = "
                           "tblOwner.IdZipCity1"),
            QStringLiteral("WHERE IdOwner =%1").arg(ownerId)});
    if (!status.ok())
        return TOpResult<TOwnerLetterData>::failure(status);
    TOwnerLetterData d;
    if (q->isEmpty())
        return TOpResult<TOwnerLetterData>::success(d);
    d.found = true;
    d.ownerId = FieldInt(q, Schema::IdOwner);
    d.zip = FieldText(q, Schema::Zip);
    d.city = FieldText(q, QStringLiteral("City"));
    d.firstName = FieldText(q, Schema::OwnerFname);
    d.name = FieldText(q, Schema::OwnerName);
    d.call = FieldText(q, Schema::OwnerCall);
    d.otherOps = FieldText(q, Schema::OwnerOtherOps);
    d.address1 = FieldText(q, Schema::OwnerAddress1);
    d.address2 = FieldText(q, Schema::OwnerAddress2);
    d.phoneHome = FieldText(q, Schema::OwnerPhHome);
    d.phoneOffice = FieldText(q, Schema::OwnerPhOff);
    d.phoneMobile = FieldText(q, Schema::OwnerPhMob);
    d.fax = FieldText(q, Schema::OwnerPhFax);
    d.email = FieldText(q, Schema::OwnerEmail);
    d.userDir = FieldText(q, Schema::OwnerUserDir);
    return TOpResult<TOwnerLetterData>::success(d);
}

TOpResult<TDocumentTemplate> LoadDocument(TdtmMain &dm, int languageId, const QString &name)
{
    TJetDataset *q = dm.qryTemp2;
    const TOpStatus status = OpenStatement(
        q, {QStringLiteral("SELECT DocsDesc, DocsText"), QStringLiteral("FROM tblDocs"),
            QStringLiteral("WHERE DocsName LIKE %1 AND IdLanguage =%2")
                .arg(JetText(name))
                .arg(languageId)});
    if (!status.ok())
        return TOpResult<TDocumentTemplate>::failure(status);
    TDocumentTemplate doc;
    if (!q->isEmpty()) {
        doc.description = FieldText(q, Schema::DocsDesc);
        doc.text = FieldText(q, Schema::DocsText);
    }
    return TOpResult<TDocumentTemplate>::success(doc);
}

TOpResult<TRegulatorAddress> LoadRegulatorAddress(TdtmMain &dm, int languageId)
{
    TJetDataset *q = dm.qryTemp3;
    const TOpStatus status = OpenStatement(
        q,
        {QStringLiteral("SELECT BiptName, BiptService, BiptAddr2, BiptAddr1, BiptZip, BiptCity"),
         QStringLiteral("FROM tblBipt"), QStringLiteral("WHERE IdLanguage =%1").arg(languageId)});
    if (!status.ok())
        return TOpResult<TRegulatorAddress>::failure(status);
    TRegulatorAddress a;
    if (!q->isEmpty()) {
        a.name = FieldText(q, Schema::BiptName);
        a.service = FieldText(q, Schema::BiptService);
        a.address2 = FieldText(q, Schema::BiptAddr2);
        a.address1 = FieldText(q, Schema::BiptAddr1);
        a.zip = FieldText(q, Schema::BiptZip);
        a.city = FieldText(q, Schema::BiptCity);
    }
    return TOpResult<TRegulatorAddress>::success(a);
}

TOpResult<QVector<TReportRow>> LoadReportData(TdtmMain &dm, qint32 ownerId,
                                              const QString &placementRef, int languageId)
{
    TJetDataset *q = dm.qryRvReport;
    const TOpStatus status = OpenStatement(
        q,
        {QStringLiteral(
             "SELECT tblOwner.IdOwner, Zip, %1 AS City, OwnerFname, OwnerName, "
             "OwnerCall, OwnerAddress1, OwnerAddress2, OwnerPhHome, OwnerEmail, "
             "TowerName, TowerCoordLamX, TowerCoordLamY, TowerMain, AntennasRef, "
             "AntType, AntMakeDescr, AntennasHeight, AntennasTilt, BandFreqCenter, "
             "AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, "
             "AntV90, AntennasAntPwr, AntennasEirp, AntExtra, CriticalPntDist, "
             "CriticalPntHeight, CriticalPntRef, SpaceAttLow, SpaceAttHigh, StationTxPower")
             .arg(CityColumn(languageId)),
         QStringLiteral("FROM ((((((tblOwner INNER JOIN tblTower ON tblTower.IdOwner = "
                        "tblOwner.IdOwner) INNER JOIN tblStation ON tblStation.IdTower = "
                        "tblTower.IdTower) INNER JOIN tblCriticalPnt ON tblCriticalPnt.IdTower = "
                        "tblTower.IdTower) INNER JOIN qryZipCity1 ON qryZipCity1.IdZipCity1 = "
                        "tblOwner.IdZipCity1) INNER JOIN tblListAnt ON tblListAnt.IdListAnt = "
                        "tblStation.IdListAnt) INNER JOIN tblBandFreqSt ON "
                        "tblBandFreqSt.IDBandFreqSt = tblStation.IDBandFreqSt) INNER JOIN "
                        "tblSpaceAtt ON tblSpaceAtt.IDSpaceAtt = tblCriticalPnt.IDSpaceAtt"),
         QStringLiteral("WHERE tblOwner.IdOwner =%1 AND AntennasRef LIKE %2")
             .arg(ownerId)
             .arg(JetText(placementRef))});
    if (!status.ok())
        return TOpResult<QVector<TReportRow>>::failure(status);
    QVector<TReportRow> rows;
    rows.reserve(q->recordCount());
    for (q->first(); !q->eof(); q->next()) {
        TReportRow r;
        r.ownerId = FieldInt(q, Schema::IdOwner);
        r.zip = FieldText(q, Schema::Zip);
        r.city = FieldText(q, QStringLiteral("City"));
        r.firstName = FieldText(q, Schema::OwnerFname);
        r.name = FieldText(q, Schema::OwnerName);
        r.call = FieldText(q, Schema::OwnerCall);
        r.address1 = FieldText(q, Schema::OwnerAddress1);
        r.address2 = FieldText(q, Schema::OwnerAddress2);
        r.phoneHome = FieldText(q, Schema::OwnerPhHome);
        r.email = FieldText(q, Schema::OwnerEmail);
        r.towerName = FieldText(q, Schema::TowerName);
        r.lamX = fieldDouble(q, Schema::TowerCoordLamX);
        r.lamY = fieldDouble(q, Schema::TowerCoordLamY);
        r.towerMain = fieldBool(q, Schema::TowerMain);
        r.antennaRef = FieldText(q, Schema::AntennasRef);
        r.antType = FieldText(q, Schema::AntType);
        r.antMake = FieldText(q, Schema::AntMakeDescr);
        r.antHeight = fieldDouble(q, Schema::AntennasHeight);
        r.antTilt = fieldDouble(q, Schema::AntennasTilt);
        r.frequency = fieldDouble(q, Schema::BandFreqCenter);
        for (int k = 0; k < 10; ++k)
            r.pattern[k] = fieldDouble(q, Schema::PatternColumns[k]);
        r.antPower = fieldDouble(q, Schema::AntennasAntPwr);
        r.hasPower = PowerChainSaved(q->fieldValue(Schema::AntennasAntPwr),
                                     fieldDouble(q, Schema::StationTxPower));
        r.eirp = fieldDouble(q, Schema::AntennasEirp);
        r.antExtra = FieldText(q, Schema::AntExtra);
        r.pointDistance = fieldDouble(q, Schema::CriticalPntDist);
        r.pointHeight = fieldDouble(q, Schema::CriticalPntHeight);
        r.pointRef = FieldText(q, Schema::CriticalPntRef);
        r.spaceAttLow = fieldDouble(q, Schema::SpaceAttLow);
        r.spaceAttHigh = fieldDouble(q, Schema::SpaceAttHigh);
        rows.append(r);
    }
    return TOpResult<QVector<TReportRow>>::success(rows);
}
