#include "reportengine/textwidth.h"

#include "reportengine/winansi.h"

#include <array>
#include <hpdf.h>

namespace
{
// Advance widths of the 256 WinAnsi bytes in 1/1000 of the font size.
using WidthTable = std::array<float, 256>;

struct AllWidths {
    std::array<WidthTable, 6> tables{}; // family * 2 + bold
};

void ignoreError(HPDF_STATUS, HPDF_STATUS, void *) {}

AllWidths loadWidths()
{
    AllWidths all;
    HPDF_Doc doc = HPDF_New(ignoreError, nullptr);
    const ReportFontFamily families[] = {ReportFontFamily::Sans, ReportFontFamily::Mono,
                                         ReportFontFamily::Serif};
    for (int f = 0; f < 3; ++f) {
        for (int bold = 0; bold < 2; ++bold) {
            WidthTable &table = all.tables[static_cast<size_t>(f * 2 + bold)];
            // Fallback when the library is unusable: an average width keeps layout going.
            table.fill(500.0F);
            if (!doc)
                continue;
            HPDF_Font font =
                HPDF_GetFont(doc, Base14FontName(families[f], bold != 0), "WinAnsiEncoding");
            if (!font)
                continue;
            for (int b = 1; b < 256; ++b) {
                const char text[2] = {static_cast<char>(b), 0};
                const HPDF_TextWidth w =
                    HPDF_Font_TextWidth(font, reinterpret_cast<const HPDF_BYTE *>(text), 1);
                table[static_cast<size_t>(b)] = static_cast<float>(w.width);
            }
            table[0] = 0.0F;
        }
    }
    if (doc)
        HPDF_Free(doc);
    return all;
}

const WidthTable &tableFor(const ReportFont &font)
{
    static const AllWidths all = loadWidths();
    const int family = static_cast<int>(font.family());
    return all.tables[static_cast<size_t>(family * 2 + (font.bold ? 1 : 0))];
}
} // namespace

double TextWidthMm(const ReportFont &font, const QString &text)
{
    const WidthTable &table = tableFor(font);
    double units = 0.0;
    for (const char b : ToWinAnsi(text))
        units += table[static_cast<unsigned char>(b)];
    return units / 1000.0 * font.sizePt * kMmPerPoint;
}
