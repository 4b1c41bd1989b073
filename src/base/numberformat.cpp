#include "base/numberformat.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

namespace
{
// Beyond this a double has no fractional digits left to round.
constexpr double ExactIntegerLimit = 4503599627370496.0; // 2^52

QString stripTrailingZeros(QString text)
{
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

QString groupThousands(const QString &digits)
{
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ThousandSeparator;
        out += digits.at(i);
    }
    return out;
}

// Fixed text with '.' as decimal point, rounded and stripped.
QString roundedPlain(double value, int decimals)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const double rounded = RoundHalfEven(value, decimals);
    return stripTrailingZeros(QString::number(rounded, 'f', qMax(0, decimals)));
}
} // namespace

void ApplyNumberFormat()
{
    // Dutch as written in Belgium uses exactly "," and ".".
    QLocale locale(QLocale::Dutch, QLocale::Belgium);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

std::optional<double> ParseNumber(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([+-]?)(\\d{1,3}(?:\\.\\d{3})+|\\d*)(?:,(\\d*))?(?:[eE]([+-]?\\d+))?$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    QString integerPart = m.captured(2);
    const QString fraction = m.captured(3);
    if (integerPart.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    integerPart.remove(ThousandSeparator);

    QString plain = m.captured(1) + (integerPart.isEmpty() ? QStringLiteral("0") : integerPart);
    if (!fraction.isEmpty())
        plain += QLatin1Char('.') + fraction;
    if (m.hasCaptured(4) && !m.captured(4).isEmpty())
        plain += QLatin1Char('e') + m.captured(4);

    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double NumberOrZero(const QString &text)
{
    return ParseNumber(text).value_or(0.0);
}

double RoundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= ExactIntegerLimit)
        return value;
    const double lower = std::floor(scaled);
    const double diff = scaled - lower;
    // Tolerance for decimal halves stored a few units in the last place off.
    const double tolerance = std::max(1e-9, std::fabs(scaled) * 8 * DBL_EPSILON);
    double result;
    if (std::fabs(diff - 0.5) <= tolerance)
        result = std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
    else
        result = diff < 0.5 ? lower : lower + 1.0;
    return result / scale;
}

int RoundToInt(double value)
{
    const double rounded = RoundHalfEven(value, 0);
    if (!(rounded > double(INT_MIN) - 1.0 && rounded < double(INT_MAX) + 1.0))
        return rounded > 0 ? INT_MAX : (rounded < 0 ? INT_MIN : 0);
    return static_cast<int>(rounded);
}

QString FormatNumber(double value)
{
    QString text = QString::number(value, 'g', 15);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text.replace(QLatin1Char('.'), DecimalSeparator);
}

QString FormatRounded(double value, int decimals)
{
    return roundedPlain(value, decimals).replace(QLatin1Char('.'), DecimalSeparator);
}

QString FormatGrouped(double value, int decimals)
{
    QString plain = roundedPlain(value, decimals);
    if (!std::isfinite(value))
        return plain;
    QString sign;
    if (plain.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        plain.remove(0, 1);
    }
    const int point = plain.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? plain : plain.left(point);
    QString out = sign + groupThousands(whole);
    if (point >= 0)
        out += DecimalSeparator + plain.mid(point + 1);
    return out;
}

namespace
{

// value rounded to `decimals` places (negative: to tens, hundreds...), a half away
// from zero. The product is first cut to 9 decimals so that a decimal half that
// binary floating point stores just below it (2,675) still counts as a half.
double RoundHalfAwayFromZero(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double snapped = std::round(value * scale * 1e9) / 1e9;
    return std::round(snapped) / scale;
}

// Number of digits before the decimal point of |value| (0 for values below 1).
int IntegerDigits(double value)
{
    const double magnitude = std::fabs(value);
    return magnitude < 1.0 ? 0 : int(std::floor(std::log10(magnitude))) + 1;
}

} // namespace

QString FormatFixed(double value, int decimals, int significant, HalfRounding halves,
                    WideValues wide)
{
    decimals = std::max(decimals, 0);
    if (!std::isfinite(value))
        value = 0.0;
    const auto round = [halves](double v, int places) {
        return halves == HalfRounding::ToEven ? RoundHalfEven(v, places)
                                              : RoundHalfAwayFromZero(v, places);
    };
    const auto exponent = [significant](double v) {
        return QString::number(v, 'E', std::max(significant - 1, 0))
            .replace(QLatin1Char('.'), DecimalSeparator);
    };
    const int digits = IntegerDigits(value);
    if (wide == WideValues::Exponent && digits > significant)
        return exponent(value);
    double rounded = round(value, std::min(decimals, significant - digits));
    // Rounding can add a digit (99,996 -> 100,00; 9999,6 -> 10000).
    const int roundedDigits = IntegerDigits(rounded);
    if (roundedDigits > digits) {
        if (wide == WideValues::Exponent && roundedDigits > significant)
            return exponent(rounded);
        rounded = round(rounded, std::min(decimals, significant - roundedDigits));
    }
    if (rounded == 0.0)
        rounded = 0.0; // no "-0,00"
    return QString::number(rounded, 'f', decimals).replace(QLatin1Char('.'), DecimalSeparator);
}

QString TextAfterTyping(const QString &text, int cursor, int selectionStart, int selectionLength,
                        QChar typed)
{
    QString result = text;
    if (selectionLength > 0 && selectionStart >= 0 && selectionStart <= result.size()) {
        result.replace(selectionStart, selectionLength, typed);
        return result;
    }
    result.insert(qBound(0, cursor, int(result.size())), typed);
    return result;
}

bool IsTypedNumber(const QString &text, bool decimalsAllowed, bool negativeAllowed)
{
    int i = 0;
    if (negativeAllowed && text.startsWith(QLatin1Char('-')))
        ++i;
    bool separator = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c.unicode() < 128)
            continue;
        if (decimalsAllowed && c == DecimalSeparator && !separator) {
            separator = true;
            continue;
        }
        return false;
    }
    return true;
}

QChar FilterNumberKey(QChar typed, bool decimalsAllowed)
{
    if (typed.isDigit() && typed.unicode() < 128)
        return typed;
    if (decimalsAllowed && (typed == DecimalSeparator || typed == ThousandSeparator))
        return DecimalSeparator;
    return QChar();
}
