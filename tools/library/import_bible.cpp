#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "formats/book_file.h"
#include "formats/letter_case.h"
#include "library/import_parts.h"
#include "library/text1252.h"

namespace library {

const std::vector<BibleBook> kBibleBooks = {
    {"gen", "Genesis", "Genesis"},
    {"exo", "Exodus", "Exodus"},
    {"lev", "Leviticus", "Leviticus"},
    {"num", "Numbers", "Numbers"},
    {"deu", "Deuteronomy", "Deuteronomy"},
    {"jos", "Joshua", "Joshua"},
    {"jdg", "Judges", "Judges"},
    {"rut", "Ruth", "Ruth"},
    {"1sa", "I Samuel", "1 Samuel"},
    {"2sa", "II Samuel", "2 Samuel"},
    {"1ki", "I Kings", "1 Kings"},
    {"2ki", "II Kings", "2 Kings"},
    {"1ch", "I Chronicles", "1 Chronicles"},
    {"2ch", "II Chronicles", "2 Chronicles"},
    {"ezr", "Ezra", "Ezra"},
    {"neh", "Nehemiah", "Nehemiah"},
    {"est", "Esther", "Esther"},
    {"job", "Job", "Job"},
    {"psa", "Psalms", "Psalms"},
    {"pro", "Proverbs", "Proverbs"},
    {"ecc", "Ecclesiastes", "Ecclesiastes"},
    {"sng", "Song of Solomon", "Song of Solomon"},
    {"isa", "Isaiah", "Isaiah"},
    {"jer", "Jeremiah", "Jeremiah"},
    {"lam", "Lamentations", "Lamentations"},
    {"eze", "Ezekiel", "Ezekiel"},
    {"dan", "Daniel", "Daniel"},
    {"hos", "Hosea", "Hosea"},
    {"joe", "Joel", "Joel"},
    {"amo", "Amos", "Amos"},
    {"oba", "Obadiah", "Obadiah"},
    {"jon", "Jonah", "Jonah"},
    {"mic", "Micah", "Micah"},
    {"nah", "Nahum", "Nahum"},
    {"hab", "Habakkuk", "Habakkuk"},
    {"zep", "Zephaniah", "Zephaniah"},
    {"hag", "Haggai", "Haggai"},
    {"zec", "Zechariah", "Zechariah"},
    {"mal", "Malachi", "Malachi"},
    {"mat", "Matthew", "Matthew"},
    {"mar", "Mark", "Mark"},
    {"luk", "Luke", "Luke"},
    {"joh", "John", "John"},
    {"act", "Acts", "Acts"},
    {"rom", "Romans", "Romans"},
    {"1co", "I Corinthians", "1 Corinthians"},
    {"2co", "II Corinthians", "2 Corinthians"},
    {"gal", "Galatians", "Galatians"},
    {"eph", "Ephesians", "Ephesians"},
    {"phi", "Philippians", "Philippians"},
    {"col", "Colossians", "Colossians"},
    {"1th", "I Thessalonians", "1 Thessalonians"},
    {"2th", "II Thessalonians", "2 Thessalonians"},
    {"1ti", "I Timothy", "1 Timothy"},
    {"2ti", "II Timothy", "2 Timothy"},
    {"tit", "Titus", "Titus"},
    {"phm", "Philemon", "Philemon"},
    {"heb", "Hebrews", "Hebrews"},
    {"jam", "James", "James"},
    {"1pe", "I Peter", "1 Peter"},
    {"2pe", "II Peter", "2 Peter"},
    {"1jo", "I John", "1 John"},
    {"2jo", "II John", "2 John"},
    {"3jo", "III John", "3 John"},
    {"jud", "Jude", "Jude"},
    {"rev", "Revelation of John", "Revelation"},
};

namespace {

struct VerseRef {
    int book = -1, chapter = 0, verse = 0;
};

// "Genesis 1:1" → book index, chapter, verse.
VerseRef parseVerseKey(const std::string& key) {
    VerseRef r;
    const size_t blank = key.rfind(' ');
    if (blank == std::string::npos)
        return r;
    const std::string name = key.substr(0, blank);
    const std::string cv = key.substr(blank + 1);
    const size_t colon = cv.find(':');
    if (colon == std::string::npos)
        return r;
    for (size_t i = 0; i < kBibleBooks.size(); ++i)
        if (name == kBibleBooks[i].exportName)
            r.book = static_cast<int>(i);
    r.chapter = std::atoi(cv.substr(0, colon).c_str());
    r.verse = std::atoi(cv.substr(colon + 1).c_str());
    return r;
}

// Characters that mean something to the reader inside a verse or note text.
std::string safeText(std::string s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
        case '^':
        case '%':
            break;
        case '{':
        case '<':
            out += '(';
            break;
        case '}':
        case '>':
            out += ')';
            break;
        default:
            out += c;
        }
    }
    return out;
}

