#pragma once

#include <QString>

// The program's side of the coordinate-conversion library libmeridox.so: it is
// loaded at run time from the program's folder, its functions are bound by
// name, and the three coordinate systems the site page needs ("LT72", "BD72",
// "WGS84") are registered with "WGS84" as the pivot.
//
// When the library cannot be loaded the program still starts: the conversions
// below then report failure without calling anything, and the user is told
// once.

struct ConversionLibraryLoad {
    bool loaded = false;
    QString errorText; // why the library is not available; empty when loaded
};

// Loads and binds the library and registers the program's definitions. Runs
// once; later calls return the first result. The library is unloaded when the
// program ends.
ConversionLibraryLoad LoadConversionLibrary();

// Tells the user, once per run, that coordinate conversion is unavailable when
// the load failed; does nothing after a successful load.
void ReportConversionLibraryLoad(const ConversionLibraryLoad &load);

bool IsConversionLibraryLoaded();

// Unloads the library and forgets the load, so that the next
// LoadConversionLibrary() starts again (tests).
void ResetConversionLibrary();

// Latitude and longitude as degree, minute and second texts.
struct Wgs84DmsTexts {
    QString latDeg, latMin, latSec;
    QString lonDeg, lonMin, lonSec;
};

// Lambert 72 metres (program number format) to WGS84 degrees, minutes and
// whole seconds. False when the conversion failed or the library is missing;
// the texts then hold zeros.
bool Lambert72ToWgs84(const QString &xText, const QString &yText, Wgs84DmsTexts *result);

// Splits an angle packed as D.MMSSsss into degree, minute and second texts.
// The value is first rounded to the whole second in its packed form (halves to
// even), so 59,6 seconds give the text "60" without a carry into the minutes.
// An angle between -1 and 0 degrees gets the degree text "-0".
void SplitPackedDms(double packed, QString *degrees, QString *minutes, QString *seconds);

// WGS84 degrees, minutes and seconds to Lambert 72, rounded to whole metres.
// A minus sign on the degrees, "-0" included, makes the whole angle negative.
// False when the conversion failed or the library is missing; both texts are
// then "0".
bool Wgs84ToLambert72(const QString &latDeg, const QString &latMin, const QString &latSec,
                      const QString &lonDeg, const QString &lonMin, const QString &lonSec,
                      QString *xText, QString *yText);
