// The C interface: thin wrappers around one process-wide engine, created when
// the library is loaded and destroyed with all its definitions when it is
// unloaded.
#include "cconversion.h"
#include "meridox.h"

#include <cstddef>

namespace
{

CConversion &Engine()
{
    static CConversion engine;
    return engine;
}

MeridoxRegistryRoot &RegistryRoot()
{
    static MeridoxRegistryRoot root = MERIDOX_HKEY_CURRENT_USER;
    return root;
}

bool IsEmpty(const char *text)
{
    return text == nullptr || text[0] == '\0';
}

void SpreadsheetForm(const char *key, const MeridoxFpArray *in, const char *source,
                     short sourceUnit, short sourceFlag, MeridoxFpArray *out,
                     const char *destination, short destinationUnit, short destinationFlag,
                     short convergenceUnit, bool longitudeFirst)
{
    CConversion &engine = Engine();
    if (engine.IsListeEmpty() && !IsEmpty(key)) {
        engine.EmptyListe();
        engine.SetRegistry(RegistryRoot(), key);
        engine.LoadRegistry();
    }
    if (out == nullptr)
        return;
    const std::size_t outCount = static_cast<std::size_t>(out->rows) * out->columns;
    for (std::size_t i = 0; i < outCount; ++i)
        out->array[i] = 0.0;
    if (in == nullptr || static_cast<std::size_t>(in->rows) * in->columns < 2)
        return;
    double result[3] = {0.0, 0.0, 0.0};
    if (longitudeFirst)
        engine.DoCalcul2(in->array, source, sourceUnit, sourceFlag, result, destination,
                         destinationUnit, destinationFlag, convergenceUnit);
    else
        engine.DoCalcul(in->array, source, sourceUnit, sourceFlag, result, destination,
                        destinationUnit, destinationFlag, convergenceUnit);
    for (std::size_t i = 0; i < 3 && i < outCount; ++i)
        out->array[i] = result[i];
}

} // namespace

extern "C" {

MERIDOX_API void SetCleRegistre(MeridoxRegistryRoot root)
{
    RegistryRoot() = root;
}

MERIDOX_API int InitRegistre(const char *key, const char *definitionFile)
{
    if (IsEmpty(key) || IsEmpty(definitionFile))
        return 1;
    CConversion &engine = Engine();
    engine.SetRegistry(RegistryRoot(), key);
    return engine.InitRegistry(definitionFile);
}

MERIDOX_API int ChargeRegistre(const char *key)
{
    if (IsEmpty(key))
        return 1;
    CConversion &engine = Engine();
    engine.EmptyListe();
    engine.SetRegistry(RegistryRoot(), key);
    return engine.LoadRegistry();
}

MERIDOX_API void SetConversion(const char *name, const char *definitionLine)
{
    Engine().SetConversion(name, definitionLine);
}

MERIDOX_API void SetPivot(const char *name)
{
    Engine().SetPivot(name);
}

MERIDOX_API void SetMeridienParis(const char *angleText)
{
    Engine().SetParis(CConversion::atofDeg(angleText, false));
}

MERIDOX_API int GetTypeCoord(const char *name)
{
    return Engine().GetTypeCoord(name);
}

MERIDOX_API void Conversion(const double *in, const char *source, short sourceUnit,
                            short sourceFlag, double *out, const char *destination,
                            short destinationUnit, short destinationFlag, short convergenceUnit)
{
    Engine().DoCalcul(in, source, sourceUnit, sourceFlag, out, destination, destinationUnit,
                      destinationFlag, convergenceUnit);
}

MERIDOX_API void Conversion2(const double *in, const char *source, short sourceUnit,
                             short sourceFlag, double *out, const char *destination,
                             short destinationUnit, short destinationFlag, short convergenceUnit)
{
    Engine().DoCalcul2(in, source, sourceUnit, sourceFlag, out, destination, destinationUnit,
                       destinationFlag, convergenceUnit);
}

MERIDOX_API void ConversionXl(const char *key, const MeridoxFpArray *in, const char *source,
                              short sourceUnit, short sourceFlag, MeridoxFpArray *out,
                              const char *destination, short destinationUnit, short destinationFlag,
                              short convergenceUnit)
{
    SpreadsheetForm(key, in, source, sourceUnit, sourceFlag, out, destination, destinationUnit,
                    destinationFlag, convergenceUnit, false);
}

MERIDOX_API void ConversionXl2(const char *key, const MeridoxFpArray *in, const char *source,
                               short sourceUnit, short sourceFlag, MeridoxFpArray *out,
                               const char *destination, short destinationUnit,
                               short destinationFlag, short convergenceUnit)
{
    SpreadsheetForm(key, in, source, sourceUnit, sourceFlag, out, destination, destinationUnit,
                    destinationFlag, convergenceUnit, true);
}

} // extern "C"
