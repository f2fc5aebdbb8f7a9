// Text conversion for the library: UTF-8 source text to Windows-1252, markup
// removal, and the folding of transliterations into dictionary keys.
#pragma once

#include <string>
#include <string_view>

namespace library {

// Converts UTF-8 to Windows-1252. Letters outside Windows-1252 become their
// nearest Windows-1252 letter (ō → o, ă → a, ţ → t); Hebrew ayin marks
// (‛ ʻ ʿ) become "'"; combining marks, Greek and Hebrew script and other
// characters without a counterpart are dropped. Malformed UTF-8 bytes are
// dropped and counted in *dropped when given.
std::string toWindows1252(std::string_view utf8, int* dropped = nullptr);

// The Windows-1252 letter without its accent (é → e, Ô → O); other
// characters unchanged.
char withoutAccent(char c);

// Decodes the XML character entities &amp; &lt; &gt; &quot; &apos; and
// numeric ones (&#8220; &#x201C;) into UTF-8, adding their number to
// *decoded when given; anything else that starts with "&" stays as it is.
std::string decodeEntities(std::string_view s, int* decoded = nullptr);

// Collapses runs of blanks, tabs and line ends into one blank and trims.
std::string squeezeBlanks(std::string_view s);

// A dictionary key from a transliteration (UTF-8): lower case a-z, "'" and
// "-" only. Accents are stripped, ayin becomes "'", blanks become "-",
// other characters are dropped; runs of "'" and "-" collapse to their first
// character, and a key never ends in "-" (the word lookup strips it).
std::string foldKey(std::string_view translit);

} // namespace library
