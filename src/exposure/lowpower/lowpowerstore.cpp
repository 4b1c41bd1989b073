#include "exposure/lowpower/lowpowerstore.h"

#include "base/numberformat.h"
#include "store/datamodule.h"
#include "store/recordstatement.h"

namespace {
TOpStatus readList(TdtmMain &dm, const QString &select, const QString &idColumn,
                   const QString &textColumn, const QString &valueColumn,
                   QVector<TLowPowerChoice> &out)
{
    const TOpStatus status = OpenStatement(dm.qryTemp1, {select});
    if (!status.ok())
        return status;
    for (dm.qryTemp1->first(); !dm.qryTemp1->eof(); dm.qryTemp1->next()) {
        TLowPowerChoice c;
        c.id = FieldInt(dm.qryTemp1, idColumn);
        c.text = FieldText(dm.qryTemp1, textColumn);
        c.value = dm.qryTemp1->fieldValue(valueColumn).toDouble();
        out.append(c);
    }
    return TOpStatus{};
}
} // namespace

TOpResult<TLowPowerLists> LoadLowPowerLists(TdtmMain &dm)
{
    TLowPowerLists lists;
    TOpStatus s = readList(dm, QStringLiteral("SELECT IdMode, ModeDescrE, ModeAtt FROM qryMode1"),
                           QStringLiteral("IdMode"), QStringLiteral("ModeDescrE"),
                           QStringLiteral("ModeAtt"), lists.modes);
    if (s.ok())
        s = readList(dm, QStringLiteral("SELECT IdTxTime, TxTimeValue, TxTimeAtt FROM qryTxTime1"),
                     QStringLiteral("IdTxTime"), QStringLiteral("TxTimeValue"),
                     QStringLiteral("TxTimeAtt"), lists.txTimes);
    if (s.ok())
        s = readList(dm,
                     QStringLiteral("SELECT IdBandFreqQrp, BandFreqDescr, BandFreqCenter FROM "
                                    "tblBandFreqQrp ORDER BY IdBandFreqQrp"),
                     QStringLiteral("IdBandFreqQrp"), QStringLiteral("BandFreqDescr"),
                     QStringLiteral("BandFreqCenter"), lists.bands);
    if (!s.ok())
        return TOpResult<TLowPowerLists>::failure(s);
    return TOpResult<TLowPowerLists>::success(lists);
}

TOpResult<TOwnerLowPowerValues> LoadOwnerLowPower(TdtmMain &dm, qint32 ownerId)
{
    const TOpStatus status = OpenOwnerRecord(dm, ownerId, false);
    if (!status.ok())
        return TOpResult<TOwnerLowPowerValues>::failure(status);
    const TJetDataset *q = dm.qryUserData;
    TOwnerLowPowerValues v;
    v.idTxTime = FieldInt(q, QStringLiteral("IdTxTime"));
    v.idMode = FieldInt(q, QStringLiteral("IdMode"));
    v.idBandFreqQrp = FieldInt(q, QStringLiteral("IdBandFreqQrp"));
    v.distA = FieldText(q, QStringLiteral("OwnerQrpDistA"));
    v.distB = FieldText(q, QStringLiteral("OwnerQrpDistB"));
    v.power = FieldText(q, QStringLiteral("OwnerQrpPower"));
    v.gain = FieldText(q, QStringLiteral("OwnerQrpGain"));
    v.coaxLoss = FieldText(q, QStringLiteral("OwnerQrpCoaxLoss"));
    return TOpResult<TOwnerLowPowerValues>::success(v);
}

QString LowPowerErpText(double watts)
{
    QString text = QString::number(RoundHalfEven(watts, 2), 'f', 2);
    return text.replace(QLatin1Char('.'), DecimalSeparator) + QStringLiteral(" W");
}
