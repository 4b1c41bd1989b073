#include "angleunits.h"
#include "cconversion.h"
#include "projectionengine.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace
{

constexpr double NoValue = CConversion::NoValue;
constexpr double HalfPi = 1.5707963267948966;
constexpr double Pi = 3.141592653589793;
// Northward step for measuring the convergence: 30 arc-seconds.
constexpr double ConvergenceStep = 0.0001454441043328608;
constexpr int EngineRadians = 0;
constexpr int EngineMetres = 2;

const double ZeroParams[CCoord::ParamCount] = {};

int InverseProjection(const CCoord &source, const double p[2], double q[2])
{
    return meridox::Transform(p, source.Type, -1, source.Param, EngineMetres, source.Spheroid, q, 0,
                              0, ZeroParams, EngineRadians, -1);
}

int ForwardProjection(const CCoord &destination, const double p[2], double q[2])
{
    return meridox::Transform(p, 0, 0, ZeroParams, EngineRadians, -1, q, destination.Type, -1,
                              destination.Param, EngineMetres, destination.Spheroid);
}

bool SuitsFlag(const CCoord &coord, int flag)
{
    if (coord.Type != 0)
        return flag == 0;
    return flag != 0 && coord.Name == coord.Datum;
}

void SetNoValue(double *pair)
{
    pair[0] = NoValue;
    pair[1] = NoValue;
}

bool IsNoValuePair(const double *pair)
{
    return pair[0] == NoValue && pair[1] == NoValue;
}

// Ends a conversion that cannot be completed: no pair, no convergence.
void Fail(double *pair, double *conv)
{
    SetNoValue(pair);
    if (conv)
        *conv = NoValue;
}

} // namespace

const CCoord *CConversion::Resolve(const char *name, std::unique_ptr<CCoord> &temporary) const
{
    if (name == nullptr)
        return nullptr;
    if (name[0] != '!')
        return GetpCoordFromName(name);
    // "!name=definition line": a definition for this call only.
    const std::string text(name + 1);
    const std::size_t equals = text.find('=');
    const std::string coordName = text.substr(0, equals);
    std::string line;
    if (equals != std::string::npos) {
        const std::size_t next = text.find('=', equals + 1);
        line = text.substr(equals + 1,
                           next == std::string::npos ? std::string::npos : next - equals - 1);
    }
    temporary = std::make_unique<CCoord>();
    ParseLine(*temporary, coordName.c_str(), line.c_str());
    return temporary.get();
}

void CConversion::NameForm(const double *in, const char *source, int sourceUnit, int sourceFlag,
                           double *out, const char *destination, int destinationUnit,
                           int destinationFlag, int convergenceUnit, bool longitudeFirst)
{
    if (out == nullptr)
        return;
    out[0] = out[1] = out[2] = 0.0;
    if (in == nullptr)
        return;
    double pair[2] = {in[0], in[1]};
    std::unique_ptr<CCoord> temporarySource;
    std::unique_ptr<CCoord> temporaryDestination;
    const CCoord *src = Resolve(source, temporarySource);
    if (src == nullptr)
        return;
    const CCoord *dst = Resolve(destination, temporaryDestination);
    if (dst == nullptr)
        return;
    if (longitudeFirst && src->Type == 0)
        std::swap(pair[0], pair[1]);
    double *conv = convergenceUnit == -1 ? nullptr : &out[2];
    DoCalcul(pair, src, sourceUnit, sourceFlag, out, dst, destinationUnit, destinationFlag, conv,
             convergenceUnit);
    for (int i = 0; i < 3; ++i) {
        if (out[i] == NoValue)
            out[i] = 0.0;
    }
    if (longitudeFirst && dst->Type == 0)
        std::swap(out[0], out[1]);
}

void CConversion::DoCalcul(const double *in, const char *source, int sourceUnit, int sourceFlag,
                           double *out, const char *destination, int destinationUnit,
                           int destinationFlag, int convergenceUnit)
{
    NameForm(in, source, sourceUnit, sourceFlag, out, destination, destinationUnit, destinationFlag,
             convergenceUnit, false);
}

void CConversion::DoCalcul(const double *in, const std::string &source, int sourceUnit,
                           int sourceFlag, double *out, const std::string &destination,
                           int destinationUnit, int destinationFlag, int convergenceUnit)
{
    NameForm(in, source.c_str(), sourceUnit, sourceFlag, out, destination.c_str(), destinationUnit,
             destinationFlag, convergenceUnit, false);
}

void CConversion::DoCalcul2(const double *in, const char *source, int sourceUnit, int sourceFlag,
                            double *out, const char *destination, int destinationUnit,
                            int destinationFlag, int convergenceUnit)
{
    NameForm(in, source, sourceUnit, sourceFlag, out, destination, destinationUnit, destinationFlag,
             convergenceUnit, true);
}

