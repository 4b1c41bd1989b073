#include "base/meridoxbinding.h"

#include "base/conversiondefinitions.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "base/programfolder.h"

#include <QCoreApplication>
#include <QLibrary>
#include <cmath>
#include <memory>

namespace
{

using SetCleRegistreFn = void (*)(void *);
using InitRegistreFn = int (*)(const char *, const char *);
using ChargeRegistreFn = int (*)(const char *);
using ConversionFn = void (*)(const double *, const char *, short, short, double *, const char *,
                              short, short, short);
using GetTypeCoordFn = int (*)(const char *);
using SetTextFn = void (*)(const char *);
using SetConversionFn = void (*)(const char *, const char *);

struct Bindings {
    SetCleRegistreFn setCleRegistre = nullptr;
    InitRegistreFn initRegistre = nullptr;
    ChargeRegistreFn chargeRegistre = nullptr;
    ConversionFn conversion = nullptr;
    ConversionFn conversion2 = nullptr;
    GetTypeCoordFn getTypeCoord = nullptr;
    SetTextFn setMeridienParis = nullptr;
    SetConversionFn setConversion = nullptr;
    SetTextFn setPivot = nullptr;
};

// The loaded library lives until the program ends; its destructor (run after
// main() has returned) unloads it.
struct LoadedLibrary {
    QLibrary library;
    Bindings bindings;
    ~LoadedLibrary()
    {
        if (library.isLoaded())
            library.unload();
    }
};

struct BindingState {
    bool attempted = false;
    bool reported = false;
    ConversionLibraryLoad result;
    std::unique_ptr<LoadedLibrary> loaded;
};

BindingState &State()
{
    static BindingState state;
    return state;
}

QString Translate(const char *text)
{
    return QCoreApplication::translate("MeridoxBinding", text);
}

constexpr short UnitDms = 0;
constexpr short UnitKilometres = 6;
constexpr short Projected = 0;
constexpr short Greenwich = 1;

template <typename Fn>
bool Resolve(QLibrary &library, const char *name, Fn *target, QString *missing)
{
    *target = reinterpret_cast<Fn>(library.resolve(name));
    if (*target == nullptr && missing->isEmpty())
        *missing = QString::fromLatin1(name);
    return *target != nullptr;
}

// Runs when the application object is destroyed, after the rest of the
// program's shutdown work, while Qt is still intact.
void UnloadAtExit()
{
    State().loaded.reset();
}

const Bindings *ActiveBindings()
{
    const BindingState &state = State();
    return state.loaded ? &state.loaded->bindings : nullptr;
}

} // namespace

ConversionLibraryLoad LoadConversionLibrary()
{
    BindingState &state = State();
    if (state.attempted)
        return state.result;
    state.attempted = true;

    auto loaded = std::make_unique<LoadedLibrary>();
    loaded->library.setFileName(ProgramFile(QStringLiteral("libmeridox.so")));
    if (!loaded->library.load()) {
        state.result.loaded = false;
        state.result.errorText = loaded->library.errorString();
        return state.result;
    }

    Bindings &b = loaded->bindings;
    QString missing;
    Resolve(loaded->library, "SetCleRegistre", &b.setCleRegistre, &missing);
    Resolve(loaded->library, "InitRegistre", &b.initRegistre, &missing);
    Resolve(loaded->library, "ChargeRegistre", &b.chargeRegistre, &missing);
    Resolve(loaded->library, "Conversion", &b.conversion, &missing);
    Resolve(loaded->library, "Conversion2", &b.conversion2, &missing);
    Resolve(loaded->library, "GetTypeCoord", &b.getTypeCoord, &missing);
    Resolve(loaded->library, "SetMeridienParis", &b.setMeridienParis, &missing);
    Resolve(loaded->library, "SetConversion", &b.setConversion, &missing);
    Resolve(loaded->library, "SetPivot", &b.setPivot, &missing);
    if (!missing.isEmpty()) {
        // A library without one of its functions is unusable: it is not kept.
        state.result.loaded = false;
        state.result.errorText = Translate("The function %1 is missing from %2.")
                                     .arg(missing, loaded->library.fileName());
        return state.result;
    }

    b.setMeridienParis(conversiondefinitions::ParisMeridian);
    b.setConversion("LT72", conversiondefinitions::Lt72);
    b.setConversion("WGS84", conversiondefinitions::Wgs84);
    b.setConversion("BD72", conversiondefinitions::Bd72);
    b.setPivot("WGS84");

    state.loaded = std::move(loaded);
    if (QCoreApplication::instance() != nullptr)
        qAddPostRoutine(UnloadAtExit);
    state.result.loaded = true;
    state.result.errorText.clear();
    return state.result;
}

