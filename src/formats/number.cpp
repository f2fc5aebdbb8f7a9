#include "formats/number.h"

#include <algorithm>

#include "formats/trim.h"

namespace formats {

namespace {

constexpr long kLargest = 999999999;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<long> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty() || text.size() > kMaxDigits)
        return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<long> writtenPageNumber(std::string_view text) {
    if (text.find(' ') != std::string_view::npos || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    return parseNumber(text);
}

long leadingNumber(std::string_view text) {
    size_t at = text.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string_view::npos)
        return 0;
    const bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+')
        ++at;
    long value = 0;
    for (; at < text.size() && isDigit(text[at]); ++at)
        value =
            value > kLargest / 10 ? kLargest : std::min(kLargest, value * 10 + (text[at] - '0'));
    return negative ? -value : value;
}

} // namespace formats
