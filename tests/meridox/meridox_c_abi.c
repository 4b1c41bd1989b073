/* Checks the library's C interface as another program uses it: a C program
 * that includes only meridox.h and loads libmeridox.so with dlopen.
 * Prints "N passed, N failed" and exits non-zero on any failure. */
#include "meridox.h"

#include <dlfcn.h>
#include <math.h>
#include <stdio.h>

typedef void (*SetConversionFn)(const char *, const char *);
typedef void (*SetPivotFn)(const char *);
typedef void (*SetMeridienParisFn)(const char *);
typedef int (*GetTypeCoordFn)(const char *);
typedef void (*ConversionFn)(const double *, const char *, short, short, double *, const char *,
                             short, short, short);

static int passed = 0;
static int failed = 0;

static void Check(int ok, const char *what)
{
    if (ok) {
        ++passed;
    } else {
        ++failed;
        printf("FAILED: %s\n", what);
    }
}

int main(int argc, char **argv)
{
    const char *path = argc > 1 ? argv[1] : "libmeridox.so";
    void *library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (library == NULL) {
        printf("cannot load %s: %s\n0 passed, 1 failed\n", path, dlerror());
        return 1;
    }
    SetConversionFn setConversion = (SetConversionFn)dlsym(library, "SetConversion");
    SetPivotFn setPivot = (SetPivotFn)dlsym(library, "SetPivot");
    SetMeridienParisFn setParis = (SetMeridienParisFn)dlsym(library, "SetMeridienParis");
    GetTypeCoordFn getType = (GetTypeCoordFn)dlsym(library, "GetTypeCoord");
    ConversionFn conversion = (ConversionFn)dlsym(library, "Conversion");
    const char *names[] = {"SetCleRegistre", "InitRegistre", "ChargeRegistre", "Conversion2",
                           "ConversionXl", "ConversionXl2"};
    for (unsigned i = 0; i < sizeof names / sizeof names[0]; ++i)
        Check(dlsym(library, names[i]) != NULL, names[i]);
    Check(dlsym(library, "gctp") == NULL, "the projection package stays hidden");
    Check(dlsym(library, "init") == NULL, "generic package names stay hidden");
    if (!setConversion || !setPivot || !setParis || !getType || !conversion) {
        printf("missing exports\n%d passed, %d failed\n", passed, failed + 1);
        return 1;
    }

    setParis("2.2014025\xB0");
    setConversion("LT72", "Lambert 72 Belgique,32,BD72,26,0,0,49.50\xB0,51.10\xB0,4.2124983\xB0,"
                          "90\xB0,150000.01,5400088.44");
    setConversion("WGS84", "WGS84,0,WGS84,12,0,0,0,0,0");
    setConversion("BD72", "Belgique 1972 (BD72),0,BD72,26,0,0,-125.8,79.9,-100.5");
    setPivot("WGS84");
    Check(getType("LT72") == 32, "GetTypeCoord(LT72) is 32");
    Check(getType("missing") == -1, "GetTypeCoord of an unknown name is -1");

    double in[2] = {150.0, 170.0};
    double out[3] = {0.0, 0.0, 0.0};
    conversion(in, "LT72", MERIDOX_UNIT_KILOMETRES, MERIDOX_PROJECTED, out, "WGS84",
               MERIDOX_UNIT_DMS, MERIDOX_GREENWICH, MERIDOX_UNIT_DMS);
    Check(fabs(out[0] - 50.5025487) < 5e-8, "worked example latitude");
    Check(fabs(out[1] - 4.2207513) < 5e-8, "worked example longitude");

    double back[2] = {50.5025, 4.2208};
    conversion(back, "WGS84", MERIDOX_UNIT_DMS, MERIDOX_GREENWICH, out, "LT72",
               MERIDOX_UNIT_KILOMETRES, MERIDOX_PROJECTED, MERIDOX_NO_CONVERGENCE);
    Check(fabs(out[0] * 1000.0 - 150010.0) < 0.5, "worked example X");
    Check(fabs(out[1] * 1000.0 - 169985.0) < 0.5, "worked example Y");

    conversion(in, "nothing", MERIDOX_UNIT_KILOMETRES, MERIDOX_PROJECTED, out, "WGS84",
               MERIDOX_UNIT_DMS, MERIDOX_GREENWICH, MERIDOX_UNIT_DMS);
    Check(out[0] == 0.0 && out[1] == 0.0 && out[2] == 0.0, "unknown name gives zeros");

    dlclose(library);
    printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
