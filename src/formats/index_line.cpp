#include "formats/index_line.h"

#include "formats/number.h"

namespace formats {

namespace {

constexpr auto npos = std::string_view::npos;

std::optional<size_t> found(size_t at) {
    if (at == npos)
        return std::nullopt;
    return at;
}

std::string pageNeedle(std::string_view page) {
    std::string needle = "<";
    needle += page;
    needle += ':';
    return needle;
}

// Where the entry or offset that starts at from ends: at the next "<" (or,
// in runs ended by "*", the next "*"), else at the end of the line.
size_t stopAfter(std::string_view line, size_t from, IndexEnd end) {
    const size_t stop =
        end == IndexEnd::Star ? line.find_first_of("<*", from) : line.find('<', from);
    return stop == npos ? line.size() : stop;
}

} // namespace

std::optional<size_t> findEntry(std::string_view index, std::string_view key) {
    std::string needle = "<";
    needle += key;
    needle += '>';
    return found(index.find(needle));
}

std::optional<size_t> firstEntry(std::string_view index) {
    return found(index.find('<'));
}

std::optional<size_t> findPageEntry(std::string_view index, std::string_view page) {
    return found(index.find(pageNeedle(page)));
}

std::optional<size_t> findLastPageEntry(std::string_view index, std::string_view page) {
    // Walking back over the "<" marks is much faster than a general
    // backwards substring search.
    const std::string needle = pageNeedle(page);
    for (size_t at = index.rfind('<'); at != npos; at = at ? index.rfind('<', at - 1) : npos)
        if (index.substr(at, needle.size()) == needle)
            return at;
    return std::nullopt;
}

std::optional<PageEntry> findHighestPageBelow(std::string_view index, long low, long below) {
    std::optional<PageEntry> best;
    for (size_t at = index.find('<'); at != npos; at = index.find('<', at + 1)) {
        // A page label ends at the next ":", within as many characters as a
        // page number has digits; "<07:" is not how page 7 is written.
        const std::string_view label = index.substr(at + 1, kMaxDigits + 1);
        const size_t colon = label.find(':');
        const auto page = colon == npos ? std::nullopt : writtenPageNumber(label.substr(0, colon));
        if (page && *page >= low && *page < below && (!best || *page > best->page))
            best = PageEntry{at, *page};
    }
    return best;
}

std::optional<size_t> entryAfter(std::string_view index, size_t at) {
    return found(index.find('<', at + 1));
}

std::string_view keyAt(std::string_view index, size_t at) {
    const size_t close = index.find('>', at);
    return index.substr(at + 1, close == npos ? npos : close - at - 1);
}

std::optional<PageLabel> pageLabelAt(std::string_view index, size_t at) {
    const size_t colon = index.find(':', at);
    if (colon == npos)
        return std::nullopt;
    return PageLabel{index.substr(at + 1, colon - at - 1), colon};
}

std::optional<std::string_view> offsetText(std::string_view index, size_t from, IndexEnd end) {
    const size_t stop = stopAfter(index, from, end);
    if (end == IndexEnd::Bracket && stop == index.size())
        return std::nullopt;
    return index.substr(from, stop - from);
}

std::optional<long> offsetOfKey(std::string_view index, std::string_view key, IndexEnd end) {
    const auto at = findEntry(index, key);
    if (!at)
        return std::nullopt;
    const auto text = offsetText(index, *at + key.size() + 2, end);
    return text ? parseNumber(*text) : std::nullopt;
}

IndexScan scanIndexLine(std::string_view line, IndexEnd end) {
    IndexScan scan;
    size_t limit = line.size();
    if (end == IndexEnd::Star) {
        scan.end = found(line.find('*'));
        limit = scan.end.value_or(limit);
    }
    size_t at = line.find('<');
    scan.hasEntries = at < limit;
    while (at < limit) {
        if (end == IndexEnd::Bracket && at + 1 == line.size())
            break; // the closing "<"
        const size_t stop = stopAfter(line, at + 1, end);
        ScannedEntry e;
        e.at = at;
        const size_t gt = line.find('>', at + 1);
        if (gt != npos && gt < stop) {
            e.keyClosed = true;
            e.key = line.substr(at + 1, gt - at - 1);
            e.offsetAt = gt + 1;
            e.offsetText = offsetText(line, e.offsetAt, end);
            if (e.offsetText)
                e.offset = parseNumber(*e.offsetText);
        }
        scan.entries.push_back(e);
        at = stop;
    }
    return scan;
}

ParsedIndex parseIndexLine(std::string_view line, IndexEnd end) {
    const IndexScan scan = scanIndexLine(line, end);
    const std::string ending = end == IndexEnd::Star ? "\"*\"" : "\"<\"";
    auto fault = [](std::string text) { return ParsedIndex{{}, std::move(text)}; };
    if (!scan.hasEntries)
        return fault("the index line has no entries");
    if (end == IndexEnd::Star && !scan.end)
        return fault("the index line does not end with " + ending);
    if (scan.textAfterEnd(line))
        return fault("text after the \"*\" that ends the index line");
    ParsedIndex parsed;
    for (const ScannedEntry& e : scan.entries) {
        if (!e.keyClosed)
            return fault("an index entry without \">\" at byte " + std::to_string(e.at + 1));
        if (!e.offsetText)
            return fault("the index line does not end with " + ending);
        if (!e.offset)
            return fault("the offset of \"" + std::string(e.key) + "\" is not a number");
        parsed.entries.push_back({std::string(e.key), *e.offset});
    }
    return parsed;
}

std::string buildIndexLine(const std::vector<std::string>& body, IndexEnd end,
                           const std::function<std::string(const std::string&)>& keyOf) {
    std::string index;
    long offset = 1;
    for (const std::string& line : body) {
        const std::string key = keyOf(line);
        if (!key.empty())
            index += "<" + key + ">" + std::to_string(offset);
        offset += static_cast<long>(line.size()) + 2;
    }
    index += end == IndexEnd::Star ? "*" : "<";
    return index;
}

} // namespace formats
