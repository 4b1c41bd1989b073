#include "cconversion.h"

#include "angleunits.h"
#include "numbertext.h"
#include "spheroids.h"

#include <cstring>
#include <vector>

namespace
{

struct Field {
    const char *text;
    std::size_t length;
};

// The pieces of a line between commas. A line ending in a comma has no field
// after it; an empty piece between two commas is an empty field.
std::vector<Field> SplitFields(const char *line)
{
    std::vector<Field> fields;
    if (line == nullptr)
        return fields;
    const std::size_t length = std::strlen(line);
    std::size_t start = 0;
    while (start < length) {
        const char *comma =
            static_cast<const char *>(std::memchr(line + start, ',', length - start));
        const std::size_t end = comma ? static_cast<std::size_t>(comma - line) : length;
        fields.push_back(Field{line + start, end - start});
        start = end + 1;
    }
    return fields;
}

double AtofDeg(const char *text, std::size_t length, bool pack)
{
    if (text == nullptr || length == 0)
        return 0.0;
    const double v = meridox::LeadingDouble(text, length);
    int unit;
    switch (static_cast<unsigned char>(text[length - 1])) {
    case 0xB0:
        unit = meridox::UnitDms;
        break;
    case 'm':
        unit = meridox::UnitDm;
        break;
    case 'd':
        unit = meridox::UnitDegrees;
        break;
    case 'g':
        unit = meridox::UnitGrads;
        break;
    default:
        return v;
    }
    const double r = meridox::ToRadians(v, unit);
    return pack ? meridox::PackRadians(r) : r;
}

} // namespace

CConversion::CConversion() = default;

CConversion::~CConversion() = default;

void CConversion::SetParis(double radians)
{
    parisOffset_ = radians;
}

void CConversion::SetPivot(const char *name)
{
    pivot_ = GetpCoordFromName(name);
}

void CConversion::SetConversion(const char *name, const char *line)
{
    if (name == nullptr)
        return;
    auto coord = std::make_unique<CCoord>();
    ParseLine(*coord, name, line);
    std::unique_ptr<CCoord> &slot = liste_[name];
    if (slot && pivot_ == slot.get())
        pivot_ = coord.get();
    slot = std::move(coord);
}

void CConversion::ParseLine(CCoord &coord, const char *name, const char *line)
{
    coord = CCoord();
    coord.Name = name ? name : "";
    const std::vector<Field> fields = SplitFields(line);
    auto text = [&](std::size_t i) {
        return i < fields.size() ? std::string(fields[i].text, fields[i].length) : std::string();
    };
    auto integer = [&](std::size_t i) {
        return i < fields.size() ? meridox::LeadingInt(fields[i].text, fields[i].length) : 0;
    };
    coord.FullName = text(0);
    std::int32_t type = integer(1);
    if (type < 0)
        type = -(type / 10); // -320 stands for 32
    coord.Type = type;
    coord.Datum = text(2);
    coord.Spheroid = integer(3);
    // Parameters past the fifteenth have no place in the record and are ignored.
    for (std::size_t k = 0; k < CCoord::ParamCount && 4 + k < fields.size(); ++k)
        coord.Param[k] = AtofDeg(fields[4 + k].text, fields[4 + k].length, true);
    coord.Helmert7 = coord.Type == 0 && fields.size() > 9;
}

double CConversion::atofDeg(const char *text, bool pack)
{
    return text ? AtofDeg(text, std::strlen(text), pack) : 0.0;
}

void CConversion::EmptyListe()
{
    pivot_ = nullptr;
    liste_.clear();
}

int CConversion::IsListeEmpty() const
{
    return liste_.empty() ? 1 : 0;
}

CCoord *CConversion::GetpCoordFromName(const char *name) const
{
    if (name == nullptr)
        return nullptr;
    const auto it = liste_.find(name);
    return it == liste_.end() ? nullptr : it->second.get();
}

CCoord *CConversion::GetpCoordFromFullName(const char *fullName) const
{
    if (fullName == nullptr)
        return nullptr;
    for (const auto &entry : liste_) {
        if (entry.second->FullName == fullName)
            return entry.second.get();
    }
    return nullptr;
}

int CConversion::GetTypeCoord(const char *name) const
{
    const CCoord *coord = GetpCoordFromName(name);
    return coord ? coord->Type : -1;
}

void CConversion::sphdz(int code, const double *param, double *semiMajor, double *semiMinor,
                        double *radius)
{
    const meridox::SpheroidAxes axes = meridox::SpheroidFor(code, param);
    if (semiMajor)
        *semiMajor = axes.semiMajor;
    if (semiMinor)
        *semiMinor = axes.semiMinor;
    if (radius)
        *radius = axes.radius;
}
