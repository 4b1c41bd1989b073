#include "reports/documentdata.h"

#include <QRegularExpression>

#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/postcodes.h"
#include "store/recordstatement.h"

namespace {
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
        return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
               (text.toInt() != 0);
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
    d.ownerId = FieldInt(q, QStringLiteral("IdOwner"));
    d.zip = FieldText(q, QStringLiteral("Zip"));
    d.city = FieldText(q, QStringLiteral("City"));
    d.firstName = FieldText(q, QStringLiteral("OwnerFname"));
    d.name = FieldText(q, QStringLiteral("OwnerName"));
    d.call = FieldText(q, QStringLiteral("OwnerCall"));
    d.otherOps = FieldText(q, QStringLiteral("OwnerOtherOps"));
    d.address1 = FieldText(q, QStringLiteral("OwnerAddress1"));
    d.address2 = FieldText(q, QStringLiteral("OwnerAddress2"));
    d.phoneHome = FieldText(q, QStringLiteral("OwnerPhHome"));
    d.phoneOffice = FieldText(q, QStringLiteral("OwnerPhOff"));
    d.phoneMobile = FieldText(q, QStringLiteral("OwnerPhMob"));
    d.fax = FieldText(q, QStringLiteral("OwnerPhFax"));
    d.email = FieldText(q, QStringLiteral("OwnerEmail"));
    d.userDir = FieldText(q, QStringLiteral("OwnerUserDir"));
    return TOpResult<TOwnerLetterData>::success(d);
}

TOpResult<TDocumentTemplate> LoadDocument(TdtmMain &dm, int languageId, const QString &name)
{
    TJetDataset *q = dm.qryTemp2;
    const TOpStatus status =
        OpenStatement(q, {QStringLiteral("SELECT DocsDesc, DocsText"), QStringLiteral("FROM tblDocs"),
                          QStringLiteral("WHERE DocsName LIKE %1 AND IdLanguage =%2")
                              .arg(JetText(name))
                              .arg(languageId)});
    if (!status.ok())
        return TOpResult<TDocumentTemplate>::failure(status);
    TDocumentTemplate doc;
    if (!q->isEmpty()) {
        doc.description = FieldText(q, QStringLiteral("DocsDesc"));
        doc.text = FieldText(q, QStringLiteral("DocsText"));
    }
    return TOpResult<TDocumentTemplate>::success(doc);
}

TOpResult<TRegulatorAddress> LoadRegulatorAddress(TdtmMain &dm, int languageId)
{
    TJetDataset *q = dm.qryTemp3;
    const TOpStatus status = OpenStatement(
        q, {QStringLiteral("SELECT BiptName, BiptService, BiptAddr2, BiptAddr1, BiptZip, BiptCity"),
            QStringLiteral("FROM tblBipt"), QStringLiteral("WHERE IdLanguage =%1").arg(languageId)});
    if (!status.ok())
        return TOpResult<TRegulatorAddress>::failure(status);
    TRegulatorAddress a;
    if (!q->isEmpty()) {
        a.name = FieldText(q, QStringLiteral("BiptName"));
        a.service = FieldText(q, QStringLiteral("BiptService"));
        a.address2 = FieldText(q, QStringLiteral("BiptAddr2"));
        a.address1 = FieldText(q, QStringLiteral("BiptAddr1"));
        a.zip = FieldText(q, QStringLiteral("BiptZip"));
        a.city = FieldText(q, QStringLiteral("BiptCity"));
    }
    return TOpResult<TRegulatorAddress>::success(a);
}

TOpResult<QVector<TReportRow>> LoadReportData(TdtmMain &dm, qint32 ownerId,
                                              const QString &placementRef, int languageId)
{
    TJetDataset *q = dm.qryRvReport;
    const TOpStatus status = OpenStatement(
        q,
        {QStringLiteral("SELECT tblOwner.IdOwner, Zip, %1 AS City, OwnerFname, OwnerName, "
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
    static const char *const patternNames[] = {"AntV00", "AntV10", "AntV20", "AntV30", "AntV40",
                                               "AntV50", "AntV60", "AntV70", "AntV80", "AntV90"};
    QVector<TReportRow> rows;
    rows.reserve(q->recordCount());
    for (q->first(); !q->eof(); q->next()) {
        TReportRow r;
        r.ownerId = FieldInt(q, QStringLiteral("IdOwner"));
        r.zip = FieldText(q, QStringLiteral("Zip"));
        r.city = FieldText(q, QStringLiteral("City"));
        r.firstName = FieldText(q, QStringLiteral("OwnerFname"));
        r.name = FieldText(q, QStringLiteral("OwnerName"));
        r.call = FieldText(q, QStringLiteral("OwnerCall"));
        r.address1 = FieldText(q, QStringLiteral("OwnerAddress1"));
        r.address2 = FieldText(q, QStringLiteral("OwnerAddress2"));
        r.phoneHome = FieldText(q, QStringLiteral("OwnerPhHome"));
        r.email = FieldText(q, QStringLiteral("OwnerEmail"));
        r.towerName = FieldText(q, QStringLiteral("TowerName"));
        r.lamX = fieldDouble(q, QStringLiteral("TowerCoordLamX"));
        r.lamY = fieldDouble(q, QStringLiteral("TowerCoordLamY"));
        r.towerMain = fieldBool(q, QStringLiteral("TowerMain"));
        r.antennaRef = FieldText(q, QStringLiteral("AntennasRef"));
        r.antType = FieldText(q, QStringLiteral("AntType"));
        r.antMake = FieldText(q, QStringLiteral("AntMakeDescr"));
        r.antHeight = fieldDouble(q, QStringLiteral("AntennasHeight"));
        r.antTilt = fieldDouble(q, QStringLiteral("AntennasTilt"));
        r.frequency = fieldDouble(q, QStringLiteral("BandFreqCenter"));
        for (int k = 0; k < 10; ++k)
            r.pattern[k] = fieldDouble(q, QString::fromLatin1(patternNames[k]));
        r.antPower = fieldDouble(q, QStringLiteral("AntennasAntPwr"));
        // As in the evaluation: a power chain never saved gives no field strength.
        r.hasPower = !q->fieldValue(QStringLiteral("AntennasAntPwr")).isNull() &&
                     fieldDouble(q, QStringLiteral("StationTxPower")) > 0;
        r.eirp = fieldDouble(q, QStringLiteral("AntennasEirp"));
        r.antExtra = FieldText(q, QStringLiteral("AntExtra"));
        r.pointDistance = fieldDouble(q, QStringLiteral("CriticalPntDist"));
        r.pointHeight = fieldDouble(q, QStringLiteral("CriticalPntHeight"));
        r.pointRef = FieldText(q, QStringLiteral("CriticalPntRef"));
        r.spaceAttLow = fieldDouble(q, QStringLiteral("SpaceAttLow"));
        r.spaceAttHigh = fieldDouble(q, QStringLiteral("SpaceAttHigh"));
        rows.append(r);
    }
    return TOpResult<QVector<TReportRow>>::success(rows);
}
