#include "library/check_passages.h"

#include <set>
#include <vector>

#include "formats/book_file.h"
#include "formats/number.h"

namespace library::check {

namespace {

constexpr size_t kMaxRunsNamed = 3;

// "1:6", "1:6 to 1:9": a run of keys of one page.
std::string run(const std::string& page, long first, long last) {
    const std::string from = page + ":" + std::to_string(first);
    return first == last ? from : from + " to " + page + ":" + std::to_string(last);
}

} // namespace

std::string keysThePassageLacks(Context& ctx, const SourceFile& book,
                                const formats::PassageEntry& entry) {
    const size_t colon = entry.ref.find(':');
    const auto firstPara = formats::parseNumber(std::string_view(entry.ref).substr(colon + 1));
    if (colon == std::string::npos || !firstPara || entry.lines < 1)
        return {};
    const Index& index = ctx.index(book, FileKind::Book);
    const auto found = index.first.find(entry.ref);
    if (found == index.first.end() || !index.entries[found->second].line)
        return {};
    // The keys the program meets, read from the first key's line.
    std::set<std::string> met;
    long read = 0;
    for (size_t i = *index.entries[found->second].line; i < book.lineCount() && read < entry.lines;
         ++i, ++read) {
        const formats::BodyLine body = formats::splitBodyLine(book.line(i));
        if (!body.keyClosed)
            continue;
        const formats::PassageLine line = formats::passageLine(entry, body.key);
        if (line == formats::PassageLine::Stop)
            break;
        met.emplace(body.key);
        if (line == formats::PassageLine::TakeLast)
            break;
    }
    const std::string page = entry.ref.substr(0, colon);
    std::vector<std::string> runs;
    size_t more = 0;
    const long last = *firstPara + entry.lines - 1;
    for (long para = *firstPara; para <= last; ++para) {
        if (met.count(page + ":" + std::to_string(para)))
            continue;
        long end = para;
        while (end < last && !met.count(page + ":" + std::to_string(end + 1)))
            ++end;
        if (runs.size() < kMaxRunsNamed)
            runs.push_back(run(page, para, end));
        else
            ++more;
        para = end;
    }
    std::string text;
    for (const std::string& r : runs)
        text += (text.empty() ? "" : ", ") + r;
    if (more > 0)
        text += " and " + std::to_string(more) + " more";
    return text;
}

} // namespace library::check
