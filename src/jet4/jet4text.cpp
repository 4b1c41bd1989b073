#include "jet4text.h"

namespace jet4
{
namespace
{

bool ContinuationByte(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// A low byte of zero would read as a mode switch inside a compressed text.
bool HasZeroLowByte(const std::u16string &text)
{
    for (char16_t unit : text) {
        if ((unit & 0xFF) == 0)
            return true;
    }
    return false;
}

Bytes CompressedForm(const std::u16string &text)
{
    Bytes out{0xFF, 0xFE};
    bool oneByte = true;
    for (char16_t unit : text) {
        const bool fits = unit <= 0xFF;
        if (fits != oneByte) {
            out.push_back(0);
            oneByte = fits;
        }
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        if (!fits)
            out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return out;
}

} // namespace

bool Utf8ToUtf16(const std::string &utf8, std::u16string &utf16)
{
    utf16.clear();
    utf16.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        std::size_t extra = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1F;
            extra = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F;
            extra = 2;
        } else if ((lead & 0xF8) == 0xF0) {
            cp = lead & 0x07;
            extra = 3;
        } else {
            return false;
        }
        if (i + extra >= utf8.size())
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            if (!ContinuationByte(c))
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (cp < smallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            utf16.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            utf16.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            utf16.push_back(static_cast<char16_t>(cp));
        }
        i += extra + 1;
    }
    return true;
}

Bytes EncodeUtf16(const std::u16string &text)
{
    Bytes out;
    out.reserve(text.size() * 2);
    for (char16_t unit : text) {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return out;
}

bool EncodeText(const std::u16string &text, bool allowCompression, Bytes &out)
{
    const bool canCompress = !HasZeroLowByte(text);
    // Plain UTF-16 that starts with 0xFF 0xFE would read back as compressed.
    const bool plainAmbiguous = !text.empty() && text.front() == 0xFEFF;
    if (canCompress && (allowCompression || plainAmbiguous)) {
        Bytes compressed = CompressedForm(text);
        if (plainAmbiguous || compressed.size() < text.size() * 2) {
            out = std::move(compressed);
            return true;
        }
    }
    if (plainAmbiguous)
        return false;
    out = EncodeUtf16(text);
    return true;
}

} // namespace jet4
