// Definition lines and angle texts of any shape: parsing must neither crash
// nor read outside the text, and a conversion through an inline definition
// built from the same bytes must stay within bounds too.
#include "cconversion.h"
#include "numbertext.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Exactly the given bytes, without a terminator, for the length-bounded readers.
    const char *bytes = reinterpret_cast<const char *>(data);
    meridox::LeadingDouble(bytes, size);
    meridox::LeadingInt(bytes, size);

    const std::string text(bytes, size);
    CConversion::atofDeg(text.c_str(), true);
    CConversion::atofDeg(text.c_str(), false);
    CCoord coord;
    CConversion::ParseLine(coord, "F", text.c_str());

    static CConversion engine;
    static bool ready = false;
    if (!ready) {
        engine.SetConversion("WGS84", "WGS84,0,WGS84,12,0,0,0,0,0");
        engine.SetPivot("WGS84");
        ready = true;
    }
    const std::string inlineName = "!F=" + text;
    const double in[2] = {150.0, 50.0};
    double out[3];
    engine.DoCalcul(in, inlineName.c_str(), 6, 0, out, "WGS84", 0, 1, 0);
    engine.DoCalcul(in, "WGS84", 2, 1, out, inlineName.c_str(), 5, 0, 2);
    return 0;
}
