// Export files of the module exporter: entries headed "$$$key", each
// followed by its body lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace library {

struct ImpEntry {
    std::string key;
    std::string body; // body lines joined with "\n"
    long line = 0;    // line of the "$$$" heading in the export file
};

std::vector<ImpEntry> parseImp(std::string_view text);
[[nodiscard]] std::optional<std::string> readWholeFile(const std::string& path);

// A tag of the markup in entry bodies.
struct Tag {
    std::string_view name;
    std::string_view raw; // everything between "<" and ">"
    bool closing = false;
    bool selfClosing = false;
    // The value of attribute a ("" when absent), entities not decoded.
    std::string_view attr(std::string_view a) const;
};

// Calls onText for every run of text and onTag for every tag, in order.
template <class OnText, class OnTag>
void scanMarkup(std::string_view s, OnText onText, OnTag onTag);

// The text without its tags, entities decoded (UTF-8 as in the source).
std::string stripMarkup(std::string_view s);

Tag parseTag(std::string_view raw);

template <class OnText, class OnTag>
void scanMarkup(std::string_view s, OnText onText, OnTag onTag) {
    size_t i = 0;
    while (i < s.size()) {
        const size_t lt = s.find('<', i);
        if (lt == std::string_view::npos) {
            onText(s.substr(i));
            return;
        }
        if (lt > i)
            onText(s.substr(i, lt - i));
        const size_t gt = s.find('>', lt + 1);
        if (gt == std::string_view::npos) {
            onText(s.substr(lt)); // a stray "<" is text
            return;
        }
        onTag(parseTag(s.substr(lt + 1, gt - lt - 1)));
        i = gt + 1;
    }
}

} // namespace library
