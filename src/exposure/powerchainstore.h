#pragma once

#include "exposure/engine/patterntable.h"
#include "store/recordresult.h"

#include <QString>
#include <array>

class TdtmMain;
class TJetDataset;

// The power-chain columns of one placement (tblStation) and the catalogue
// data the power page shows beside them.

struct TPowerChainRow {
    qint32 idStation = 0;
    qint32 idListAnt = 0;
    qint32 idBandFreqSt = 0;
    qint32 idMode = 0;
    qint32 idTxTime = 0;
    std::array<qint32, 4> idCableLoss{};
    std::array<double, 4> cableLength{};
    double txPower = 0;
    double attSwr = 0;
    double attLpf = 0; // entered on the antenna-tuner row
    double attAtu = 0; // entered on the low-pass-filter row
    double noConn = 0;
    double attConn = 0;
    double attFeeder = 0;
    double attAdd = 0;
    bool calcFeeder = false;
    bool calcAdd = false;
    double antPwr = 0;
    double avgPwr = 0;
    double eirp = 0;
    QString ref;
};

// The current row of qryStation as opened by OpenPowerData.
TPowerChainRow ReadPowerChainRow(const TJetDataset &station);

// The power chain of one of the owner's placements, read without moving
// qryStation off the placement the page shows. Fails when the placement is
// not the owner's.
TOpResult<TPowerChainRow> ReadPlacementPowerChain(TdtmMain &dm, qint32 placementId, qint32 ownerId);

// The placement `target` with the power chain of `source`: transmitter power,
// feed line, additional losses, mode and transmit time. The placement's own
// keys, antenna, band and stored results stay those of `target`.
TPowerChainRow WithPowerChainOf(const TPowerChainRow &target, const TPowerChainRow &source);

// Writes the power-chain columns of the row's placement.
TOpStatus SavePowerChain(TdtmMain &dm, const TPowerChainRow &row);

// What the page shows of the placement's catalogue antenna.
struct TAntennaDetails {
    QString type;
    QString description;
    double gain = 0;          // AntV00, dBi
    AntennaPattern pattern{}; // AntV00 … AntV90, for the safety distance
    int apertureSize = 0;     // AntExtra as a whole number, 0 when it is none
};
TOpResult<TAntennaDetails> GetAntDetails(TdtmMain &dm, qint32 idListAnt);
