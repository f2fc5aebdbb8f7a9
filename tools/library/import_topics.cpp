// The topical index: a paged book per initial letter, and the passage lists
// and topic grids chosen from it.
#include <algorithm>
#include <cstdlib>

#include "formats/letter_case.h"
#include "library/import_parts.h"
#include "library/text1252.h"

namespace library {

namespace {

// Book names of the index's verse references, in the order of kBibleBooks.
const char* const kOsisNames[] = {
    "Gen",   "Exod", "Lev",  "Num",  "Deut", "Josh", "Judg",  "Ruth",   "1Sam",   "2Sam",  "1Kgs",
    "2Kgs",  "1Chr", "2Chr", "Ezra", "Neh",  "Esth", "Job",   "Ps",     "Prov",   "Eccl",  "Song",
    "Isa",   "Jer",  "Lam",  "Ezek", "Dan",  "Hos",  "Joel",  "Amos",   "Obad",   "Jonah", "Mic",
    "Nah",   "Hab",  "Zeph", "Hag",  "Zech", "Mal",  "Matt",  "Mark",   "Luke",   "John",  "Acts",
    "Rom",   "1Cor", "2Cor", "Gal",  "Eph",  "Phil", "Col",   "1Thess", "2Thess", "1Tim",  "2Tim",
    "Titus", "Phlm", "Heb",  "Jas",  "1Pet", "2Pet", "1John", "2John",  "3John",  "Jude",  "Rev"};

struct Subtopic {
    std::string text;              // the subtopic with its references as printed
    std::string label;             // the subtopic without the references
    std::vector<std::string> refs; // passage references "stem c:v\" or "stem c:v-w\"
};

struct Topic {
    std::string name;
    std::vector<Subtopic> subtopics;
};

} // namespace

// "Exod.6.16-Exod.6.20" → "exo 6:16-20\"; a whole chapter "Num.17" gives its
// verses; a range over several chapters ends with the first chapter.
std::string passageRef(const std::string& osis, const VerseMap& verses) {
    const std::string first = osis.substr(0, osis.find('-'));
    const size_t dot = first.find('.');
    if (dot == std::string::npos)
        return {};
    const std::string book = first.substr(0, dot);
    int b = -1;
    for (size_t i = 0; i < std::size(kOsisNames); ++i)
        if (book == kOsisNames[i])
            b = static_cast<int>(i);
    if (b < 0)
        return {};
    const std::string stem = kBibleBooks[static_cast<size_t>(b)].stem;
    auto bookIt = verses.find(stem);
    if (bookIt == verses.end())
        return {};
    const int chapter = std::atoi(first.c_str() + dot + 1);
    auto chapterIt = bookIt->second.find(chapter);
    if (chapterIt == bookIt->second.end())
        return {};
    const int lastVerse = chapterIt->second;
    const size_t dot2 = first.find('.', dot + 1);
    int from = 1, to = lastVerse;
    if (dot2 != std::string::npos) {
        from = to = std::atoi(first.c_str() + dot2 + 1);
        const size_t dash = osis.find('-');
        if (dash != std::string::npos) {
            const std::string second = osis.substr(dash + 1);
            const size_t d1 = second.find('.');
            const size_t d2 = d1 == std::string::npos ? d1 : second.find('.', d1 + 1);
            const int c2 = d1 == std::string::npos ? 0 : std::atoi(second.c_str() + d1 + 1);
            to = c2 == chapter && d2 != std::string::npos ? std::atoi(second.c_str() + d2 + 1)
                                                          : lastVerse;
        }
    }
    if (from < 1 || from > lastVerse)
        return {};
    to = std::clamp(to, from, lastVerse);
    std::string ref = stem + " " + std::to_string(chapter) + ":" + std::to_string(from);
    if (to > from)
        ref += "-" + std::to_string(to);
    return ref + "\\";
}

namespace {

std::string clean(const std::string& utf8) {
    // The index escapes some characters twice ("&amp;gt;"); the ">" and
    // "<" that come out are stray marks and are dropped below.
    std::string s = squeezeBlanks(toWindows1252(decodeEntities(decodeEntities(utf8))));
    std::string out;
    for (char c : s)
        if (c != '@' && c != '<' && c != '>' && c != '\\' && c != '%' && c != '{' && c != '}' &&
            c != '^')
            out += c;
    while (!out.empty() && (out.back() == ' ' || out.back() == ';' || out.back() == ','))
        out.pop_back();
    while (!out.empty() && (out.front() == ' ' || out.front() == '-'))
        out.erase(0, 1);
    return out;
}

Topic readTopic(const ImpEntry& e, const VerseMap& verses) {
    Topic t;
    t.name = clean(e.key);
    Subtopic cur;
    bool inRef = false;
    auto flush = [&] {
        cur.text = clean(cur.text);
        cur.label = clean(cur.label);
        if (!cur.text.empty())
            t.subtopics.push_back(std::move(cur));
        cur = Subtopic();
    };
    scanMarkup(
        e.body,
        [&](std::string_view text) {
            cur.text += text;
            if (!inRef && cur.refs.empty())
                cur.label += text;
        },
        [&](const Tag& tag) {
            if (tag.name == "lb") {
                flush();
            } else if (tag.name == "ref") {
                inRef = !tag.closing;
                if (!tag.closing) {
                    const std::string ref = passageRef(std::string(tag.attr("osisRef")), verses);
                    if (!ref.empty() &&
                        std::find(cur.refs.begin(), cur.refs.end(), ref) == cur.refs.end())
                        cur.refs.push_back(ref);
                }
            }
        });
    flush();
    return t;
}

std::string joined(const std::vector<std::string>& refs, size_t most) {
    std::string s;
    for (size_t i = 0; i < refs.size() && i < most; ++i)
        s += refs[i];
    return s;
}

// A topic with at least n subtopics that have references.
bool hasPassages(const Topic& t, size_t n) {
    return static_cast<size_t>(std::count_if(t.subtopics.begin(), t.subtopics.end(), [](auto& s) {
               return !s.refs.empty() && !s.label.empty();
           })) >= n;
}

} // namespace

void writeTopics(const std::vector<ImpEntry>& nave, const VerseMap& verses, Library& lib) {
    std::vector<Topic> topics;
    for (const ImpEntry& e : nave) {
        Topic t = readTopic(e, verses);
        if (t.name.empty() || t.subtopics.empty()) {
            lib.report("topic " + e.key, "no text; left out");
            continue;
        }
        topics.push_back(std::move(t));
    }

    // One book per initial letter: a page per topic, a paragraph per
    // subtopic; a topic too long for one page goes on over several pages.
    std::map<char, OutFile*> books;
    std::map<char, int> pages;
    for (const Topic& t : topics) {
        const char letter = t.name[0];
        if (letter < 'A' || letter > 'Z')
            continue;
        OutFile*& book = books[letter];
        if (!book)
            book = &lib.add(std::string("NAVE") + letter + ".TXV", OutFile::Book);
        int para = 0;
        size_t pageText = 0;
        auto newPage = [&] {
            ++pages[letter];
            para = 0;
            pageText = 0;
        };
        newPage();
        auto addLine = [&](const std::string& text) {
            const std::string key = std::to_string(pages[letter]) + ":" + std::to_string(para + 1);
            const size_t cost = text.size() + key.size() + 20;
            if (para > 0 && (pageText + cost > 30000 || para >= 1900)) {
                newPage();
                return false;
            }
            ++para;
            pageText += cost;
            book->lines.push_back(key + ">" + text);
            return true;
        };
        addLine(t.name);
        for (const Subtopic& s : t.subtopics) {
            // Cross references ("See …") are shown as the page's references.
            std::string text =
                s.text.rfind("See ", 0) == 0 ? "See also>References: " + s.text.substr(4) : s.text;
            if (!addLine(text)) {
                addLine(t.name + " (continued)");
                addLine(text);
            }
        }
    }
    for (auto& [letter, book] : books)
        book->lines.push_back(" ");

    // Lists chosen from the index: topics with passages, in index order.
    const std::vector<std::string> chosen = {
        "FAITH", "PRAYER", "LOVE", "GRACE OF GOD", "REPENTANCE", "FORGIVENESS", "HOPE", "PATIENCE",
        "HUMILITY", "WISDOM", "PEACE", "JOY", "OBEDIENCE", "CHARITY", "MERCY", "TRUTH", "HOLINESS",
        "RIGHTEOUSNESS", "SALVATION", "RESURRECTION", "HEAVEN", "CREATION", "SABBATH", "WORSHIP",
        "PRAISE", "THANKFULNESS", "TEMPTATION", "SIN", "CONTENTMENT", "GIVING", "MEEKNESS",
        "INSTRUCTION", "FEAR OF GOD", "GOD", "JESUS, THE CHRIST", "HOLY SPIRIT", "ANGER", "PRIDE",
        "ZEAL", "KINDNESS",
        // The second grid's topics.
        "ADOPTION", "ATONEMENT", "BAPTISM", "BLESSING", "COMMANDMENTS", "CONFESSION", "CONSCIENCE",
        "COVENANT", "DEATH", "DILIGENCE", "ELECTION", "FASTING", "FELLOWSHIP", "GENEROSITY",
        "GLORY", "GOSPEL", "HEART", "HONESTY", "HOSPITALITY", "IDOLATRY", "INTEGRITY", "JUDGMENT",
        "JUSTICE", "JUSTIFICATION", "LAW", "LIFE", "LORD'S SUPPER", "MARRIAGE", "MINISTER",
        "PROPHECY", "PROVIDENCE", "REDEMPTION", "REGENERATION", "RESTITUTION", "REVELATION",
        "SANCTIFICATION", "SERVANT", "STEWARDSHIP", "TITHES", "UNITY", "VOWS", "WATCHFULNESS",
        "WORD OF GOD", "WORKS"};
    std::vector<const Topic*> picked;
    for (const std::string& name : chosen)
        for (const Topic& t : topics)
            if (t.name == name && hasPassages(t, 2)) {
                picked.push_back(&t);
                break;
            }
    if (picked.size() < 10)
        lib.report("topical index", "fewer than ten of the chosen topics were found");

    OutFile& pnv = lib.add("TOPICS.PNV", OutFile::Plain);
    OutFile& pre = lib.add("REFS.PRE", OutFile::Plain);
    OutFile& ptq = lib.add("QUOTES.PTQ", OutFile::Plain);
    OutFile& pbd = lib.add("VERSES.PBD", OutFile::Plain);
    auto titled = [](const std::string& s) {
        std::string t = s;
        for (size_t i = 1; i < t.size(); ++i)
            if (t[i - 1] != ' ')
                t[i] = formats::lowerLetter(t[i]);
        return t;
    };
    for (size_t i = 0; i < picked.size() && i < 30; ++i) {
        const Topic& t = *picked[i];
        const std::string title = titled(t.name);
        pnv.lines.push_back(title + "@");
        ptq.lines.push_back("@" + title);
        pbd.lines.push_back(title + "@");
        std::vector<std::string> noted;
        int n = 0;
        for (const Subtopic& s : t.subtopics) {
            if (s.refs.empty() || s.label.empty() || n >= 12)
                continue;
            ++n;
            pnv.lines.push_back(s.label + "@" + joined(s.refs, 8));
            const std::string first = s.refs[0].substr(0, s.refs[0].size() - 1);
            ptq.lines.push_back(joined(s.refs, 4) + "@" + s.label);
            pbd.lines.push_back("." + s.label + "@" + first.substr(0, first.find('-')) + "\\");
            // The note of a reference is the commentary on its first verse;
            // a reference without one has no place among the noted ones.
            const size_t blank = first.find(' ');
            const std::string verse = first.substr(blank + 1);
            const std::string note =
                commentaryOn(lib, first.substr(0, blank), verse.substr(0, verse.find('-')));
            if (!note.empty())
                noted.push_back(s.refs[0] + "@" + s.label + ">" + note);
        }
        if (!noted.empty()) {
            pre.lines.push_back("@" + title);
            pre.lines.insert(pre.lines.end(), noted.begin(), noted.end());
        }
    }

    // Advice about teaching, from the index's topic on instruction.
    OutFile& advice = lib.add("ADVICE.SNV", OutFile::Plain);
    for (const Topic& t : topics)
        if (t.name == "INSTRUCTION" || t.name == "TEACHERS")
            for (const Subtopic& s : t.subtopics)
                if (!s.refs.empty() && !s.label.empty() && advice.lines.size() < 40)
                    advice.lines.push_back(joined(s.refs, 4) + "@" + s.label);

    // Two grids of 38 topics; each cell opens the topic's summary in the
    // grid's own book followed by its first passages.
    size_t next = 0;
    const size_t firstGrid = 40; // the chosen topics before this go to the first grid
    for (const char* grid : {"QCELLS", "QCELLSP"}) {
        OutFile& cells = lib.add(std::string(grid) + ".SNV", OutFile::Plain);
        OutFile& book = lib.add(std::string(grid) + ".TXV", OutFile::Book);
        const std::string stem = grid == std::string("QCELLS") ? "qcells" : "qcellsp";
        int page = 0;
        for (; next < topics.size() && page < 38; ++next) {
            const Topic& t = topics[next];
            // Quick answers take the chosen topics; quick proofs the next
            // well-referenced topics of the index.
            const auto at = std::find(chosen.begin(), chosen.end(), t.name);
            const bool wanted =
                at != chosen.end() &&
                (stem == "qcells") == (static_cast<size_t>(at - chosen.begin()) < firstGrid);
            if (!wanted || !hasPassages(t, 3) || t.name.size() > 18)
                continue;
            ++page;
            std::string summary = titled(t.name) + ":";
            std::vector<std::string> refs;
            for (const Subtopic& s : t.subtopics)
                if (!s.refs.empty() && !s.label.empty() && refs.size() < 6) {
                    summary += " " + s.label + ";";
                    refs.push_back(s.refs[0]);
                }
            summary.pop_back();
            book.lines.push_back(std::to_string(page) + ":1>" + summary + ".");
            cells.lines.push_back(titled(t.name) + "<" + stem + " " + std::to_string(page) +
                                  ":1\\" + joined(refs, 6));
        }
        book.lines.push_back(" ");
        if (stem == "qcells")
            next = 0;
    }
}

} // namespace library
