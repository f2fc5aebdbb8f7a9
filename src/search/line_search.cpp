#include "search/line_search.h"

#include <algorithm>
#include <cstring>

#include "platform/letter_case.h"

namespace search {

namespace {

constexpr size_t kBefore = 30;  // characters of the excerpt before the opening "^"
constexpr size_t kExcerpt = 60; // longest excerpt
constexpr std::string_view kEntryEnd = "\r\n\r\n";

// The 0-based position of the first occurrence of what in text, or npos.
size_t find(std::string_view text, std::string_view what) {
    if (what.size() > text.size())
        return std::string_view::npos;
    const void* at = memmem(text.data(), text.size(), what.data(), what.size());
    if (!at)
        return std::string_view::npos;
    return static_cast<size_t>(static_cast<const char*>(at) - text.data());
}

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

// Moves a cursor over the occurrences of one form: the position of the first
// occurrence at or after from, searching the book again only when needed.
struct Cursor {
    std::string_view book;
    std::string_view form;
    size_t at = 0;
    bool searched = false;

    size_t next(size_t from) {
        if (!searched || (at != std::string_view::npos && at < from)) {
            const size_t found = find(book.substr(from), form);
            at = found == std::string_view::npos ? found : from + found;
            searched = true;
        }
        return at;
    }
};

} // namespace

SearchText::SearchText(std::string text, bool caseSensitive) {
    if (caseSensitive) {
        m_first = text;
        m_second = std::move(text);
        return;
    }
    m_first = withFirst(text, platform::lowerLetter);
    m_second = withFirst(std::move(text), platform::upperLetter);
}

std::string_view testedText(std::string_view text, const FindOptions& options) {
    const size_t caret = text.find('^');
    if (caret == std::string_view::npos)
        return text;
    if (options.fromVerseWindow) {
        std::string_view original = text.substr(caret + 1);
        return original.substr(0, original.find('<'));
    }
    if (options.bibleMode)
        return text.substr(0, caret);
    return text;
}

bool searchLine(std::string_view line, const SearchText& text, const FindOptions& options,
                std::string_view prefix, std::string& results) {
    if (text.empty())
        return false;
    const size_t gt = line.find('>');
    if (gt == std::string_view::npos)
        return false;
    const std::string_view tested = testedText(line.substr(gt + 1), options);
    size_t o = find(tested, text.first());
    if (o == std::string_view::npos && text.twoForms())
        o = find(tested, text.second());
    if (o == std::string_view::npos)
        return false;
    const size_t n = text.size();
    if (options.wholeWord) {
        if (o > 0 && isWordChar(tested[o - 1]))
            return false;
        if (o + n < tested.size() && isWordChar(tested[o + n]))
            return false;
    }
    results.append(prefix);
    results.append(line.substr(0, gt + 1));
    appendExcerpt(results, tested, o, n);
    results.append(kEntryEnd);
    return true;
}

size_t searchBook(std::string_view book, const SearchText& text, const FindOptions& options,
                  std::string_view prefix, std::string& results) {
    // Lines hold no LF, so a text with one is never found.
    if (text.empty() || text.first().find('\n') != std::string::npos)
        return 0;
    size_t pos = book.find('\n');
    if (pos == std::string_view::npos)
        return 0;
    ++pos;
    // A line can only be a hit when it holds one of the forms, so the scan
    // jumps from occurrence to occurrence and tests just the lines they lie in.
    Cursor first{book, text.first()};
    Cursor second{book, text.second()};
    size_t hits = 0;
    while (pos < book.size()) {
        size_t at = first.next(pos);
        if (text.twoForms())
            at = std::min(at, second.next(pos));
        if (at == std::string_view::npos)
            break;
        const size_t nl = book.rfind('\n', at);
        const size_t start = nl == std::string_view::npos || nl < pos ? pos : nl + 1;
        size_t end = book.find('\n', at);
        if (end == std::string_view::npos)
            end = book.size();
        std::string_view line = book.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (searchLine(line, text, options, prefix, results))
            ++hits;
        pos = end + 1;
    }
    return hits;
}

} // namespace search
