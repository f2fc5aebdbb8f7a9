// What a click in the search window's panes points at: a word of the offered
// page text, or the reference of a hit in the results.
#pragma once

#include <optional>
#include <string>

namespace search {

// The word a click picks from an offered text, caret being the number of
// characters before the caret: the blank-separated stretch around the caret,
// from its first ">" on and up to its first CR, without the trailing
// characters ! ) , - . : ; ? }. Nothing when the caret is at the start.
[[nodiscard]] std::optional<std::string> pickWord(const std::string& text, int caret);

// The reference of the hit a click in the results points at: the text just
// before the last ">" up to the caret, as far back as the line start, read
// from a window of 12 characters; a reference longer than that window is
// the whole line before that ">" when it is the line's first. Nothing when
// the click leads to none.
[[nodiscard]] std::optional<std::string> hitReference(const std::string& results, int caret);

// A Find All reference "stem key" as the book file of the stem and the key;
// nothing without a blank.
struct HitPlace {
    std::string file;
    std::string key;
};
[[nodiscard]] std::optional<HitPlace> findAllPlace(const std::string& reference);

} // namespace search
