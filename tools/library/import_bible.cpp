#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>
#include <tuple>

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

struct Section {
    int chapter = 0, first = 0, last = 0;
    bool heading = false;  // from the book's or chapter's heading slot
    bool attached = false; // a verse links it
    std::string text;
    std::string key;
};

// "Verses 3-5", "Verse 7 ,8" or "Verse 7" at the start of a commentary
// section: its last verse.
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
    if (i + 2 < text.size() && text[i] == ' ' && text[i + 1] == ',')
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
            // Inline elements stand where their text stands: "1Jo 5:20." and
            // "(Ezek 12:1-16)" keep their punctuation close.
            if (t.name != "hi" && t.name != "w" && t.name != "transChange" && t.name != "reference")
                out += ' ';
        });
    return verseText(out);
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
    // A chapter's heading slot (c:0) that holds text: the heading of Psalm
    // 119's first part.
    std::map<std::pair<int, int>, Verse> chapterHeadings;
    for (const ImpEntry& e : kjv) {
        const VerseRef r = parseVerseKey(e.key);
        if (r.book < 0 || r.chapter <= 0 || r.verse < 0)
            continue; // module, testament and book headings
        Verse v = readVerse(withDivineNameTags(e.body, lib.counts.divineMarkers), r.verse);
        if (r.verse == 0) {
            v.heading = squeezeBlanks(v.heading + " " + v.english + " " + v.subscription);
            if (!v.heading.empty() || !v.words.empty())
                chapterHeadings[{r.book, r.chapter}] = std::move(v);
            continue;
        }
        if (v.english.empty()) {
            lib.report(e.key, "a verse without text; left out");
            continue;
        }
        books[static_cast<size_t>(r.book)][r.chapter].push_back(std::move(v));
    }
    for (auto& [where, h] : chapterHeadings) {
        auto& chapters = books[static_cast<size_t>(where.first)];
        const auto chapter = chapters.find(where.second);
        if (chapter == chapters.end()) {
            lib.report(kBibleBooks[static_cast<size_t>(where.first)].exportName + std::string(" ") +
                           std::to_string(where.second) + ":0",
                       "a chapter heading without verses; left out");
            continue;
        }
        Verse& first = chapter->second.front();
        first.heading = squeezeBlanks(h.heading + " " + first.heading);
        first.words.insert(first.words.begin(), h.words.begin(), h.words.end());
        first.tagged += h.tagged;
    }
    std::vector<std::vector<Section>> sections(kBibleBooks.size());
    for (const ImpEntry& e : commentary) {
        const VerseRef r = parseVerseKey(e.key);
        if (r.book < 0 || r.chapter < 0 || r.verse < 0 || (r.chapter == 0 && r.verse > 0))
            continue;
        Section s;
        s.heading = r.verse == 0;
        lib.counts.headingSlots += s.heading;
        // Heading slots (the book's 0:0, a chapter's c:0) open their chapter,
        // the book's chapter 1; the book's and chapter 1's join into one.
        s.chapter = std::max(r.chapter, 1);
        s.first = s.heading ? 1 : r.verse;
        s.text = markupAsText(e.body);
        if (s.text.empty())
            continue;
        auto& secs = sections[static_cast<size_t>(r.book)];
        if (s.heading && !secs.empty() && secs.back().heading && secs.back().chapter == s.chapter) {
            secs.back().text += " " + s.text;
            continue;
        }
        if (!s.heading)
            s.last = sectionEnd(s.text, s.first);
        secs.push_back(std::move(s));
    }

    for (size_t b = 0; b < kBibleBooks.size(); ++b) {
        const std::string stem = kBibleBooks[b].stem;
        auto& chapters = books[b];
        if (chapters.empty()) {
            lib.report(kBibleBooks[b].exportName, "the book has no verses; not written");
            continue;
        }
        auto& secs = sections[b];
        // A chapter's heading section comes before the section of its verse 1.
        std::stable_sort(secs.begin(), secs.end(), [](const Section& x, const Section& y) {
            return std::make_tuple(x.chapter, x.first, !x.heading) <
                   std::make_tuple(y.chapter, y.first, !y.heading);
        });
        for (size_t i = 0; i < secs.size(); ++i) {
            Section& s = secs[i];
            const int lastInChapter =
                chapters.count(s.chapter) ? chapters[s.chapter].back().number : s.first;
            size_t next = i + 1;
            while (next < secs.size() && secs[next].chapter == s.chapter &&
                   secs[next].first == s.first)
                ++next;
            const bool lastOfChapter = next == secs.size() || secs[next].chapter != s.chapter;
            const int end = lastOfChapter ? lastInChapter : secs[next].first - 1;
            // A section covers the verses its heading names, else those up to
            // the next section; the chapter's last section also covers the
            // verses after it, which no other section does.
            if (s.last < s.first || s.last > lastInChapter || lastOfChapter)
                s.last = std::max(s.first, end);
        }

        std::string fileStem = formats::upperText(stem);
        OutFile& notes = lib.add(fileStem + "COM.TXV", OutFile::Notes);
        int nextKey = 1;
        size_t secAt = 0;
        std::vector<Section*> open;
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
                    notes.lines.push_back(s.key + ">" + kCommentaryLabel + stem + " " + range +
                                          ": " + s.text);
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
                for (Section* s : open) {
                    keys.push_back(s->key);
                    s->attached = true;
                }
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
                const std::string where = kBibleBooks[b].exportName + std::string(" ") +
                                          std::to_string(chapter) + ":" + std::to_string(v.number);
                if (missing > 0)
                    lib.report(where, std::to_string(missing) +
                                          " word number(s) without a dictionary word");
                // Every number the source tags is a word or was reported.
                if (static_cast<int>(v.words.size()) != v.tagged)
                    lib.report(where, std::to_string(v.tagged) + " numbers tagged, " +
                                          std::to_string(v.words.size()) + " read");
                lib.counts.taggedWords += v.tagged;
                lib.counts.words += static_cast<long>(v.words.size()) - missing;
                // A title or heading stands on its own line above the verse, a
                // subscription below it: "%" breaks the paragraph there.
                std::string shown = v.english;
                if (!v.heading.empty()) {
                    shown = v.heading + "%" + shown;
                    ++lib.counts.headings;
                }
                if (!v.subscription.empty()) {
                    shown += "%" + v.subscription;
                    ++lib.counts.subscriptions;
                }
                std::string line = std::to_string(chapter) + ":" + std::to_string(v.number) + ">" +
                                   shown + "^ " + words;
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
        for (const Section& s : secs) {
            ++lib.counts.sections;
            lib.counts.attached += s.attached;
            if (!s.attached)
                lib.report(kBibleBooks[b].exportName + std::string(" ") +
                               std::to_string(s.chapter) + ":" + std::to_string(s.first),
                           "commentary section linked to no verse");
        }
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

std::string commentaryOn(const Library& lib, const std::string& stem, const std::string& key) {
    const std::string fileStem = formats::upperText(stem);
    const OutFile* book = nullptr;
    const OutFile* notes = nullptr;
    for (const OutFile& f : lib.files) {
        if (f.kind == OutFile::Book && f.name == fileStem + ".TXV")
            book = &f;
        else if (f.kind == OutFile::Notes && f.name == fileStem + "COM.TXV")
            notes = &f;
    }
    if (!book || !notes)
        return {};
    // The verse line "c:v>English^ words<keys" links its notes by number.
    std::string keys;
    for (const std::string& line : book->lines)
        if (line.rfind(key + ">", 0) == 0) {
            const size_t caret = line.find('^');
            const size_t lt = line.rfind('<');
            if (caret != std::string::npos && lt != std::string::npos && lt > caret)
                keys = line.substr(lt + 1);
            break;
        }
    for (size_t start = 0; start < keys.size();) {
        size_t comma = keys.find(',', start);
        if (comma == std::string::npos)
            comma = keys.size();
        const std::string noteKey = keys.substr(start, comma - start) + ">";
        for (const std::string& line : notes->lines)
            if (line.rfind(noteKey, 0) == 0) {
                if (std::string_view(line).substr(noteKey.size()).starts_with(kCommentaryLabel))
                    return line.substr(noteKey.size());
                break;
            }
        start = comma + 1;
    }
    return {};
}

} // namespace library
