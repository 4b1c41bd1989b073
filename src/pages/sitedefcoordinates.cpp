#include "pages/sitedefcoordinates.h"

#include <QCoreApplication>

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
