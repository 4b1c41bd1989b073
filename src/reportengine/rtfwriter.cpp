#include "reportengine/rtfwriter.h"

#include "base/safefile.h"
#include "reportengine/reportfont.h"
#include "reportengine/winansi.h"

#include <cmath>

namespace
{
int twips(double mm)
{
    return static_cast<int>(std::lround(mm / 25.4 * 1440.0));
}

const char *familyKeyword(ReportFontFamily family)
{
    switch (family) {
    case ReportFontFamily::Mono:
        return "\\fmodern";
    case ReportFontFamily::Serif:
        return "\\froman";
    case ReportFontFamily::Sans:
        break;
    }
    return "\\fswiss";
}

// Escapes a font name or a line of text for RTF.
QByteArray escaped(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out.append('\\').append(static_cast<char>(u));
        } else if (u == u'\t') {
            out.append("\\tab ");
        } else if (u == u'\f') {
            out.append("\\page ");
        } else if (u < 0x20 || u == 0x7F) {
            continue; // other control characters have no place in a paragraph
        } else if (u < 0x80) {
            out.append(static_cast<char>(u));
        } else {
            const QByteArray byte = ToWinAnsi(QString(c));
            if (byte != "?") {
                out.append("\\'").append(byte.toHex());
            } else {
                // \uN takes a signed 16-bit number, followed by the fallback character.
                out.append("\\u").append(QByteArray::number(static_cast<qint16>(u))).append('?');
            }
        }
    }
    return out;
}
} // namespace

QByteArray RtfText(const RtfDocument &document)
{
    const ReportFontFamily family = FontFamilyForName(document.fontName);
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    rtf += "{\\fonttbl{\\f0" + QByteArray(familyKeyword(family)) + "\\fcharset0 " +
           escaped(document.fontName) + ";}}\n";
    rtf += "\\paperw11906\\paperh16838";
    rtf += "\\margl" + QByteArray::number(twips(document.marginLeftMm));
    rtf += "\\margr" + QByteArray::number(twips(document.marginRightMm));
    rtf += "\\margt" + QByteArray::number(twips(document.marginTopMm));
    rtf += "\\margb" + QByteArray::number(twips(document.marginBottomMm)) + "\n";
    const int halfPoints = static_cast<int>(std::lround(document.sizePt * 2.0));
    rtf += "\\pard\\plain\\f0\\fs" + QByteArray::number(halfPoints) + "\n";
    for (const QString &line : document.lines)
        rtf += escaped(line) + "\\par\n";
    rtf += "}\n";
    return rtf;
}

bool WriteRtfFile(const RtfDocument &document, const QString &path, QString *error)
{
    return WriteFileSafely(path, RtfText(document), error);
}
