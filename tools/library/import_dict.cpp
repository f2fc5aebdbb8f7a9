#include <algorithm>
#include <cctype>
#include <set>

#include "formats/dictionary_file.h"
#include "library/import_parts.h"
#include "library/text1252.h"

namespace library {

const std::string* Lexicon::keyOf(int number) const {
    auto it = entries.find(number);
    return it == entries.end() || it->second.key.empty() ? nullptr : &it->second.key;
}

std::string dictionaryFileFor(const std::string& key, char lang) {
    return formats::dictionaryFor(key, lang == 'G' ? "Grk" : "Heb").file.value_or("");
}

namespace {

// The markup inside the first element whose opening tag contains open, up
// to close; after is set to the position of close.
std::string_view elementText(std::string_view body, std::string_view open, std::string_view close,
                             size_t& after) {
    const size_t at = body.find(open);
    if (at == std::string_view::npos)
        return {};
    const size_t start = body.find('>', at);
    if (start == std::string_view::npos)
        return {};
    const size_t end = body.find(close, start);
    if (end == std::string_view::npos)
        return {};
    after = end;
    return body.substr(start + 1, end - start - 1);
}

// A reference as displayed ("G3004", "H0175"): its language and number.
bool parseStrongs(std::string_view text, char& lang, int& number) {
    if (text.size() < 2 || (text[0] != 'G' && text[0] != 'H'))
        return false;
    number = 0;
    for (char c : text.substr(1)) {
        if (!std::isdigit(static_cast<unsigned char>(c)) || number > 100000)
            return false;
        number = number * 10 + (c - '0');
    }
    lang = text[0];
    return number > 0;
}

// The Hebrew dictionary writes the letter sin as the Greek "ώ"; it is the
// Latin "ś", which reads "s" in keys and in Windows-1252.
std::string withHebrewSin(std::string s) {
    static constexpr std::string_view kOmegaTonos = "\xCF\x8E", kSAcute = "\xC5\x9B";
    for (size_t at = 0; (at = s.find(kOmegaTonos, at)) != std::string::npos; at += kSAcute.size())
        s.replace(at, kOmegaTonos.size(), kSAcute);
    return s;
}

// Letters of the Hebrew script block (U+0590..U+05FF) in UTF-8.
bool hasHebrewScript(std::string_view s) {
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const auto next = static_cast<unsigned char>(s[i + 1]);
        if ((lead == 0xD6 && next >= 0x90) || lead == 0xD7)
            return true;
    }
    return false;
}

// The first spelling of a word ("tehôm  tehôm", "shâmayim, shâmeh"), folded
// into a key; "" when it cannot be one (in Hebrew script, no letters).
std::string keyOfSpelling(const std::string& spelling) {
    if (hasHebrewScript(spelling))
        return {};
    std::string first = spelling;
    for (const char* sep : {"  ", ",", "\t"})
        first = first.substr(0, first.find(sep));
    return foldKey(first);
}

} // namespace

