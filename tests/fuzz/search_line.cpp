// Byte 0 the options, the rest of line 1 the search text, further lines a book: the whole
// book's search finds what testing its lines one by one finds, hits only in tested parts.
#include <string>

#include "formats/book_file.h"
#include "fuzz_support.h"
#include "search/line_search.h"

namespace {

// True when either form of text occurs in tested as a whole word (or at all).
bool occurs(std::string_view tested, const search::SearchText& text, bool wholeWord) {
    for (const std::string* form : {&text.first(), &text.second()})
        for (size_t o = tested.find(*form); o != std::string_view::npos;
             o = tested.find(*form, o + 1)) {
            const size_t end = o + form->size();
            if (!wholeWord || ((o == 0 || !search::isWordChar(tested[o - 1])) &&
                               (end == tested.size() || !search::isWordChar(tested[end]))))
                return true;
        }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const unsigned flags = data[0];
    const std::string_view input = fuzz::textOf(data + 1, size - 1);
    search::FindOptions options;
    options.caseSensitive = flags & 1;
    options.wholeWord = flags & 2;
    options.fromVerseWindow = flags & 4;
    options.bibleMode = flags & 8;
    const std::string_view prefix = flags & 16 ? "genesis " : "";
    const search::SearchText text(std::string(fuzz::firstLine(input).first), options.caseSensitive);

    std::string whole;
    const size_t hits = search::searchBook(input, text, options, prefix, whole);

    std::string byLine;
    size_t lineHits = 0;
    for (std::string_view rest = fuzz::firstLine(input).second; !rest.empty();) {
        auto [line, next] = fuzz::firstLine(rest);
        rest = next;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const size_t before = byLine.size();
        const bool hit = search::searchLine(line, text, options, prefix, byLine);
        lineHits += hit ? 1 : 0;
        fuzz::require(hit == (byLine.size() > before), "an entry is added on a hit only");
        const formats::BodyLine body = formats::splitBodyLine(line);
        const std::string_view tested = search::testedText(body.text, options);
        // Only the first occurrence is tested for a whole word.
        if (hit)
            fuzz::require(occurs(tested, text, options.wholeWord), "a hit holds the text");
        else if (!text.empty() && body.keyClosed)
            fuzz::require(!occurs(tested, text, false) || options.wholeWord,
                          "a closed line with the text is a hit");
        // Prefix, key, ">", at most 60 characters of excerpt, CR LF CR LF.
        fuzz::require(byLine.size() - before <= prefix.size() + body.key.size() + 1 + 60 + 4,
                      "an entry is at most its key and 60 characters");
    }
    fuzz::require(hits == lineHits && whole == byLine,
                  "the book search finds what the line test finds");
    return 0;
}