void CConversion::DoCalcul(const double *in, const CCoord *src, int sourceUnit, int sourceFlag,
                           double *out, const CCoord *dst, int destinationUnit, int destinationFlag,
                           double *conv, int convergenceUnit)
{
    if (out == nullptr)
        return;
    double *q = out;
    SetNoValue(q);
    if (in == nullptr || src == nullptr || dst == nullptr || pivot_ == nullptr)
        return;
    if (!SuitsFlag(*src, sourceFlag) || !SuitsFlag(*dst, destinationFlag))
        return;
    if (conv)
        *conv = 0.0;

    // Source units to radians (longitude, latitude) or metres.
    double p[2];
    if (src->Type == 0) {
        if (sourceUnit < 0 || sourceUnit > 4)
            return;
        const double lat = meridox::ToRadians(in[0], sourceUnit);
        const double lon = meridox::ToRadians(in[1], sourceUnit);
        if (!(lat >= -HalfPi && lat <= HalfPi && lon >= -Pi && lon <= Pi))
            return;
        p[0] = lon;
        p[1] = lat;
    } else if (sourceUnit == meridox::UnitMetres) {
        p[0] = in[0];
        p[1] = in[1];
    } else if (sourceUnit == meridox::UnitKilometres) {
        p[0] = in[0] * 1000.0;
        p[1] = in[1] * 1000.0;
    } else {
        return;
    }

    if (src != dst) {
        if (src->Type != 0) {
            if (InverseProjection(*src, p, q) != 0)
                return Fail(q, conv);
            if (conv && dst->Type == 0) {
                const double north[2] = {q[0], q[1] + ConvergenceStep};
                double n[2];
                if (ForwardProjection(*src, north, n) == 0)
                    *conv -= std::atan2(n[0] - p[0], n[1] - p[1]);
                else
                    *conv = NoValue;
            }
        }

        if (src->Datum != dst->Datum || sourceFlag != destinationFlag) {
            const CCoord *fromDatum;
            if (src->Type != 0) {
                fromDatum = GetpCoordFromName(src->Datum.c_str());
            } else {
                q[0] = p[0];
                q[1] = p[1];
                fromDatum = src;
            }
            if (fromDatum == nullptr) {
                if (src->Datum != dst->Name)
                    return Fail(q, conv);
            } else {
                ConvertDatum(*fromDatum, *pivot_, q);
            }
            if (src->Type == 0 && sourceFlag == 2)
                q[0] += parisOffset_;
            if (dst->Type == 0 && destinationFlag == 2)
                q[0] -= parisOffset_;
            const CCoord *toDatum = dst->Type != 0 ? GetpCoordFromName(dst->Datum.c_str()) : dst;
            if (toDatum == nullptr) {
                if (src->Name != dst->Datum)
                    return Fail(q, conv);
            } else if (fromDatum != nullptr) {
                ConvertDatum(*pivot_, *toDatum, q);
            }
        }

        if (dst->Type != 0) {
            if (q[0] != NoValue || q[1] != NoValue) {
                p[0] = q[0];
                p[1] = q[1];
            }
            if (ForwardProjection(*dst, p, q) != 0)
                return Fail(q, conv);
            if (conv) {
                const double north[2] = {p[0], p[1] + ConvergenceStep};
                double n[2];
                if (ForwardProjection(*dst, north, n) == 0)
                    *conv += std::atan2(q[0] - n[0], n[1] - q[1]);
                else
                    *conv = NoValue;
            }
        }
    }

    if (q[0] == NoValue && q[1] == NoValue) {
        q[0] = p[0];
        q[1] = p[1];
    }

    // Destination units.
    if (dst->Type == 0) {
        if (destinationUnit >= 0 && destinationUnit <= 4) {
            const double lon = q[0];
            const double lat = q[1];
            q[0] = meridox::FromRadians(lat, destinationUnit);
            q[1] = meridox::FromRadians(lon, destinationUnit);
        } else {
            SetNoValue(q);
        }
    } else if (destinationUnit == meridox::UnitKilometres) {
        q[0] *= 0.001;
        q[1] *= 0.001;
    } else if (destinationUnit != meridox::UnitMetres) {
        SetNoValue(q);
    }
    // A degenerate definition (zero axis, absurd parameters) must not hand
    // infinities or NaNs to the caller.
    if (!std::isfinite(q[0]) || !std::isfinite(q[1]))
        SetNoValue(q);

    // A convergence without a converted point means nothing.
    if (conv && IsNoValuePair(q))
        *conv = NoValue;
    if (conv) {
        if (*conv == NoValue || !std::isfinite(*conv))
            *conv = NoValue;
        else if (convergenceUnit >= 0 && convergenceUnit <= 4)
            *conv = meridox::FromRadians(*conv, convergenceUnit);
        else
            *conv = NoValue;
    }
}