Lexicon readLexicon(const std::vector<ImpEntry>& entries, char lang, Library& lib) {
    Lexicon lex;
    lex.lang = lang;
    for (const ImpEntry& e : entries) {
        if (e.key.empty() || e.key.size() > 6 ||
            !std::all_of(e.key.begin(), e.key.end(),
                         [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            continue; // the module's own heading entries
        LexEntry le;
        le.number = std::stoi(e.key);
        size_t after = 0;
        std::string trans(elementText(e.body, "type=\"trans\"", "</orth>", after));
        size_t pronEnd = after;
        std::string pron(elementText(e.body, "<pron", "</pron>", pronEnd));
        if (lang == 'H') {
            trans = withHebrewSin(trans);
            pron = withHebrewSin(pron);
        }
        trans = stripMarkup(trans);
        pron = stripMarkup(pron);
        const std::string where = std::string(1, lang) + std::to_string(le.number);
        le.key = keyOfSpelling(trans);
        if (!le.key.empty()) {
            le.heading = squeezeBlanks(toWindows1252(trans));
            if (!pron.empty())
                le.heading += " (" + toWindows1252(pron) + ")";
        } else if (!(le.key = keyOfSpelling(pron)).empty()) {
            // A transliteration in Hebrew script (or without letters): the
            // pronunciation spells the word in Latin letters.
            le.heading = squeezeBlanks(toWindows1252(pron));
            lib.report(where, "transliteration unusable; key \"" + le.key +
                                  "\" taken from the pronunciation");
        } else {
            lib.report(where, "no transliteration; the word is left out");
            continue;
        }
        le.heading.erase(std::remove_if(le.heading.begin(), le.heading.end(),
                                        [](char c) { return c == '{' || c == '}'; }),
                         le.heading.end());
        const size_t from = std::max(after, pronEnd);
        le.body = e.body.substr(std::min(from, e.body.size()));
        lex.entries[le.number] = std::move(le);
    }
    return lex;
}

namespace {

// The definition text with its references rewritten as G[key] / H[key]
// links, chosen by the number as displayed.
std::string definitionText(const LexEntry& le, const Lexicon& greek, const Lexicon& hebrew,
                           char lang, Library& lib) {
    std::string out;
    int skipDepth = 0; // inside an orth element that is not a transliteration
    bool inRef = false;
    std::string refText;
    scanMarkup(
        le.body,
        [&](std::string_view text) {
            if (skipDepth > 0)
                return;
            if (inRef)
                refText += text;
            else
                out += text;
        },
        [&](const Tag& t) {
            if (t.name == "orth") {
                if (t.closing) {
                    if (skipDepth > 0)
                        --skipDepth;
                } else if (!t.selfClosing && t.attr("type") != "trans") {
                    ++skipDepth;
                }
            } else if (t.name == "ref") {
                if (!t.closing) {
                    inRef = true;
                    refText.clear();
                    return;
                }
                inRef = false;
                char refLang = 0;
                int number = 0;
                const std::string shown = stripMarkup(refText);
                const std::string* key = nullptr;
                if (parseStrongs(shown, refLang, number))
                    key = (refLang == 'G' ? greek : hebrew).keyOf(number);
                if (!key) {
                    lib.report(std::string(1, lang) + std::to_string(le.number),
                               "reference \"" + shown + "\" has no dictionary word; kept as text");
                    out += shown;
                    return;
                }
                // A link must stand after a blank to respond to a click.
                if (!out.empty() && out.back() != ' ')
                    out += ' ';
                out += std::string(1, refLang) + "[" + *key + "]";
            } else if (t.name == "lb" || t.name == "entryFree" || t.name == "def") {
                out += ' ';
            }
        });
    std::string text = toWindows1252(decodeEntities(out));
    text.erase(
        std::remove_if(text.begin(), text.end(), [](char c) { return c == '{' || c == '}'; }),
        text.end());
    return squeezeBlanks(text);
}

} // namespace

void writeDictionaries(const Lexicon& greek, const Lexicon& hebrew, Library& lib) {
    // file → key → line
    std::map<std::string, std::map<std::string, std::string>> files;
    int unreachable = 0;
    for (const Lexicon* lex : {&greek, &hebrew}) {
        for (const auto& [number, le] : lex->entries) {
            const std::string file = dictionaryFileFor(le.key, lex->lang);
            if (file.empty()) {
                ++unreachable;
                lib.report(std::string(1, lex->lang) + std::to_string(number),
                           "key \"" + le.key + "\" has no dictionary file the word lookup reaches");
                continue;
            }
            std::string part = le.heading + " " + std::string(1, lex->lang) +
                               std::to_string(number) + ": " +
                               definitionText(le, greek, hebrew, lex->lang, lib);
            std::string& line = files[file][le.key];
            line = line.empty() ? part : line + " | " + part;
        }
    }
    for (auto& [name, keys] : files) {
        OutFile& f = lib.add(name, OutFile::Dictionary);
        for (auto& [key, line] : keys)
            f.lines.push_back(key + ": " + line);
    }
}

} // namespace library
