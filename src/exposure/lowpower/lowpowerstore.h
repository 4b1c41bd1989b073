#pragma once

#include "store/recordops_owner.h"
#include "store/recordresult.h"

#include <QString>
#include <QVector>

class TdtmMain;

// The lists of the low-power page: modes with their correction, transmit times with
// theirs, and the low-power bands with their centre frequency.
struct TLowPowerChoice {
    qint32 id = 0;
    QString text;
    double value = 0.0; // dB for modes and times, MHz for bands
};

struct TLowPowerLists {
    QVector<TLowPowerChoice> modes;
    QVector<TLowPowerChoice> txTimes;
    QVector<TLowPowerChoice> bands;
};

// Reads the three lists (qryMode1, qryTxTime1, tblBandFreqQrp) on qryTemp1.
TOpResult<TLowPowerLists> LoadLowPowerLists(TdtmMain &dm);

// Opens the owner's row on qryUserData and returns its low-power fields as stored.
TOpResult<TOwnerLowPowerValues> LoadOwnerLowPower(TdtmMain &dm, qint32 ownerId);

// The ERP as the result label shows it: two decimals and " W" ("4,46 W", "0,00 W").
QString LowPowerErpText(double watts);
