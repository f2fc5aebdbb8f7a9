#include "formats/list_syntax.h"

#include <array>

#include "formats/letter_case.h"

namespace formats {

Split splitAt(const std::string& line, char separator) {
    auto p = line.find(separator);
    if (p == std::string::npos)
        return {false, line, {}};
    return {true, line.substr(0, p), line.substr(p + 1)};
}

std::vector<ListEntry> listEntries(const std::vector<std::string>& lines, size_t limit) {
    std::vector<ListEntry> entries;
    for (const std::string& line : lines) {
        if (entries.size() >= limit)
            break;
        Split s = splitAt(line, '@');
        if (s.found)
            entries.push_back({std::move(s.left), std::move(s.right)});
    }
    return entries;
}

bool isListKind(const std::string& kind) {
    static const std::array<const char*, 7> kinds = {"PBD", "STQ", "PTQ", "STX",
                                                     "SXX", "PNV", "PRE"};
    for (const char* k : kinds)
        if (kind == k)
            return true;
    return false;
}

ItemsOpen itemsOpen(const std::string& kind) {
    if (kind == "STX" || kind == "SEL")
        return ItemsOpen::Book;
    if (kind == "SXX")
        return ItemsOpen::TextFile;
    if (kind == "PNV" || kind == "PRE" || kind == "PTQ")
        return ItemsOpen::Passages;
    if (kind == "PBD")
        return ItemsOpen::OnePassage;
    return ItemsOpen::Nothing;
}

std::string listKind(const std::string& key) {
    auto dot = key.find('.');
    return upperText(dot == std::string::npos ? key : key.substr(dot + 1));
}

std::optional<ListItem> thirdLevelItem(const std::string& kind, const std::string& line) {
    const Split s = splitAt(line, '@');
    // Every kind needs the separator; a line without it is skipped whole so
    // that list items and their keys keep sharing one index.
    if (!s.found)
        return std::nullopt;
    const std::string& L = s.left;
    const std::string& R = s.right;
    if (kind == "PBD") {
        if (R.empty())
            return ListItem{L + ":-", {}, {}};
        return ListItem{L, R, {}};
    }
    if (kind == "STQ")
        return ListItem{L, R, {}};
    if (kind == "PTQ") {
        if (L.empty())
            return ListItem{R + ":-", {}, {}};
        return ListItem{R, L, {}};
    }
    if (kind == "STX" || kind == "SXX") {
        if (L.empty())
            return std::nullopt;
        return ListItem{R, L, {}};
    }
    if (kind == "PNV") {
        if (R.empty())
            return ListItem{L + ":-", {}, {}};
        return ListItem{"." + L, R, {}};
    }
    if (kind == "PRE") {
        if (L.empty())
            return ListItem{R + ":-", {}, {}};
        auto gt = R.find('>');
        if (gt == std::string::npos)
            return ListItem{" ." + R, L, "   "};
        return ListItem{" ." + R.substr(0, gt), L, R.substr(gt + 1)};
    }
    return std::nullopt;
}

std::string languageOf(const std::string& text) {
    static const std::array<std::pair<const char*, const char*>, 7> markers = {{
        {".Prophetic Books", "Heb"},
        {".Historic Books", "Heb"},
        {".Poetical Books", "Heb"},
        {".The Epistles", "Grk"},
        {".The Gospels", "Grk"},
        {"OLD Testament", "Heb"},
        {"NEW Testament", "Grk"},
    }};
    for (const auto& [marker, lang] : markers)
        if (text.find(marker) != std::string::npos)
            return lang;
    return {};
}

} // namespace formats
