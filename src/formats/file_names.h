// The names of the library's files: book stems, the book file of a stem or a
// catalogue key, the notes file of a book, the dictionary of a letter.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace formats {

// The stem of a file name: up to its first ".", in lower case ("" without
// "."). GEN.TXV has the stem gen; references in page texts carry it.
std::string bookStem(std::string_view file);

// The stem the abbreviation table is searched for: like bookStem, with
// blanks trimmed at both ends.
std::string titleStem(std::string_view file);

// The book file of a stem: the stem in upper case followed by ".TXV".
std::string bookFileOfStem(std::string_view stem);

// The book file a catalogue key names: the key itself when it holds ".",
// else the key followed by ".TXV".
std::string bookFileOfKey(std::string_view key);

// The notes file of a book: its name up to the first "." (all of it without
// one) followed by "COM.TXV".
std::string notesFileOf(std::string_view bookFile);

// Whether a file name is a notes file's: it ends in "COM.TXV", letter case
// ignored.
bool isNotesFileName(std::string_view name);

// The dictionary of words beginning with letter in language lang ("Grk",
// "Heb" or ""): the letter, lang in lower case, "dict" and ".txd".
std::string dictionaryFileName(char letter, std::string_view lang);

// The language a dictionary file name serves ("Grk", "Heb", or "" for a
// letter followed by "dict.txd"), letter case ignored; nothing for a name of
// another form.
[[nodiscard]] std::optional<std::string> dictionaryLanguage(std::string_view name);

} // namespace formats
