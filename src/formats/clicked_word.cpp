#include "formats/clicked_word.h"

#include "formats/dictionary_file.h"
#include "formats/letter_case.h"
#include "formats/trim.h"

namespace formats {

namespace {

WordLookup stopped(WordLookup::Outcome outcome, std::string why) {
    WordLookup r;
    r.outcome = outcome;
    r.why = std::move(why);
    return r;
}

bool below(char c, int code) {
    return static_cast<unsigned char>(c) < code;
}

} // namespace

WordLookup clickedWord(std::string_view text, size_t caret, bool bracketRule,
                       std::string_view lang) {
    if (caret == 0 || caret > text.size())
        return stopped(WordLookup::NotAWord, "no word was clicked");
    // The box's text followed by one blank; positions below are 0-based.
    const std::string s = std::string(text) + ' ';
    const size_t e = s.find(' ', caret - 1); // always found: the final blank
    size_t b = e == 0 ? std::string::npos : s.rfind(' ', e - 1);
    if (b == std::string::npos)
        b = 0;
    // The word with the blank before it, the blank after it and two more characters.
    const std::string chunk = s.substr(b, e + 3 - b);
    if (bracketRule && chunk.substr(0, 3).find('[') == std::string::npos)
        return stopped(WordLookup::NoResponse, "a \"[\" must stand among its first two characters");
    const size_t p = chunk.find(' ', 1);
    if (p == std::string::npos)
        return stopped(WordLookup::NotAWord, "it holds no word");
    bool apostrophe = chunk[p - 1] == '\'';
    std::string w(trimBlanks(std::string_view(chunk).substr(0, p)));
    if (w.empty())
        return stopped(WordLookup::NotAWord, "it holds no word");
    if (w[0] == '>' || w[0] == '"' || w[0] == '(')
        w.erase(0, 1);
    WordLookup r;
    std::string language(lang);
    if (w.rfind("G[", 0) == 0 || w.rfind("H[", 0) == 0) {
        r.prefixed = true;
        language = w[0] == 'G' ? "Grk" : "Heb";
        const size_t q = w.find(']');
        if (q == std::string::npos)
            return stopped(WordLookup::NoResponse, "it has no \"]\"");
        if (w[q - 1] == '\'')
            apostrophe = true;
        w = w.substr(2, q - 2);
    }
    for (int i = 0; i < 2 && !w.empty(); ++i)
        if (below(w.back(), '0'))
            w.pop_back();
    if (w.empty()) {
        r.why = "it holds no word";
        return r;
    }
    r.key = lowerText(w);
    const DictionaryChoice choice = dictionaryFor(r.key, language);
    if (!choice.file) {
        r.outcome = WordLookup::NoDictionary;
        r.why = choice.why;
        return r;
    }
    if (apostrophe)
        r.key += "'";
    r.outcome = WordLookup::Found;
    r.file = *choice.file;
    return r;
}

} // namespace formats