void ReportConversionLibraryLoad(const ConversionLibraryLoad &load)
{
    BindingState &state = State();
    if (load.loaded || state.reported)
        return;
    state.reported = true;
    ShowErrorMessage(Translate("VLM Error"),
                     Translate("The coordinate conversion library could not be loaded:\n%1\n\n"
                               "The program works without it, but Lambert 72 and WGS84 "
                               "coordinates are not converted into each other.")
                         .arg(load.errorText));
}

void SplitPackedDms(double packed, QString *degrees, QString *minutes, QString *seconds)
{
    const double r = RoundHalfEven(packed, 4); // to the whole second
    const double whole = std::trunc(r);
    const long long mmss = std::llround(std::nearbyint(std::fabs(r - whole) * 10000.0));
    // Between -1 and 0 degrees the sign lives only in the minutes and seconds;
    // the degree text carries it so that the angle survives a round trip.
    *degrees = (r < 0.0 && whole == 0.0) ? QStringLiteral("-0") : FormatNumber(whole);
    *minutes = QStringLiteral("%1").arg(mmss / 100, 2, 10, QLatin1Char('0'));
    *seconds = QStringLiteral("%1").arg(mmss % 100, 2, 10, QLatin1Char('0'));
}

namespace
{

// Degree, minute and second texts packed as D.MMSSsss; a minus sign on the
// degrees (even "-0") applies to the whole angle.
double PackDmsTexts(const QString &degrees, const QString &minutes, const QString &seconds)
{
    const double d = NumberOrZero(degrees);
    const double magnitude =
        std::fabs(d) + (NumberOrZero(minutes) * 100.0 + NumberOrZero(seconds)) / 10000.0;
    const bool negative = d < 0.0 || degrees.trimmed().startsWith(QLatin1Char('-'));
    return negative ? -magnitude : magnitude;
}

} // namespace

bool IsConversionLibraryLoaded()
{
    return ActiveBindings() != nullptr;
}

void ResetConversionLibrary()
{
    BindingState &state = State();
    state.loaded.reset();
    state.attempted = false;
    state.reported = false;
    state.result = ConversionLibraryLoad();
}

bool Lambert72ToWgs84(const QString &xText, const QString &yText, Wgs84DmsTexts *result)
{
    double out[3] = {0.0, 0.0, 0.0};
    if (const Bindings *b = ActiveBindings()) {
        const double in[2] = {NumberOrZero(xText) / 1000.0, NumberOrZero(yText) / 1000.0};
        b->conversion(in, "LT72", UnitKilometres, Projected, out, "WGS84", UnitDms, Greenwich,
                      UnitDms);
    }
    if (result) {
        SplitPackedDms(out[0], &result->latDeg, &result->latMin, &result->latSec);
        SplitPackedDms(out[1], &result->lonDeg, &result->lonMin, &result->lonSec);
    }
    return out[0] != 0.0 && out[1] != 0.0;
}

bool Wgs84ToLambert72(const QString &latDeg, const QString &latMin, const QString &latSec,
                      const QString &lonDeg, const QString &lonMin, const QString &lonSec,
                      QString *xText, QString *yText)
{
    double out[3] = {0.0, 0.0, 0.0};
    if (const Bindings *b = ActiveBindings()) {
        const double in[2] = {PackDmsTexts(latDeg, latMin, latSec),
                              PackDmsTexts(lonDeg, lonMin, lonSec)};
        b->conversion(in, "WGS84", UnitDms, Greenwich, out, "LT72", UnitKilometres, Projected,
                      UnitDms);
    }
    if (xText)
        *xText = FormatNumber(RoundHalfEven(out[0], 3) * 1000.0);
    if (yText)
        *yText = FormatNumber(RoundHalfEven(out[1], 3) * 1000.0);
    return out[0] != 0.0 && out[1] != 0.0;
}