struct Verse {
    int number = 0;
    std::string english;
    std::vector<std::pair<char, int>> words; // Strong's numbers in order
    std::vector<std::string> footnotes;      // "1:4 text"
    std::vector<std::string> noteKeys;
};

struct Section {
    int chapter = 0, first = 0, last = 0;
    std::string text;
    std::string key;
};

// One verse of the exported text: the English with its markup removed,
// the Strong's numbers of its words and its margin notes.
Verse readVerse(const std::string& body, int number) {
    Verse v;
    v.number = number;
    std::string english, note;
    int noteDepth = 0, skipDepth = 0, divineDepth = 0;
    std::string divine;
    scanMarkup(
        body,
        [&](std::string_view text) {
            if (noteDepth > 0)
                note += text;
            else if (skipDepth > 0)
                return;
            else if (divineDepth > 0)
                divine += text;
            else
                english += text;
        },
        [&](const Tag& t) {
            if (t.name == "note") {
                if (t.closing && noteDepth > 0 && --noteDepth == 0) {
                    v.footnotes.push_back(note);
                    note.clear();
                } else if (!t.closing && !t.selfClosing) {
                    ++noteDepth;
                }
            } else if (noteDepth > 0) {
                if (t.name == "reference" && t.closing)
                    note += ' ';
            } else if (t.name == "title") {
                // Psalm titles are part of the text; section headings are not.
                if (!t.closing && !t.selfClosing && t.attr("canonical") != "true")
                    ++skipDepth;
                else if (t.closing && skipDepth > 0)
                    --skipDepth;
                else if (t.closing)
                    english += ' ';
            } else if (t.name == "divineName") {
                // Printed in small capitals: LORD.
                if (!t.closing) {
                    ++divineDepth;
                } else if (divineDepth > 0 && --divineDepth == 0) {
                    // ASCII only: the text is still UTF-8 here.
                    std::string upper = formats::asciiUpperText(decodeEntities(divine));
                    english += upper;
                    divine.clear();
                }
            } else if (t.name == "w" && !t.closing && skipDepth == 0) {
                std::string_view lemma = t.attr("lemma");
                size_t at = 0;
                while ((at = lemma.find("strong:", at)) != std::string_view::npos) {
                    at += 7;
                    if (at >= lemma.size())
                        break;
                    const char lang = lemma[at];
                    const int n = std::atoi(std::string(lemma.substr(at + 1, 6)).c_str());
                    if ((lang == 'G' || lang == 'H') && n > 0 &&
                        (v.words.empty() || v.words.back() != std::make_pair(lang, n)))
                        v.words.emplace_back(lang, n);
                }
            } else if (t.name == "l" || t.name == "lb" || t.name == "lg") {
                english += ' ';
            }
        });
    v.english = safeText(squeezeBlanks(toWindows1252(decodeEntities(english))));
    for (std::string& f : v.footnotes) {
        f = safeText(squeezeBlanks(toWindows1252(decodeEntities(f))));
        // "1.4 the light…" → "1:4 the light…"
        const size_t blank = f.find(' ');
        const size_t dot = f.find('.');
        if (dot != std::string::npos && blank != std::string::npos && dot < blank)
            f[dot] = ':';
    }
    return v;
}

