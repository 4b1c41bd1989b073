#pragma once

#include <QString>

// The three type families the reports use. Documents name the fonts as "Arial",
// "Courier New" and "Times New Roman"; the PDF writer draws them with the base-14
// fonts Helvetica, Courier and Times, the screen and the printer with Liberation Sans,
// Mono and Serif. All three pairs share their character widths, so a page laid out
// once looks the same on every back end.
enum class ReportFontFamily { Sans, Mono, Serif };

struct ReportFont {
    QString name = QStringLiteral("Arial");
    double sizePt = 12.0;
    bool bold = false;

    ReportFontFamily family() const;
    // Distance between two lines of text in millimetres: ascent, descent and line gap of
    // the family (the fonts' own vertical metrics) at this size.
    double linePitchMm() const;
    // Distance from the top of a text line to its baseline in millimetres.
    double ascentMm() const;
};

// "Courier New" and other monospaced names map to Mono, "Times New Roman" and serif names
// to Serif; everything else ("Arial", unknown names) to Sans.
ReportFontFamily FontFamilyForName(const QString &name);

// "Helvetica", "Helvetica-Bold", "Courier", "Courier-Bold", "Times-Roman", "Times-Bold".
const char *Base14FontName(ReportFontFamily family, bool bold);

// "Liberation Sans", "Liberation Mono", "Liberation Serif".
QString ScreenFontName(ReportFontFamily family);

constexpr double kMmPerPoint = 25.4 / 72.0;
