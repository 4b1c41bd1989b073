#pragma once

#include <QString>
#include <QVector>

// The antenna page's rules that need no widget: catalogue sorting, the tilt
// check, which parts of the lower half show, and the polar chart's range.

// Band key of catalogue antennas whose operating band is chosen per placement.
constexpr qint32 BandChosenPerPlacement = 16;

// The catalogue's sort text after a click on the title of `field`: the field
// followed by " DESC" when the current text begins with the field and is not
// descending already, otherwise the field followed by " ASC".
QString NextCatalogueSort(const QString &currentSort, const QString &field);

// Whether a sort text asks for descending order.
bool IsDescendingSort(const QString &sortText);

// A tilt the placement accepts: a whole number (an optional "-" and digits)
// no greater than 45.
bool IsAcceptedTilt(const QString &text);

// Whether a number field's text can be stored: empty, or a number in the
// program's format ("12,5", "-3"). "15,5,3" and "5-5" cannot.
bool IsStorableNumber(const QString &text);

// The message for a field whose text is no number.
QString NumberFieldMessage(const QString &caption);

// What the lower half of the page shows, from the placement count of the
// current site, the owner's site count and whether a placement is being edited.
struct TPlacementLayout {
    bool siteSelector = false;
    bool placementFields = false;
    bool configurationGrid = false;
    bool saveCancelEnabled = false;
    bool addEnabled = false;
    bool deleteEnabled = false;
};
TPlacementLayout PlacementLayout(int placementCount, int siteCount, bool editing);

// Radial range of the vertical pattern chart: the lowest and highest of the
// values. A flat pattern (all values equal) gets a range one unit deep below
// its value, so that it still draws as a ring instead of dividing by zero.
struct TPatternRange {
    double low = 0;
    double high = 0;
};
TPatternRange PatternRange(const QVector<double> &values);
