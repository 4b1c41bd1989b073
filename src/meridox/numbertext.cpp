#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace meridox
{
namespace
{

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double LeadingDouble(const char *text, std::size_t length)
{
    if (text == nullptr)
        return 0.0;
    std::size_t i = 0;
    while (i < length && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < length && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < length && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < length && text[i] == '.') {
        ++i;
        while (i < length && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < length && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < length && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < length && IsDigit(text[j])) {
            while (j < length && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(text + start, text + i, value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

int LeadingInt(const char *text, std::size_t length)
{
    if (text == nullptr)
        return 0;
    std::size_t i = 0;
    while (i < length && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < length && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    while (i < length && IsDigit(text[i])) {
        if (value <= INT32_MAX)
            value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int>(value);
}

} // namespace meridox
