#pragma once

#include "ccoord.h"
#include "cregistrykey.h"
#include "meridox.h"

#include <map>
#include <memory>
#include <string>

// The conversion engine: the list of named definitions, the pivot datum, the
// Paris meridian offset and the definition store. Not thread-safe: one caller
// at a time (the projection engine behind it keeps global state).
class MERIDOX_API CConversion
{
public:
    // Marker of an unset or failed value inside the pipeline.
    static constexpr double NoValue = 1e300;

    CConversion();
    virtual ~CConversion();
    CConversion(const CConversion &) = delete;
    CConversion &operator=(const CConversion &) = delete;

    // Store: "Software\Meridox\" + key, or a path as given.
    void SetRegistry(MeridoxRegistryRoot root, const char *key);
    void SetRegistry2(MeridoxRegistryRoot root, const char *path);
    // Copies a definition file into the store: 0 done, 1 file not readable.
    int InitRegistry(const char *filePath);
    // Loads pivot, Paris offset and definitions from the store: 0 done, 1 none stored.
    int LoadRegistry();

    void SetParis(double radians);
    double ParisOffset() const { return parisOffset_; }
    void SetPivot(const char *name);
    const CCoord *Pivot() const { return pivot_; }

    // Adds the parsed line under name, replacing a definition of that name. A
    // replaced pivot definition stays the pivot in its new form.
    void SetConversion(const char *name, const char *line);
    static void ParseLine(CCoord &coord, const char *name, const char *line);
    // A number with an optional angle-unit suffix ("°" byte 0xB0, "m", "d",
    // "g") in radians, packed as DDDMMMSSS.SS when pack is true.
    static double atofDeg(const char *text, bool pack);

    void EmptyListe();
    int IsListeEmpty() const;
    CCoord *GetpCoordFromName(const char *name) const;
    CCoord *GetpCoordFromFullName(const char *fullName) const;
    int GetTypeCoord(const char *name) const;

    // Name forms: in = two doubles (latitude, longitude for geographic systems),
    // out = pair and convergence; failures give 0.0. A name beginning with "!"
    // carries "name=definition line" for this call only.
    void DoCalcul(const double *in, const char *source, int sourceUnit, int sourceFlag, double *out,
                  const char *destination, int destinationUnit, int destinationFlag,
                  int convergenceUnit);
    void DoCalcul(const double *in, const std::string &source, int sourceUnit, int sourceFlag,
                  double *out, const std::string &destination, int destinationUnit,
                  int destinationFlag, int convergenceUnit);
    // As DoCalcul, with geographic pairs as longitude, latitude.
    void DoCalcul2(const double *in, const char *source, int sourceUnit, int sourceFlag,
                   double *out, const char *destination, int destinationUnit, int destinationFlag,
                   int convergenceUnit);
    // Definition form: out receives the pair (NoValue on failure), conv the
    // convergence when given.
    void DoCalcul(const double *in, const CCoord *source, int sourceUnit, int sourceFlag,
                  double *out, const CCoord *destination, int destinationUnit, int destinationFlag,
                  double *conv, int convergenceUnit);

    // Shifts q = (longitude, latitude) in radians from the datum of from to that of to.
    void ConvertDatum(const CCoord &from, const CCoord &to, double *q) const;

    static void sphdz(int code, const double *param, double *semiMajor, double *semiMinor,
                      double *radius);

private:
    using CoordList = std::map<std::string, std::unique_ptr<CCoord>>;

    const CCoord *Resolve(const char *name, std::unique_ptr<CCoord> &temporary) const;
    void NameForm(const double *in, const char *source, int sourceUnit, int sourceFlag, double *out,
                  const char *destination, int destinationUnit, int destinationFlag,
                  int convergenceUnit, bool longitudeFirst);

    CoordList liste_;
    const CCoord *pivot_ = nullptr;
    double parisOffset_ = 0.0;
    CRegistryKey registry_;
};
