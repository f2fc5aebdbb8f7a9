// Windows-1252, the character set of the library's files, against Unicode:
// the Qt binding shows the texts through it and tessary-library writes the
// imported texts in it.
#pragma once

#include <optional>

namespace formats {

// The code point a byte stands for. Bytes below 0x80 and from 0xA0 are
// their Latin-1 code points; the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control of the same value.
char32_t cp1252ToUnicode(unsigned char byte);

// The byte that stands for a code point (the reverse of cp1252ToUnicode);
// nothing for a code point outside the code page.
[[nodiscard]] std::optional<unsigned char> unicodeToCp1252(char32_t cp);

} // namespace formats
