// Upper and lower case of Windows-1252 letters, the character set of the
// library's files: ASCII letters, the accented letters of Latin-1, and the
// pairs Š/š, Œ/œ, Ž/ž and Ÿ/ÿ. Every comparison "without regard to case" in
// the program and in tessary-library goes through these.
#pragma once

#include <string>
#include <string_view>

namespace formats {

// The capital of a lower-case letter; any other byte as it is.
char upperLetter(char c);
// The small letter of a capital; any other byte as it is.
char lowerLetter(char c);
// Every letter of s in upper case.
std::string upperText(std::string s);
// Every letter of s in lower case.
std::string lowerText(std::string s);

// Whether a sorts before b when letter case is ignored: the bytes compared
// as unsigned values after lowerLetter, a prefix first.
bool lessNoCase(std::string_view a, std::string_view b);

// Only the letters a to z upper-cased: for UTF-8 text, whose other bytes
// must stay as they are.
std::string asciiUpperText(std::string s);

} // namespace formats
