#pragma once

#include "store/recordresult.h"

#include <QString>

class TdtmMain;

// Operations on the antenna catalogue (tblListAnt) and the user's custom
// antennas, which live in the catalogue under a family of their own.

// Family key that holds the custom antennas.
constexpr qint32 CustomAntennaFamily = 49;
// Family value that asks the catalogue for every family.
constexpr qint32 AllAntennaFamilies = 48;

// How OpenCustomAntennas leaves qryAntCustom for the custom-antenna page.
enum class TCustomAntennaMode { Browse = 0, Append = 1, Edit = 2 };

// What the custom-antenna page saves. The pattern values are the numbers as
// the user typed them ("12,5"); the store converts them.
struct TAntennaValues {
    qint32 idFamily = CustomAntennaFamily;
    qint32 idPolarisation = 0;
    qint32 idBand = 0;
    QString pattern[11]; // AntV00, AntV10, ..., AntV90, AntV100
    QString type;
    QString makeDescr;
    QString extra; // dish diameter in wavelengths
    QString dir = QStringLiteral("CUSTOM");
};

// Opens qryAntListKind on the family list; returns its number of rows.
TOpResult<int> OpenAntennaFamilies(TdtmMain &dm);

// Opens qryAntList on one family of the catalogue (AllAntennaFamilies: every
// family), joined with polarisation and band, sorted by AntMakeDescr.
TOpResult<int> OpenCatalogue(TdtmMain &dm, qint32 familyId);

// Opens qryAntCustom on the custom antennas sorted by AntMakeDescr; returns the
// number of rows.
TOpResult<int> OpenCustomAntennas(TdtmMain &dm, TCustomAntennaMode mode);

// Inserts an antenna and returns its IdListAnt.
TOpResult<qint32> InsertAntenna(TdtmMain &dm, const TAntennaValues &values);
TOpStatus UpdateAntenna(TdtmMain &dm, qint32 antennaId, const TAntennaValues &values);

// Opens qryTemp3 on the type, make and gain of one antenna (power page).
TOpStatus OpenAntennaSummary(TdtmMain &dm, qint32 antennaId);

// References of the placements that use the antenna: "" when none, the one
// reference, or "A, B & C." for several. An antenna in use cannot be deleted.
TOpResult<QString> PlacementsUsingAntenna(TdtmMain &dm, qint32 antennaId);
