#pragma once

#include "store/recordresult.h"

class TdtmMain;

// Deleting one of the user's custom antennas.
struct TCustomAntennaDeletion {
    bool deleted = false;
    QString usedBy; // references of the placements that still use it, when refused
};

// Deletes a custom antenna unless a placement still uses it (then nothing is
// deleted and the placements are named). Only antennas of the custom family
// are ever deleted: a catalogue key handed over by mistake deletes nothing.
TOpResult<TCustomAntennaDeletion> DeleteCustomAntenna(TdtmMain &dm, qint32 antennaId);
