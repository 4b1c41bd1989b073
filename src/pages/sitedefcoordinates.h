#pragma once

#include <QString>

// The rules of the site page's eight coordinate fields, apart from any widget:
// how many digits each takes, when a group is complete and plausible enough to
// be converted, and which field a Save refuses first.

// The fields in validation order: the first failing one is reported.
enum TSiteCoordinateField {
    CoordLambertX = 0,
    CoordLambertY,
    CoordLonDeg,
    CoordLonMin,
    CoordLonSec,
    CoordLatDeg,
    CoordLatMin,
    CoordLatSec,
    SiteCoordinateFieldCount
};

// The texts of the eight fields, indexed by TSiteCoordinateField.
struct TSiteCoordinateTexts {
    QString text[SiteCoordinateFieldCount];
};

// Digits a field holds at most: 6 for Lambert, 3 for degrees, 2 otherwise.
int SiteCoordinateMaxLength(TSiteCoordinateField field);

// What leaving a field of one group leads to.
enum class TConversionCheck {
    Incomplete, // not every field of the group is typed: nothing happens
    OutOfRange, // complete but implausible for Belgium: the indicator shows
    Convertible // complete and plausible: the other group is computed
};

// Lambert X and Y: both 5 or 6 characters, X in 22101..258999, Y in 20001..245999.
TConversionCheck CheckLambertGroup(const TSiteCoordinateTexts &texts);

// WGS84: latitude degrees, all minutes and seconds 1 or 2 characters, longitude
// degrees exactly 1; latitude 49..52, longitude 2..7, minutes and seconds 0..59.
TConversionCheck CheckWgs84Group(const TSiteCoordinateTexts &texts);

// The first field, in validation order, that a Save refuses; -1 when all pass.
// Lambert fails below 5 characters or as "0", degrees when empty or "0",
// minutes and seconds when empty.
int FirstInvalidSiteCoordinate(const TSiteCoordinateTexts &texts);

// The message for a refused field ("There is no correct value for the ...").
QString SiteCoordinateMessage(TSiteCoordinateField field);

// The first field, in validation order, whose value lies outside what the page
// converts: Lambert X 22101..258999, Y 20001..245999, longitude degrees 2..7,
// latitude degrees 49..52, minutes and seconds 0..59. -1 when all are
// plausible. A Save refuses such a value with SiteCoordinateMessage().
int FirstImplausibleSiteCoordinate(const TSiteCoordinateTexts &texts);

// Whether the typed WGS84 fields describe the place of the Lambert fields: the
// latitude and the longitude of `fromLambert` (the Lambert pair converted to
// WGS84 texts) lie within one second of the typed ones.
bool SiteCoordinatesAgree(const TSiteCoordinateTexts &typed,
                          const TSiteCoordinateTexts &fromLambert);

// The message when the two forms describe different places.
QString SiteCoordinatesDisagreeMessage();
