#include "search/result_pick.h"

#include "formats/file_names.h"
#include "formats/trim.h"

namespace search {

namespace {
constexpr size_t kReferenceWindow = 12;
constexpr std::string_view kTrailing = "!),-.:;?}";
} // namespace

std::optional<std::string> pickWord(const std::string& text, int caret) {
    if (caret <= 0)
        return std::nullopt;
    const std::string w = text + " ";
    const auto c = std::min(static_cast<size_t>(caret), text.size());
    const size_t end = w.find(' ', c); // always found: w ends in a blank
    const size_t begin = end == 0 ? std::string::npos : w.rfind(' ', end - 1);
    std::string_view word = std::string_view(w).substr(
        begin == std::string::npos ? 0 : begin, end - (begin == std::string::npos ? 0 : begin));
    word = formats::trimBlanks(word);
    if (const size_t gt = word.find('>'); gt != std::string_view::npos)
        word = word.substr(gt + 1);
    word = word.substr(0, word.find('\r'));
    while (!word.empty() && kTrailing.find(word.back()) != std::string_view::npos)
        word.remove_suffix(1);
    return std::string(word);
}

std::optional<std::string> hitReference(const std::string& results, int caret) {
    if (caret <= 0)
        return std::nullopt;
    const auto c = std::min(static_cast<size_t>(caret), results.size());
    const size_t gt = c == 0 ? std::string::npos : results.rfind('>', c - 1);
    const size_t r = gt == std::string::npos ? 0 : gt + 1; // 1-based, 0 for none
    const size_t start = r > kReferenceWindow ? r - kReferenceWindow - 1 : 0;
    std::string_view window = std::string_view(results).substr(start, kReferenceWindow);
    if (const size_t crlf = window.find("\r\n"); crlf != std::string_view::npos) {
        window = window.substr(crlf + 2);
        if (const size_t lf = window.find('\n'); lf != std::string_view::npos)
            window = window.substr(lf + 1);
        return std::string(window);
    }
    if (const size_t first = window.find('>'); first != std::string_view::npos)
        return std::string(window.substr(0, first));
    // A reference longer than the window: every hit can be followed, so
    // when this ">" is the first of its line, the whole line before it is
    // the hit's reference. Before the first ">" of all, as with a short
    // reference, the click means the first hit.
    const size_t at = gt != std::string::npos ? gt : results.find('>');
    if (at == std::string::npos)
        return std::nullopt;
    const size_t lf = results.rfind('\n', at);
    const size_t lineStart = lf == std::string::npos ? 0 : lf + 1;
    if (results.find('>', lineStart) != at || (gt == std::string::npos && lineStart != 0))
        return std::nullopt; // a ">" of a hit's excerpt, or no hit at all
    return results.substr(lineStart, at - lineStart);
}

std::optional<HitPlace> findAllPlace(const std::string& reference) {
    const size_t blank = reference.find(' ');
    if (blank == std::string::npos)
        return std::nullopt;
    return HitPlace{formats::bookFileOfStem(reference.substr(0, blank)),
                    reference.substr(blank + 1)};
}

} // namespace search
