#pragma once

#include "jet4database.h"

#include <string>

// Text as Jet 4 stores it: UTF-16 little endian, optionally in the "compressed"
// form (a 0xFF 0xFE mark, then one byte per character up to U+00FF, a zero byte
// switching between one-byte and two-byte runs).
namespace jet4
{

// UTF-8 to UTF-16; false for input that is not valid UTF-8.
bool Utf8ToUtf16(const std::string &utf8, std::u16string &utf16);

// The stored bytes of a text. With compression allowed, the compressed form is
// used when it is shorter and can represent the text. False only for the one text
// no form can hold: one that starts with U+FEFF and also holds a character whose
// low byte is zero.
bool EncodeText(const std::u16string &text, bool allowCompression, Bytes &out);

// Plain UTF-16 little endian, as names in table definitions are stored.
Bytes EncodeUtf16(const std::u16string &text);

} // namespace jet4
