// Upper and lower case of Windows-1252 letters, the character set of the
// library's files: ASCII letters, the accented letters of Latin-1, and the
// pairs Š/š, Œ/œ, Ž/ž and Ÿ/ÿ.
#pragma once

#include <string>

namespace platform {

char upperLetter(char c);
char lowerLetter(char c);
std::string upperText(std::string s);
std::string lowerText(std::string s);

} // namespace platform
