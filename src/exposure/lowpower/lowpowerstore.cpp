#include "exposure/lowpower/lowpowerstore.h"

#include "base/numberformat.h"
#include "store/datamodule.h"
#include "store/recordstatement.h"
#include "store/schema.h"

namespace
{
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
                           Schema::IdMode, Schema::ModeDescrE, Schema::ModeAtt, lists.modes);
    if (s.ok())
        s = readList(dm, QStringLiteral("SELECT IdTxTime, TxTimeValue, TxTimeAtt FROM qryTxTime1"),
                     Schema::IdTxTime, Schema::TxTimeValue, Schema::TxTimeAtt, lists.txTimes);
    if (s.ok())
        s = readList(dm,
                     QStringLiteral("SELECT IdBandFreqQrp, BandFreqDescr, BandFreqCenter FROM "
                                    "tblBandFreqQrp ORDER BY IdBandFreqQrp"),
                     Schema::IdBandFreqQrp, Schema::BandFreqDescr, Schema::BandFreqCenter,
                     lists.bands);
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
    v.idTxTime = FieldInt(q, Schema::IdTxTime);
    v.idMode = FieldInt(q, Schema::IdMode);
    v.idBandFreqQrp = FieldInt(q, Schema::IdBandFreqQrp);
    v.distA = FieldText(q, Schema::OwnerQrpDistA);
    v.distB = FieldText(q, Schema::OwnerQrpDistB);
    v.power = FieldText(q, Schema::OwnerQrpPower);
    v.gain = FieldText(q, Schema::OwnerQrpGain);
    v.coaxLoss = FieldText(q, Schema::OwnerQrpCoaxLoss);
    return TOpResult<TOwnerLowPowerValues>::success(v);
}

QString LowPowerErpText(double watts)
{
    QString text = QString::number(RoundHalfEven(watts, 2), 'f', 2);
    return text.replace(QLatin1Char('.'), DecimalSeparator) + QStringLiteral(" W");
}
