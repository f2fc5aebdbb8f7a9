#include "formats/book_file.h"

#include "formats/number.h"
#include "formats/trim.h"

namespace formats {

namespace {

constexpr auto npos = std::string_view::npos;

std::string trimmed(std::string_view s) {
    return std::string(trimBlanks(s));
}

} // namespace

std::string withParagraphBreaks(std::string_view text, std::string_view lineBreak) {
    std::string out;
    out.reserve(text.size());
    for (size_t from = 0;;) {
        const size_t at = text.find('%', from);
        out.append(
            text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos)
            return out;
        out.append(lineBreak);
        from = at + 1;
    }
}

std::optional<long> pageOfKey(std::string_view key) {
    const size_t colon = key.find(':');
    if (colon == npos)
        return std::nullopt;
    return parseNumber(key.substr(0, colon));
}

std::optional<long> writtenPageOfKey(std::string_view key) {
    const size_t colon = key.find(':');
    if (colon == npos || key.find('<') != npos)
        return std::nullopt;
    return writtenPageNumber(key.substr(0, colon));
}

BodyLine splitBodyLine(std::string_view line) {
    const size_t gt = line.find('>');
    if (gt == npos)
        return {line, {}, false};
    return {line.substr(0, gt), line.substr(gt + 1), true};
}

VerseText splitVerseText(std::string_view text) {
    const size_t caret = text.find('^');
    if (caret == npos)
        return {text, {}, false};
    return {text.substr(0, caret), text.substr(caret + 1), true};
}

PageLine pageLineOf(std::string_view line, bool bible) {
    const BodyLine body = splitBodyLine(line);
    PageLine page{body.key, body.text, body.text, {}};
    if (bible) {
        const VerseText verse = splitVerseText(body.text);
        page.shown = verse.shown;
        if (!verse.original.empty())
            page.rest = verse.original.substr(1);
    } else if (const size_t ref = body.text.find(">References:"); ref != npos) {
        page.text = page.shown = body.text.substr(ref + 1);
    }
    return page;
}

std::optional<BookIndex> bookIndexOf(IndexHead head) {
    const std::string_view line = head.line;
    const size_t first = line.find('<');
    const size_t last = line.rfind('<');
    if (first == npos || line.find('*') == npos)
        return std::nullopt;
    const size_t firstClose = line.find('>', first);
    const size_t lastClose = line.find('>', last);
    if (firstClose == npos || lastClose == npos)
        return std::nullopt;
    BookIndex index;
    index.firstEntry = trimmed(line.substr(first + 1, firstClose - first - 1));
    index.lastEntry = trimmed(line.substr(last + 1, lastClose - last - 1));
    const auto firstPage = pageOfKey(index.firstEntry);
    const auto lastPage = pageOfKey(index.lastEntry);
    if (!firstPage || !lastPage)
        return std::nullopt;
    index.firstPage = *firstPage;
    index.lastPage = *lastPage;
    index.head = std::move(head);
    return index;
}

} // namespace formats
