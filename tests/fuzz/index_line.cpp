// Line 1 an index line, line 2 a key looked up in it, further lines body lines to index.
#include <string>
#include <vector>

#include "formats/book_file.h"
#include "formats/index_line.h"
#include "formats/number.h"
#include "fuzz_support.h"

namespace {

using formats::IndexEnd;

void lookUp(std::string_view line, std::string_view key) {
    for (IndexEnd end : {IndexEnd::Star, IndexEnd::Bracket}) {
        const formats::IndexScan scan = formats::scanIndexLine(line, end);
        const formats::ParsedIndex parsed = formats::parseIndexLine(line, end);
        fuzz::require(parsed.fault.empty() || parsed.entries.empty(), "a fault keeps no entries");
        fuzz::require(parsed.entries.size() <= scan.entries.size(), "parsed entries were scanned");
        for (const formats::ScannedEntry& e : scan.entries)
            fuzz::require(e.at < line.size() && line[e.at] == '<', "an entry starts at a \"<\"");
        (void)formats::offsetOfKey(line, key, end);
    }
    (void)formats::findEntry(line, key);
    (void)formats::findPageEntry(line, key);
    (void)formats::findLastPageEntry(line, key);
    for (auto at = formats::firstEntry(line); at; at = formats::entryAfter(line, *at)) {
        formats::keyAt(line, *at);
        (void)formats::pageLabelAt(line, *at);
        (void)formats::offsetText(line, *at + 1, IndexEnd::Star);
    }
    if (auto index = formats::bookIndexOf({std::string(line), static_cast<long>(line.size()) + 2}))
        fuzz::require(index->firstPage >= 0 && index->lastPage >= 0, "pages are not negative");
    (void)formats::pageOfKey(key);
    (void)formats::writtenPageOfKey(key);
    if (auto n = formats::parseNumber(key))
        fuzz::require(*n >= 0 && *n <= 999999999, "a number has at most nine digits");
    const long lead = formats::leadingNumber(key);
    fuzz::require(lead >= -999999999 && lead <= 999999999, "a leading number is bounded");
}

// Prev's one walk along the line finds what counting down the page numbers found.
void highestPageBelow(std::string_view line, long below) {
    std::optional<size_t> at;
    long n = below - 1;
    for (; n >= 0 && !at; --n)
        at = formats::findPageEntry(line, std::to_string(n));
    const auto found = formats::findHighestPageBelow(line, 0, below);
    fuzz::require(found.has_value() == at.has_value(), "a page below is found when there is one");
    if (found)
        fuzz::require(found->page == n + 1 && found->at == *at, "the same page and entry");
}

// An index built for body lines reads back as one entry per keyed line.
void buildAndRead(std::string_view body) {
    std::vector<std::string> lines;
    for (std::string_view rest = body;;) {
        const auto [line, next] = fuzz::firstLine(rest);
        lines.emplace_back(line);
        if (line.size() == rest.size())
            break;
        rest = next;
    }
    auto keyOf = [](const std::string& l) {
        const std::string key = l.substr(0, l.find('>'));
        const bool usable = l.find('>') != std::string::npos && !key.empty() &&
                            key.find_first_of("<>*") == std::string::npos;
        return usable ? key : std::string();
    };
    size_t keyed = 0;
    for (const std::string& l : lines)
        keyed += !keyOf(l).empty();
    const std::string index = formats::buildIndexLine(lines, IndexEnd::Star, keyOf);
    const formats::ParsedIndex parsed = formats::parseIndexLine(index, IndexEnd::Star);
    fuzz::require(parsed.entries.size() == keyed, "every keyed line gets its entry");
    fuzz::require(keyed == 0 || parsed.fault.empty(), "a built index is well formed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto [line, rest] = fuzz::firstLine(fuzz::textOf(data, size));
    const auto [key, body] = fuzz::firstLine(rest);
    lookUp(line, key);
    highestPageBelow(line, static_cast<long>(size % 300));
    buildAndRead(body);
    return 0;
}
