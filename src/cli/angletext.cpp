#include "cli/angletext.h"

#include "cli/clinumbers.h"

#include <cctype>
#include <cmath>
#include <vector>

namespace
{

// The UTF-8 degree sign, and the same byte as Windows-1252 writes it.
constexpr std::string_view DegreeSign = "\xC2\xB0";

bool IsSeparator(char c)
{
    return c == ':' || c == '\'' || c == '"' || std::isspace(static_cast<unsigned char>(c));
}

// Takes a hemisphere letter off either end of the text; 0 when there is none.
char TakeHemisphere(std::string &text)
{
    auto letter = [](char c) {
        const char u = char(std::toupper(static_cast<unsigned char>(c)));
        return (u == 'N' || u == 'S' || u == 'E' || u == 'W') ? u : char(0);
    };
    if (!text.empty()) {
        if (const char h = letter(text.back())) {
            text.pop_back();
            return h;
        }
        if (const char h = letter(text.front())) {
            text.erase(0, 1);
            return h;
        }
    }
    return 0;
}

} // namespace

double ParsedAngle::decimalDegrees() const
{
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    return negative ? -value : value;
}

bool ParseAngle(std::string_view input, AngleAxis axis, ParsedAngle &angle, std::string *error)
{
    const bool latitude = axis == AngleAxis::Latitude;
    auto fail = [&](const std::string &reason) {
        if (error)
            *error = reason;
        return false;
    };

    std::string text(input);
    for (std::size_t at = text.find(DegreeSign); at != std::string::npos;
         at = text.find(DegreeSign))
        text.replace(at, DegreeSign.size(), " ");
    for (char &c : text) {
        if (static_cast<unsigned char>(c) == 0xB0)
            c = ' ';
    }
    while (!text.empty() && IsSeparator(text.back()))
        text.pop_back();
    while (!text.empty() && IsSeparator(text.front()))
        text.erase(0, 1);

    const char hemisphere = TakeHemisphere(text);
    if (hemisphere != 0) {
        const bool fits = latitude ? (hemisphere == 'N' || hemisphere == 'S')
                                   : (hemisphere == 'E' || hemisphere == 'W');
        if (!fits)
            return fail(std::string("the hemisphere ") + hemisphere + " does not suit a " +
                        (latitude ? "latitude" : "longitude"));
    }

    std::vector<std::string> parts;
    std::string current;
    for (const char c : text) {
        if (IsSeparator(c)) {
            if (!current.empty())
                parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(current);
    if (parts.empty() || parts.size() > 3)
        return fail("'" + std::string(input) + "' is not an angle");

    double values[3] = {0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!ParseNumber(parts[i], values[i]))
            return fail("'" + std::string(input) + "' is not an angle");
        if (i > 0 && (values[i] < 0.0 || std::signbit(values[i])))
            return fail("only the degrees of '" + std::string(input) + "' may carry a sign");
    }
    if (parts.size() > 1 && values[0] != std::trunc(values[0]))
        return fail("the degrees of '" + std::string(input) +
                    "' must be whole when minutes follow");
    if (parts.size() > 2 && values[1] != std::trunc(values[1]))
        return fail("the minutes of '" + std::string(input) +
                    "' must be whole when seconds follow");
    if (values[1] >= 60.0 || values[2] >= 60.0)
        return fail("minutes and seconds of '" + std::string(input) + "' must be below 60");

    bool negative = std::signbit(values[0]);
    if (hemisphere == 'S' || hemisphere == 'W') {
        if (negative)
            return fail("'" + std::string(input) + "' has both a sign and a hemisphere");
        negative = true;
    }
    ParsedAngle result;
    result.negative = negative;
    // Decimal degrees and decimal minutes are spread over the smaller units.
    double degrees = std::fabs(values[0]);
    double minutes = values[1];
    double seconds = values[2];
    if (parts.size() == 1) {
        const double whole = std::trunc(degrees);
        minutes = (degrees - whole) * 60.0;
        degrees = whole;
    }
    if (parts.size() <= 2) {
        const double whole = std::trunc(minutes);
        seconds = (minutes - whole) * 60.0;
        minutes = whole;
    }
    result.degrees = degrees;
    result.minutes = minutes;
    result.seconds = seconds;

    const double limit = latitude ? 90.0 : 180.0;
    if (std::fabs(result.decimalDegrees()) > limit)
        return fail("'" + std::string(input) + "' lies beyond " + (latitude ? "90" : "180") +
                    " degrees");
    angle = result;
    return true;
}
