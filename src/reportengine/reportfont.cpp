#include "reportengine/reportfont.h"

namespace
{
// Vertical metrics in font units of 2048 (ascent, descent, line gap), as carried by the
// fonts that stand for Arial, Courier New and Times New Roman.
struct VerticalMetrics {
    int ascent;
    int descent;
    int lineGap;
};

VerticalMetrics metricsOf(ReportFontFamily family)
{
    switch (family) {
    case ReportFontFamily::Mono:
        return {1705, 615, 0};
    case ReportFontFamily::Serif:
        return {1825, 443, 87};
    case ReportFontFamily::Sans:
        break;
    }
    return {1854, 434, 67};
}
} // namespace

ReportFontFamily FontFamilyForName(const QString &name)
{
    const QString n = name.toLower();
    if (n.contains(QLatin1String("courier")) || n.contains(QLatin1String("mono")))
        return ReportFontFamily::Mono;
    if (n.contains(QLatin1String("sans")))
        return ReportFontFamily::Sans;
    if (n.contains(QLatin1String("times")) || n.contains(QLatin1String("serif")))
        return ReportFontFamily::Serif;
    return ReportFontFamily::Sans;
}

const char *Base14FontName(ReportFontFamily family, bool bold)
{
    switch (family) {
    case ReportFontFamily::Mono:
        return bold ? "Courier-Bold" : "Courier";
    case ReportFontFamily::Serif:
        return bold ? "Times-Bold" : "Times-Roman";
    case ReportFontFamily::Sans:
        break;
    }
    return bold ? "Helvetica-Bold" : "Helvetica";
}

QString ScreenFontName(ReportFontFamily family)
{
    switch (family) {
    case ReportFontFamily::Mono:
        return QStringLiteral("Liberation Mono");
    case ReportFontFamily::Serif:
        return QStringLiteral("Liberation Serif");
    case ReportFontFamily::Sans:
        break;
    }
    return QStringLiteral("Liberation Sans");
}

ReportFontFamily ReportFont::family() const
{
    return FontFamilyForName(name);
}

double ReportFont::linePitchMm() const
{
    const VerticalMetrics m = metricsOf(family());
    return sizePt * kMmPerPoint * (m.ascent + m.descent + m.lineGap) / 2048.0;
}

double ReportFont::ascentMm() const
{
    return sizePt * kMmPerPoint * metricsOf(family()).ascent / 2048.0;
}
