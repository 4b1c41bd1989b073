#include "cli/clinumbers.h"

#include <charconv>
#include <climits>
#include <cmath>

bool ParseNumber(std::string_view text, double &value)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-')
            return false;
    }
    const char *end = text.data() + text.size();
    double parsed = 0.0;
    const auto [stop, error] = std::from_chars(text.data(), end, parsed);
    if (error != std::errc() || stop != end || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool ParseWholeNumber(std::string_view text, int &value)
{
    double parsed = 0.0;
    if (!ParseNumber(text, parsed) || std::trunc(parsed) != parsed)
        return false;
    if (parsed < static_cast<double>(INT_MIN) || parsed > static_cast<double>(INT_MAX))
        return false;
    value = static_cast<int>(parsed);
    return true;
}

namespace
{

void AppendNumber(std::string &out, double value, int digits)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    out.append(buffer, result.ptr);
}

} // namespace

void AppendExactNumber(std::string &out, double value)
{
    AppendNumber(out, value, 17);
}

void AppendShortNumber(std::string &out, double value)
{
    AppendNumber(out, value, 6);
}
