// The clicked word: byte 0 the options, the next two the caret, the rest the box's text
// (a short one also clicked at every caret position).
#include <string>

#include "formats/clicked_word.h"
#include "formats/dictionary_file.h"
#include "formats/letter_case.h"
#include "fuzz_support.h"

namespace {

void click(std::string_view text, size_t caret, bool bracketRule, std::string_view lang) {
    const formats::WordLookup r = formats::clickedWord(text, caret, bracketRule, lang);
    if (caret == 0 || caret > text.size())
        fuzz::require(r.outcome == formats::WordLookup::NotAWord, "no caret, no word");
    if (r.outcome != formats::WordLookup::Found) {
        fuzz::require(r.file.empty() && !r.why.empty(), "a lookup that stops says why");
        return;
    }
    fuzz::require(!r.key.empty() && !r.file.empty(), "a word found has a key and a file");
    fuzz::require(r.key.find(' ') == std::string::npos, "a key holds no blank");
    std::string word = r.key;
    if (word.size() > 1 && word.back() == '\'')
        word.pop_back();
    fuzz::require(formats::lowerText(std::string(text)).find(word) != std::string::npos,
                  "a key is cut out of the text");
    // The dictionary of the window's language, or of the one its G[ or H[ names.
    auto fileFor = [&](std::string_view language) {
        return formats::dictionaryFor(word, language).file.value_or("");
    };
    fuzz::require(r.prefixed ? r.file == fileFor("Grk") || r.file == fileFor("Heb")
                             : r.file == fileFor(lang),
                  "a key found is looked up in its dictionary");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const bool bracketRule = data[0] & 1;
    static constexpr std::string_view kLangs[] = {"", "Grk", "Heb", ""};
    const std::string_view lang = kLangs[(data[0] >> 1) & 3];
    const size_t caret = data[1] | static_cast<size_t>(data[2]) << 8;
    const std::string_view text = fuzz::textOf(data + 3, size - 3);
    click(text, caret, bracketRule, lang);
    if (text.size() <= 512)
        for (size_t at = 0; at <= text.size() + 1; ++at)
            click(text, at, bracketRule, lang);
    return 0;
}
