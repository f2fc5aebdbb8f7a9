#include "search/line_search.h"

#include <algorithm>
#include <cstring>

#include "formats/book_file.h"
#include "formats/letter_case.h"
#include "formats/notes_file.h"
#include "search/form_scanner.h"

namespace search {

namespace {

constexpr size_t kBefore = 30;  // characters of the excerpt before the opening "^"
constexpr size_t kExcerpt = 60; // longest excerpt
constexpr std::string_view kEntryEnd = "\r\n\r\n";

std::string withFirst(std::string s, char (*convert)(char)) {
    if (!s.empty())
        s[0] = convert(s[0]);
    return s;
}

// Appends the excerpt: the text with the occurrence at o (n characters)
// enclosed in "^", from kBefore characters before the occurrence (or from the
// start), at most kExcerpt characters.
void appendExcerpt(std::string& out, std::string_view text, size_t o, size_t n) {
    const size_t start = o > kBefore ? o - kBefore : 0;
    size_t budget = kExcerpt;
    auto put = [&](std::string_view part) {
        const size_t k = std::min(part.size(), budget);
        out.append(part.data(), k);
        budget -= k;
    };
    put(text.substr(start, o - start));
    put("^");
    put(text.substr(o, n));
    put("^");
    put(text.substr(o + n));
}

} // namespace

SearchText::SearchText(std::string text, bool caseSensitive) {
    if (caseSensitive) {
        m_first = text;
        m_second = std::move(text);
        return;
    }
    m_first = withFirst(text, formats::lowerLetter);
    m_second = withFirst(std::move(text), formats::upperLetter);
}

std::string_view testedText(std::string_view text, const FindOptions& options) {
    const formats::VerseText verse = formats::splitVerseText(text);
    if (!verse.split)
        return text;
    if (options.fromVerseWindow)
        return formats::splitVerseNotes(verse.original).verse;
    if (options.bibleMode)
        return verse.shown;
    return text;
}

namespace {

// The line test with the scanner of the search text.
bool testLine(std::string_view line, const SearchText& text, const FormScanner& scanner,
              const FindOptions& options, std::string_view prefix, std::string& results) {
    const formats::BodyLine body = formats::splitBodyLine(line);
    if (!body.keyClosed)
        return false;
    const std::string_view tested = testedText(body.text, options);
    // The first occurrence of either form; when it is the capitalised form,
    // a later lower-initial occurrence still comes first.
    size_t o = scanner.next(tested, 0);
    if (o == std::string_view::npos)
        return false;
    if (tested[o] != text.first()[0])
        for (size_t k = scanner.next(tested, o + 1); k != std::string_view::npos;
             k = scanner.next(tested, k + 1))
            if (tested[k] == text.first()[0]) {
                o = k;
                break;
            }
    const size_t n = text.size();
    if (options.wholeWord) {
        if (o > 0 && isWordChar(tested[o - 1]))
            return false;
        if (o + n < tested.size() && isWordChar(tested[o + n]))
            return false;
    }
    results.append(prefix);
    results.append(body.key);
    results.push_back('>');
    appendExcerpt(results, tested, o, n);
    results.append(kEntryEnd);
    return true;
}

} // namespace

bool searchLine(std::string_view line, const SearchText& text, const FindOptions& options,
                std::string_view prefix, std::string& results) {
    return !text.empty() && testLine(line, text, FormScanner(text), options, prefix, results);
}

size_t searchBook(std::string_view book, const SearchText& text, const FindOptions& options,
                  std::string_view prefix, std::string& results, size_t enough) {
    // Lines hold no LF, so a text with one is never found.
    if (text.empty() || text.first().find('\n') != std::string::npos)
        return 0;
    size_t pos = book.find('\n');
    if (pos == std::string_view::npos)
        return 0;
    ++pos;
    // A line can only be a hit when it holds one of the forms, so the scan
    // jumps from occurrence to occurrence and tests just the lines they lie in.
    const FormScanner scanner(text);
    size_t hits = 0;
    while (pos < book.size()) {
        const size_t at = scanner.next(book, pos);
        if (at == std::string_view::npos)
            break;
        const void* nl = memrchr(book.data() + pos, '\n', at - pos);
        const size_t start =
            nl ? static_cast<size_t>(static_cast<const char*>(nl) - book.data()) + 1 : pos;
        size_t end = book.find('\n', at);
        if (end == std::string_view::npos)
            end = book.size();
        std::string_view line = book.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (testLine(line, text, scanner, options, prefix, results)) {
            ++hits;
            if (results.size() > enough)
                break;
        }
        pos = end + 1;
    }
    return hits;
}

} // namespace search
