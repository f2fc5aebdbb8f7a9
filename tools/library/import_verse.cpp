// One verse of the exported text: its English, titles, words and notes.
#include <cctype>
#include <cstdlib>

#include "formats/letter_case.h"
#include "library/import_parts.h"
#include "library/text1252.h"

namespace library {

namespace {

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

// A title of the text (a psalm's title, a heading of Psalm 119, an
// epistle's subscription) rather than an editor's section heading.
bool isTextTitle(const Tag& t) {
    const std::string_view type = t.attr("type");
    return t.attr("canonical") == "true" || type.empty() || type == "psalm" || type == "acrostic";
}

// The count of Strong's numbers the source tags in a verse, taken from its
// text alone: what the verse's word list must account for.
int taggedNumbers(std::string_view body) {
    int n = 0;
    for (size_t at = 0; (at = body.find("strong:", at)) != std::string_view::npos;) {
        at += 7;
        if (at + 1 < body.size() && (body[at] == 'G' || body[at] == 'H') &&
            std::isdigit(static_cast<unsigned char>(body[at + 1])) &&
            std::atoi(std::string(body.substr(at + 1, 6)).c_str()) > 0)
            ++n;
    }
    return n;
}

} // namespace

// The source sometimes writes the divine name in the markers of another
// format: "\nd LORD\+nd*", or "\nd " before a name closed by its tag.
std::string withDivineNameTags(std::string body, int& markers) {
    for (const auto& [marker, tag] :
         {std::pair<std::string_view, std::string_view>{"\\nd ", "<divineName>"},
          {"\\nd", "<divineName>"},
          {"\\+nd*", "</divineName>"}})
        for (size_t at = 0; (at = body.find(marker, at)) != std::string::npos; at += tag.size()) {
            body.replace(at, marker.size(), tag);
            ++markers;
        }
    return body;
}

std::string verseText(const std::string& utf8) {
    return safeText(squeezeBlanks(toWindows1252(decodeEntities(utf8))));
}

Verse readVerse(const std::string& body, int number) {
    Verse v;
    v.number = number;
    std::string english, note, title;
    int noteDepth = 0, skipDepth = 0, divineDepth = 0, titleDepth = 0;
    std::string divine;
    // Text goes to the title while one is open, else to the verse.
    auto text = [&]() -> std::string& { return titleDepth > 0 ? title : english; };
    scanMarkup(
        body,
        [&](std::string_view run) {
            if (noteDepth > 0)
                note += run;
            else if (skipDepth > 0)
                return;
            else if (divineDepth > 0)
                divine += run;
            else
                text() += run;
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
                // Titles of the text are kept apart from the verse; section
                // headings are left out.
                if (t.selfClosing)
                    return;
                if (!t.closing && (skipDepth > 0 || !isTextTitle(t)))
                    ++skipDepth;
                else if (!t.closing)
                    ++titleDepth;
                else if (skipDepth > 0)
                    --skipDepth;
                else if (titleDepth > 0 && --titleDepth == 0) {
                    // Before the verse's words it heads the verse, after
                    // them it follows it.
                    std::string& to = squeezeBlanks(english).empty() ? v.heading : v.subscription;
                    to += " " + title;
                    title.clear();
                }
            } else if (t.name == "divineName") {
                // Printed in small capitals: LORD.
                if (!t.closing) {
                    ++divineDepth;
                } else if (divineDepth > 0 && --divineDepth == 0) {
                    // ASCII only: the text is still UTF-8 here.
                    text() += formats::asciiUpperText(decodeEntities(divine));
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
                    if ((lang == 'G' || lang == 'H') && n > 0)
                        v.words.emplace_back(lang, n);
                }
            } else if (t.name == "l" || t.name == "lb" || t.name == "lg") {
                text() += ' ';
            }
        });
    v.tagged = taggedNumbers(body);
    v.english = verseText(english);
    v.heading = verseText(v.heading);
    v.subscription = verseText(v.subscription);
    for (std::string& f : v.footnotes) {
        f = verseText(f);
        // "1.4 the light…" → "1:4 the light…"
        const size_t blank = f.find(' ');
        const size_t dot = f.find('.');
        if (dot != std::string::npos && blank != std::string::npos && dot < blank)
            f[dot] = ':';
    }
    return v;
}

} // namespace library
