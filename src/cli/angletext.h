#pragma once

#include <string>
#include <string_view>

// An angle typed on vlmcli's command line, as whole degrees, minutes and
// seconds (seconds may carry decimals) and a sign.
struct ParsedAngle {
    bool negative = false;
    double degrees = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;

    double decimalDegrees() const;
};

enum class AngleAxis { Latitude, Longitude };

// Reads a latitude or longitude written as decimal degrees ("50.840278",
// "-4.5") or as degrees, minutes and seconds separated by ':', spaces or the
// marks ° ' " ("50:50:25", "50°50'25.5\""), optionally followed or preceded by
// a hemisphere letter (N/S for a latitude, E/W for a longitude; S and W make
// the angle negative). Refuses minutes or seconds outside 0..60, a latitude
// beyond 90 or a longitude beyond 180 degrees. On failure returns false and
// puts the reason into *error.
bool ParseAngle(std::string_view text, AngleAxis axis, ParsedAngle &angle, std::string *error);