// "Verses 3-5" or "Verse 7" at the start of a commentary section: its last verse.
int sectionEnd(const std::string& text, int first) {
    const size_t at = text.find("Verse");
    if (at == std::string::npos || at > 40)
        return 0;
    size_t i = text.find_first_of("0123456789", at);
    if (i == std::string::npos || i > at + 8)
        return 0;
    const int from = std::atoi(text.c_str() + i);
    if (from != first)
        return 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i;
    if (i + 1 < text.size() && (text[i] == '-' || text[i] == ',') &&
        std::isdigit(static_cast<unsigned char>(text[i + 1])))
        return std::atoi(text.c_str() + i + 1);
    return first;
}

std::string markupAsText(const std::string& body) {
    std::string out;
    scanMarkup(
        body, [&](std::string_view text) { out += text; },
        [&](const Tag& t) {
            if (t.name != "hi" && t.name != "w" && t.name != "transChange")
                out += ' ';
        });
    return safeText(squeezeBlanks(toWindows1252(decodeEntities(out))));
}

// The reading window's page text for a chapter: what the page-text cap
// counts before the next line is taken.
bool fitsOnePage(const std::vector<std::string>& lines, const std::string& stem) {
    size_t pageText = 0;
    for (const std::string& line : lines) {
        const size_t gt = line.find('>');
        const std::string key = line.substr(0, gt);
        const std::string text = line.substr(gt + 1);
        if (pageText + text.size() > formats::kMaxPageChars)
            return false;
        const size_t caret = text.find('^');
        const size_t shown = caret == std::string::npos ? text.size() : caret;
        pageText += 1 + shown + 2 + stem.size() + 1 + key.size() + 1 + 4;
    }
    return static_cast<long>(lines.size()) <= formats::kMaxPageLines;
}

} // namespace

