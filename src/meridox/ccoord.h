#pragma once

#include "meridox.h"

#include <cstdint>
#include <string>

// One coordinate-system definition, parsed from a definition line:
// full name, projection code, datum name, spheroid code and up to fifteen
// numeric parameters.
class MERIDOX_API CCoord
{
public:
    static constexpr int ParamCount = 15;

    CCoord();
    virtual ~CCoord();

    std::string Name;
    std::string FullName;
    std::string Datum;
    std::int32_t Type = -1;
    std::int32_t Spheroid = -1;
    double Param[ParamCount] = {};
    bool Helmert7 = false;
};
