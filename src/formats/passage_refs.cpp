#include "formats/passage_refs.h"

#include <algorithm>

#include "formats/book_file.h"
#include "formats/number.h"
#include "formats/trim.h"

namespace formats {

namespace {

constexpr auto npos = std::string::npos;

std::string trim(std::string_view s) {
    return std::string(trimBlanks(s));
}

// The paragraph number of page:para.
long paraOf(const std::string& pageColonPara) {
    return leadingNumber(std::string_view(pageColonPara).substr(pageColonPara.find(':') + 1));
}

} // namespace

std::vector<std::string> passageEntries(const std::string& key) {
    std::vector<std::string> entries;
    size_t start = 0;
    for (size_t end = key.find('\\'); end != npos && entries.size() < kMaxPassageEntries;
         start = end + 1, end = key.find('\\', start)) {
        const std::string ref = trim(std::string_view(key).substr(start, end - start));
        const size_t blank = ref.find(' ');
        if (ref.find(':') == npos || blank == npos || blank > ref.find(':'))
            break;
        if (const size_t comma = ref.find(','); comma != npos) {
            if (ref.size() < 5)
                break;
            const std::string from = ref.substr(4, comma - 4), to = ref.substr(comma + 1);
            if (from.find(':') == npos || to.find(':') == npos)
                break;
            entries.push_back(ref.substr(0, 3) + " " + trim(from) + "\\" +
                              std::to_string(paraOf(to) - paraOf(from) + 1));
        } else if (const size_t dash = ref.find('-', ref.find(':')); dash != npos) {
            const std::string from = ref.substr(0, dash);
            const long last = leadingNumber(std::string_view(ref).substr(dash + 1));
            entries.push_back(from + "\\" + std::to_string(last - paraOf(from) + 1));
        } else {
            entries.push_back(ref + "\\1");
        }
    }
    return entries;
}

std::string singlePassageEntry(std::string key, const std::string& text, const std::string& next) {
    if (!key.empty() && key.back() == '\\') {
        if (text.empty() || text[0] != '.')
            return {};
        key += "1";
    }
    if (key.find('\\') == npos)
        key = next;
    if (key.find(' ') == npos || key.find('\\') == npos || key.back() == '\\')
        return {};
    return key;
}

std::optional<PassageEntry> parsePassageEntry(std::string_view entry) {
    const size_t blank = entry.find(' '), slash = entry.find('\\');
    if (blank == npos || slash == npos || blank >= slash || entry.find(':') == npos)
        return std::nullopt;
    const long asked = leadingNumber(entry.substr(slash + 1));
    PassageEntry parsed{std::string(entry.substr(0, blank)),
                        trim(entry.substr(blank + 1, slash - blank - 1)),
                        std::min(kMaxPassageLines, asked),
                        asked,
                        {}};
    if (const size_t colon = parsed.ref.find(':'); colon != npos && parsed.lines >= 1)
        parsed.last =
            parsed.ref.substr(0, colon + 1) + std::to_string(paraOf(parsed.ref) + parsed.lines - 1);
    return parsed;
}

PassageLine passageLine(const PassageEntry& entry, std::string_view key) {
    if (pageOfKey(key) != pageOfKey(entry.ref))
        return PassageLine::Stop;
    return key == entry.last ? PassageLine::TakeLast : PassageLine::Take;
}

} // namespace formats
