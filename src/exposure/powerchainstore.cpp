#include "exposure/powerchainstore.h"

#include "base/numberformat.h"
#include "exposure/engine/aperturesize.h"
#include "store/datamodule.h"
#include "store/jetdataset.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <QCoreApplication>

namespace
{

double number(const TJetDataset &d, const QString &field)
{
    const QVariant v = d.fieldValue(field);
    if (v.typeId() == QMetaType::QString)
        return NumberOrZero(v.toString());
    return v.toDouble();
}

qint32 key(const TJetDataset &d, const QString &field)
{
    return d.fieldValue(field).toInt();
}

QString sqlNumber(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

TPowerChainRow ReadPowerChainRow(const TJetDataset &s)
{
    TPowerChainRow r;
    r.idStation = key(s, Schema::IdStation);
    r.idListAnt = key(s, Schema::IdListAnt);
    r.idBandFreqSt = key(s, Schema::IdBandFreqSt);
    r.idMode = key(s, Schema::IdMode);
    r.idTxTime = key(s, Schema::IdTxTime);
    r.idCableLoss = {key(s, Schema::IdCableLoss1), key(s, Schema::IdCableLoss2),
                     key(s, Schema::IdCableLoss3), key(s, Schema::IdCableLoss4)};
    r.cableLength = {number(s, Schema::StationCableLength1), number(s, Schema::StationCableLength2),
                     number(s, Schema::StationCableLength3),
                     number(s, Schema::StationCableLength4)};
    r.txPower = number(s, Schema::StationTxPower);
    r.attSwr = number(s, Schema::StationAttSwr);
    r.attLpf = number(s, Schema::StationAttLpf);
    r.attAtu = number(s, Schema::StationAttAtu);
    r.noConn = number(s, Schema::StationNoConn);
    r.attConn = number(s, Schema::StationAttConn);
    r.attFeeder = number(s, Schema::StationAttFeeder);
    r.attAdd = number(s, Schema::StationAttAdd);
    r.calcFeeder = key(s, Schema::StationCalcFeeder) != 0;
    r.calcAdd = key(s, Schema::StationCalcAdd) != 0;
    r.antPwr = number(s, Schema::AntennasAntPwr);
    r.avgPwr = number(s, Schema::AntennasAvgPwr);
    r.eirp = number(s, Schema::AntennasEirp);
    r.ref = s.fieldValue(Schema::AntennasRef).toString();
    return r;
}

TOpResult<TPowerChainRow> ReadPlacementPowerChain(TdtmMain &dm, qint32 placementId, qint32 ownerId)
{
    const TOpStatus status = OpenStatement(
        dm.qryTemp2,
        {QStringLiteral("SELECT IdStation, IdListAnt, IdMode, IdTxTime, IDBandFreqSt, "
                        "IdCableLoss1, IdCableLoss2, IdCableLoss3, IdCableLoss4, "
                        "StationCableLength1, StationCableLength2, StationCableLength3, "
                        "StationCableLength4, StationTxPower, StationAttSwr, StationAttLpf, "
                        "StationAttAtu, StationAttConn, StationNoConn, AntennasAntPwr, "
                        "AntennasAvgPwr, StationAttAdd, StationAttFeeder, StationCalcAdd, "
                        "StationCalcFeeder, AntennasEirp, AntennasRef"),
         QStringLiteral("FROM tblStation INNER JOIN tblTower ON tblTower.IdTower = "
                        "tblStation.IdTower"),
         QStringLiteral("WHERE IdStation =%1 AND IdOwner =%2").arg(placementId).arg(ownerId)});
    if (!status.ok())
        return TOpResult<TPowerChainRow>::failure(status);
    if (dm.qryTemp2->isEmpty())
        return TOpResult<TPowerChainRow>::failure(
            QCoreApplication::translate("PowerChain", "The antenna placement %1 was not found.")
                .arg(placementId));
    return TOpResult<TPowerChainRow>::success(ReadPowerChainRow(*dm.qryTemp2));
}

TPowerChainRow WithPowerChainOf(const TPowerChainRow &target, const TPowerChainRow &source)
{
    TPowerChainRow row = target;
    row.idMode = source.idMode;
    row.idTxTime = source.idTxTime;
    row.idCableLoss = source.idCableLoss;
    row.cableLength = source.cableLength;
    row.txPower = source.txPower;
    row.attSwr = source.attSwr;
    row.attLpf = source.attLpf;
    row.attAtu = source.attAtu;
    row.noConn = source.noConn;
    row.attConn = source.attConn;
    row.attFeeder = source.attFeeder;
    row.attAdd = source.attAdd;
    row.calcFeeder = source.calcFeeder;
    row.calcAdd = source.calcAdd;
    return row;
}

TOpStatus SavePowerChain(TdtmMain &dm, const TPowerChainRow &r)
{
    QString set = QStringLiteral("SET IdMode =%1, IdTxTime =%2").arg(r.idMode).arg(r.idTxTime);
    for (int n = 0; n < 4; ++n) {
        set += QStringLiteral(", IdCableLoss%1 =%2, StationCableLength%1 =%3")
                   .arg(n + 1)
                   .arg(r.idCableLoss[n])
                   .arg(sqlNumber(r.cableLength[n]));
    }
    set += QStringLiteral(", StationTxPower =%1, StationAttSwr =%2, StationAttLpf =%3, "
                          "StationAttAtu =%4, StationNoConn =%5, StationAttConn =%6")
               .arg(sqlNumber(r.txPower), sqlNumber(r.attSwr), sqlNumber(r.attLpf),
                    sqlNumber(r.attAtu), sqlNumber(r.noConn), sqlNumber(r.attConn));
    set += QStringLiteral(", StationAttFeeder =%1, StationAttAdd =%2, StationCalcFeeder =%3, "
                          "StationCalcAdd =%4")
               .arg(sqlNumber(r.attFeeder), sqlNumber(r.attAdd))
               .arg(r.calcFeeder ? 1 : 0)
               .arg(r.calcAdd ? 1 : 0);
    set += QStringLiteral(", AntennasAntPwr =%1, AntennasAvgPwr =%2, AntennasEirp =%3")
               .arg(sqlNumber(r.antPwr), sqlNumber(r.avgPwr), sqlNumber(r.eirp));
    return ExecStatement(dm.qryTemp1, {QStringLiteral("UPDATE tblStation"), set,
                                       QStringLiteral("WHERE IdStation =%1").arg(r.idStation)});
}

TOpResult<TAntennaDetails> GetAntDetails(TdtmMain &dm, qint32 idListAnt)
{
    const TOpStatus status =
        OpenStatement(dm.qryTemp2, {QStringLiteral("SELECT AntType, AntMakeDescr, AntV00, AntV10, "
                                                   "AntV20, AntV30, AntV40, AntV50, AntV60, "
                                                   "AntV70, AntV80, AntV90, AntExtra"),
                                    QStringLiteral("FROM tblListAnt"),
                                    QStringLiteral("WHERE IdListAnt =%1").arg(idListAnt)});
    if (!status.ok())
        return TOpResult<TAntennaDetails>::failure(status);
    if (dm.qryTemp2->isEmpty())
        return TOpResult<TAntennaDetails>::failure(
            QCoreApplication::translate("PowerChain", "The antenna %1 is not in the catalogue.")
                .arg(idListAnt));
    TAntennaDetails details;
    details.type = FieldText(dm.qryTemp2, Schema::AntType);
    details.description = FieldText(dm.qryTemp2, Schema::AntMakeDescr);
    details.gain = number(*dm.qryTemp2, Schema::AntV00);
    for (int k = 0; k < 10; ++k)
        details.pattern[k] = number(*dm.qryTemp2, Schema::PatternColumns[k]);
    details.apertureSize =
        ApertureSizeFromText(FieldText(dm.qryTemp2, Schema::AntExtra).toStdString());
    return TOpResult<TAntennaDetails>::success(details);
}
