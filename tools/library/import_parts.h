// The pieces of the importer, shared between its source files.
#pragma once

#include <deque>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "library/imp_reader.h"

namespace library {

// The 66 books: file stem (lower case), the exporter's book name, the
// short title shown in lists and the full title.
struct BibleBook {
    const char* stem;
    const char* exportName;
    const char* title;
};
extern const std::vector<BibleBook> kBibleBooks; // Genesis … Revelation
constexpr int kOldTestamentBooks = 39;

// One numbered word of a Strong's dictionary.
struct LexEntry {
    int number = 0;
    std::string key;     // the dictionary key (folded transliteration)
    std::string heading; // transliteration and pronunciation, Windows-1252
    std::string body;    // the definition source (markup)
};

struct Lexicon {
    char lang = 'G'; // 'G' Greek, 'H' Hebrew
    std::map<int, LexEntry> entries;
    const std::string* keyOf(int number) const;
};

// A library file's lines (without line ends) under its file name.
struct OutFile {
    std::string name;
    std::vector<std::string> lines;
    enum Kind { Plain, Book, Notes, Dictionary } kind = Plain;
};

struct Library {
    std::deque<OutFile> files; // a deque: references stay valid as files are added
    std::ostream& err;
    int problems = 0;
    void report(const std::string& where, const std::string& what);
    OutFile& add(std::string name, OutFile::Kind kind);
};

Lexicon readLexicon(const std::vector<ImpEntry>& entries, char lang, Library& lib);
void writeDictionaries(const Lexicon& greek, const Lexicon& hebrew, Library& lib);

// The file a dictionary key belongs in ("agrkdict.txd"), or "" when the word
// lookup can never reach it.
std::string dictionaryFileFor(const std::string& key, char lang);

struct BibleText {
    // Chapter texts per book: verse lines "c:v>English^ words<keys".
    std::vector<std::vector<std::string>> books;
};
void writeBible(const std::vector<ImpEntry>& kjv, const std::vector<ImpEntry>& commentary,
                const Lexicon& greek, const Lexicon& hebrew, Library& lib);

// The verses of each book that exist, for checking passage references:
// stem → chapter → last verse.
using VerseMap = std::map<std::string, std::map<int, int>>;
VerseMap versesOf(const Library& lib);

void writeTopics(const std::vector<ImpEntry>& nave, const VerseMap& verses, Library& lib);
void writeCatalogue(const std::vector<ImpEntry>& kjv, Library& lib);

} // namespace library
