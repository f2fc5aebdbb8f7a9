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

// What an import converted, for its summary.
struct ImportCounts {
    long taggedWords = 0;   // Strong's numbers the verses of the source tag
    long words = 0;         // words written into the verse lines
    long sections = 0;      // commentary sections of the notes files
    long attached = 0;      // of them linked from a verse
    long headingSlots = 0;  // commentary of chapter and book heading slots
    long headings = 0;      // verses headed by a title or heading
    long subscriptions = 0; // verses followed by a subscription
    int entities = 0;       // character entities in the sources
    int divineMarkers = 0;  // divine-name markers of another format
};

struct Library {
    std::deque<OutFile> files; // a deque: references stay valid as files are added
    std::ostream& err;
    int problems = 0;
    ImportCounts counts;
    void report(const std::string& where, const std::string& what);
    OutFile& add(std::string name, OutFile::Kind kind);
};

Lexicon readLexicon(const std::vector<ImpEntry>& entries, char lang, Library& lib);
void writeDictionaries(const Lexicon& greek, const Lexicon& hebrew, Library& lib);

// The file a dictionary key belongs in ("agrkdict.txd"), or "" when the word
// lookup can never reach it.
std::string dictionaryFileFor(const std::string& key, char lang);

// One verse of the exported text as the book shows it.
struct Verse {
    int number = 0;
    std::string english;
    std::string heading;                     // a title or heading printed before the verse
    std::string subscription;                // a title printed after it (an epistle's subscription)
    std::vector<std::pair<char, int>> words; // Strong's numbers in order
    std::vector<std::string> footnotes;      // "1:4 text"
    int tagged = 0;                          // Strong's numbers in the source's text of the verse
};

// The verse's English, titles, words and margin notes from its markup.
Verse readVerse(const std::string& body, int number);

// The body with the divine name's markers of another format ("\nd LORD\+nd*",
// "\nd " before a closing tag) made tags; adds their number to markers.
std::string withDivineNameTags(std::string body, int& markers);

// UTF-8 source text as verse or note text: entities decoded, Windows-1252,
// blanks squeezed, the characters the reader gives a meaning replaced.
std::string verseText(const std::string& utf8);

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

// A verse reference of the sources ("Exod.6.16", "Exod.6.16-Exod.6.20",
// a whole chapter "Num.17") as a passage reference of the verses that exist
// ("exo 6:16-20\"); "" when it names no verse of the library.
std::string passageRef(const std::string& osis, const VerseMap& verses);

// What a notes line of commentary begins with, before its verses.
constexpr const char* kCommentaryLabel = "Commentary, ";

// The first section of commentary that the verse stem page:para links, as
// its notes file holds it ("Commentary, gen 1:1-2: …"); "" when it has none.
std::string commentaryOn(const Library& lib, const std::string& stem, const std::string& key);

void writeTopics(const std::vector<ImpEntry>& nave, const VerseMap& verses, Library& lib);
void writeCatalogue(const std::vector<ImpEntry>& kjv, const VerseMap& verses, Library& lib);

} // namespace library
