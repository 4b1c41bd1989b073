#include "pages/sitedefcoordinates.h"

#include <QCoreApplication>
#include <cstdlib>

namespace
{

// A whole number read from a field that holds digits only; 0 when unreadable.
int wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

bool lengthBetween(const QString &text, int low, int high)
{
    return text.size() >= low && text.size() <= high;
}

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

} // namespace

int SiteCoordinateMaxLength(TSiteCoordinateField field)
{
    switch (field) {
    case CoordLambertX:
    case CoordLambertY:
        return 6;
    case CoordLonDeg:
    case CoordLatDeg:
        return 3;
    default:
        return 2;
    }
}

TConversionCheck CheckLambertGroup(const TSiteCoordinateTexts &t)
{
    const QString &x = t.text[CoordLambertX];
    const QString &y = t.text[CoordLambertY];
    if (!lengthBetween(x, 5, 6) || !lengthBetween(y, 5, 6))
        return TConversionCheck::Incomplete;
    if (inRange(wholeNumber(x), 22101, 258999) && inRange(wholeNumber(y), 20001, 245999))
        return TConversionCheck::Convertible;
    return TConversionCheck::OutOfRange;
}

TConversionCheck CheckWgs84Group(const TSiteCoordinateTexts &t)
{
    for (const int field : {CoordLatDeg, CoordLatMin, CoordLatSec, CoordLonMin, CoordLonSec}) {
        if (!lengthBetween(t.text[field], 1, 2))
            return TConversionCheck::Incomplete;
    }
    if (t.text[CoordLonDeg].size() != 1)
        return TConversionCheck::Incomplete;
    bool plausible = inRange(wholeNumber(t.text[CoordLatDeg]), 49, 52) &&
                     inRange(wholeNumber(t.text[CoordLonDeg]), 2, 7);
    for (const int field : {CoordLatMin, CoordLatSec, CoordLonMin, CoordLonSec})
        plausible = plausible && inRange(wholeNumber(t.text[field]), 0, 59);
    return plausible ? TConversionCheck::Convertible : TConversionCheck::OutOfRange;
}

int FirstInvalidSiteCoordinate(const TSiteCoordinateTexts &t)
{
    for (int field = 0; field < SiteCoordinateFieldCount; ++field) {
        const QString &text = t.text[field];
        bool fails = false;
        switch (field) {
        case CoordLambertX:
        case CoordLambertY:
            fails = text.size() < 5 || text == QLatin1String("0");
            break;
        case CoordLonDeg:
        case CoordLatDeg:
            fails = text.isEmpty() || text == QLatin1String("0");
            break;
        default:
            fails = text.isEmpty();
            break;
        }
        if (fails)
            return field;
    }
    return -1;
}

QString SiteCoordinateMessage(TSiteCoordinateField field)
{
    static const char *const names[SiteCoordinateFieldCount] = {
        "Lambert (X)",      "Lambert (Y)",     "Longitude (Deg.)", "Longitude (Min.)",
        "Longitude (Sec.)", "Latitude (Deg.)", "Latitude (Min.)",  "Latitude (Sec.)"};
    return QCoreApplication::translate("TfraSiteDef",
                                       "There is no correct value for the \"%1\" field !")
        .arg(QLatin1String(names[field]));
}

int FirstImplausibleSiteCoordinate(const TSiteCoordinateTexts &t)
{
    for (int field = 0; field < SiteCoordinateFieldCount; ++field) {
        const int value = wholeNumber(t.text[field]);
        bool plausible = true;
        switch (field) {
        case CoordLambertX:
            plausible = inRange(value, 22101, 258999);
            break;
        case CoordLambertY:
            plausible = inRange(value, 20001, 245999);
            break;
        case CoordLonDeg:
            plausible = inRange(value, 2, 7);
            break;
        case CoordLatDeg:
            plausible = inRange(value, 49, 52);
            break;
        default:
            plausible = inRange(value, 0, 59);
            break;
        }
        if (!plausible)
            return field;
    }
    return -1;
}

namespace
{
// Degrees, minutes and seconds fields as seconds of arc.
int arcSeconds(const TSiteCoordinateTexts &t, int degrees, int minutes, int seconds)
{
    return wholeNumber(t.text[degrees]) * 3600 + wholeNumber(t.text[minutes]) * 60 +
           wholeNumber(t.text[seconds]);
}
} // namespace

bool SiteCoordinatesAgree(const TSiteCoordinateTexts &typed,
                          const TSiteCoordinateTexts &fromLambert)
{
    const int latitude = arcSeconds(typed, CoordLatDeg, CoordLatMin, CoordLatSec) -
                         arcSeconds(fromLambert, CoordLatDeg, CoordLatMin, CoordLatSec);
    const int longitude = arcSeconds(typed, CoordLonDeg, CoordLonMin, CoordLonSec) -
                          arcSeconds(fromLambert, CoordLonDeg, CoordLonMin, CoordLonSec);
    return std::abs(latitude) <= 1 && std::abs(longitude) <= 1;
}

QString SiteCoordinatesDisagreeMessage()
{
    return QCoreApplication::translate(
        "TfraSiteDef", "The Lambert 72 and the WGS84 coordinates do not describe the same place "
                       "! Type one of the two again, so that the other is converted from it.");
}