void writeBible(const std::vector<ImpEntry>& kjv, const std::vector<ImpEntry>& commentary,
                const Lexicon& greek, const Lexicon& hebrew, Library& lib) {
    // book → chapter → verses
    std::vector<std::map<int, std::vector<Verse>>> books(kBibleBooks.size());
    for (const ImpEntry& e : kjv) {
        const VerseRef r = parseVerseKey(e.key);
        if (r.book < 0 || r.chapter <= 0 || r.verse <= 0)
            continue; // module, testament, book and chapter headings
        Verse v = readVerse(e.body, r.verse);
        if (v.english.empty()) {
            lib.report(e.key, "a verse without text; left out");
            continue;
        }
        books[static_cast<size_t>(r.book)][r.chapter].push_back(std::move(v));
    }
    std::vector<std::vector<Section>> sections(kBibleBooks.size());
    for (const ImpEntry& e : commentary) {
        const VerseRef r = parseVerseKey(e.key);
        if (r.book < 0 || r.chapter <= 0 || r.verse <= 0)
            continue;
        Section s;
        s.chapter = r.chapter;
        s.first = r.verse;
        s.text = markupAsText(e.body);
        if (s.text.empty())
            continue;
        s.last = sectionEnd(s.text, s.first);
        sections[static_cast<size_t>(r.book)].push_back(std::move(s));
    }

    for (size_t b = 0; b < kBibleBooks.size(); ++b) {
        const std::string stem = kBibleBooks[b].stem;
        auto& chapters = books[b];
        if (chapters.empty()) {
            lib.report(kBibleBooks[b].exportName, "the book has no verses; not written");
            continue;
        }
        auto& secs = sections[b];
        std::sort(secs.begin(), secs.end(), [](const Section& x, const Section& y) {
            return std::tie(x.chapter, x.first) < std::tie(y.chapter, y.first);
        });
        for (size_t i = 0; i < secs.size(); ++i) {
            Section& s = secs[i];
            const int lastInChapter =
                chapters.count(s.chapter) ? chapters[s.chapter].back().number : s.first;
            int end = lastInChapter;
            if (i + 1 < secs.size() && secs[i + 1].chapter == s.chapter)
                end = secs[i + 1].first - 1;
            if (s.last < s.first || s.last > lastInChapter)
                s.last = std::max(s.first, end);
        }

        std::string fileStem = formats::upperText(stem);
        OutFile& notes = lib.add(fileStem + "COM.TXV", OutFile::Notes);
        int nextKey = 1;
        size_t secAt = 0;
        std::vector<const Section*> open;
        OutFile& book = lib.add(fileStem + ".TXV", OutFile::Book);
        const char lang = b < static_cast<size_t>(kOldTestamentBooks) ? 'H' : 'G';
        const Lexicon& lex = lang == 'H' ? hebrew : greek;
        for (auto& [chapter, verses] : chapters) {
            std::vector<std::string> lines;
            for (Verse& v : verses) {
                std::vector<std::string> keys;
                for (const std::string& f : v.footnotes) {
                    const std::string key = std::to_string(nextKey++);
                    notes.lines.push_back(key + ">Margin note, " + stem + " " + f);
                    keys.push_back(key);
                }
                while (secAt < secs.size() && std::tie(secs[secAt].chapter, secs[secAt].first) <=
                                                  std::tie(chapter, v.number)) {
                    Section& s = secs[secAt++];
                    s.key = std::to_string(nextKey++);
                    std::string range = std::to_string(s.chapter) + ":" + std::to_string(s.first);
                    if (s.last > s.first)
                        range += "-" + std::to_string(s.last);
                    notes.lines.push_back(s.key + ">Commentary, " + stem + " " + range + ": " +
                                          s.text);
                    open.push_back(&s);
                }
                // clang 14 cannot capture a structured binding in a lambda: capture a copy.
                const auto thisChapter = chapter;
                open.erase(std::remove_if(open.begin(), open.end(),
                                          [&](const Section* s) {
                                              return s->chapter != thisChapter ||
                                                     s->last < v.number;
                                          }),
                           open.end());
                for (const Section* s : open)
                    keys.push_back(s->key);
                std::string words;
                int missing = 0;
                for (auto [wl, n] : v.words) {
                    const std::string* key = (wl == 'H' ? hebrew : greek).keyOf(n);
                    if (!key || wl != lex.lang) {
                        ++missing;
                        continue;
                    }
                    if (!words.empty())
                        words += ' ';
                    words += *key;
                }
                if (missing > 0)
                    lib.report(kBibleBooks[b].exportName + std::string(" ") +
                                   std::to_string(chapter) + ":" + std::to_string(v.number),
                               std::to_string(missing) +
                                   " word number(s) without a dictionary word");
                std::string line = std::to_string(chapter) + ":" + std::to_string(v.number) + ">" +
                                   v.english + "^ " + words;
                if (!keys.empty()) {
                    line += "<";
                    for (size_t k = 0; k < keys.size(); ++k)
                        line += (k ? "," : "") + keys[k];
                }
                lines.push_back(std::move(line));
            }
            if (!fitsOnePage(lines, stem))
                lib.report(book.name + " chapter " + std::to_string(chapter),
                           "the page is over the reader's limits");
            book.lines.insert(book.lines.end(), lines.begin(), lines.end());
        }
        book.lines.push_back(" ");
    }
}

VerseMap versesOf(const Library& lib) {
    VerseMap map;
    for (const OutFile& f : lib.files) {
        if (f.kind != OutFile::Book)
            continue;
        std::string stem = formats::lowerText(f.name.substr(0, f.name.find('.')));
        auto& chapters = map[stem];
        for (const std::string& line : f.lines) {
            const size_t colon = line.find(':');
            const size_t gt = line.find('>');
            if (colon == std::string::npos || gt == std::string::npos || colon > gt)
                continue;
            const int c = std::atoi(line.c_str());
            const int v = std::atoi(line.c_str() + colon + 1);
            chapters[c] = std::max(chapters[c], v);
        }
    }
    return map;
}

} // namespace library
