#include "reportengine/winansi.h"

namespace
{
// Unicode code points of the bytes 0x80..0x9F; 0 marks a byte with no character.
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char encodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighBlock[i] != 0 && kHighBlock[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}
} // namespace

QByteArray ToWinAnsi(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i; // a character outside the basic plane has no WinAnsi byte
            out.append('?');
            continue;
        }
        out.append(encodeOne(c.unicode()));
    }
    return out;
}

QString FromWinAnsi(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u <= 0x9F)
            out.append(kHighBlock[u - 0x80] ? QChar(kHighBlock[u - 0x80]) : QChar(u'?'));
        else
            out.append(QChar(char16_t(u)));
    }
    return out;
}
