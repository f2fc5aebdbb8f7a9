// Decimal numbers as the library's files write them: page numbers, byte
// offsets, paragraph and line counts.
#pragma once

#include <optional>
#include <string_view>

namespace formats {

// The most digits a number may have: every value fits a 32-bit integer.
constexpr size_t kMaxDigits = 9;

// A whole number of one to nine digits, blanks around it allowed; nothing for
// anything else (a sign, another character, no digit, ten digits or more).
[[nodiscard]] std::optional<long> parseNumber(std::string_view text);

// A page number as index lines write it: one to nine digits, without blanks
// or a leading zero ("7", not " 7" or "07"); nothing for anything else.
[[nodiscard]] std::optional<long> writtenPageNumber(std::string_view text);

// The number that text begins with: leading white space and one sign are
// skipped, then the digits are read as far as they go (0 when there is none;
// values beyond 999999999 stay at that). The counts in passage references are
// read this way, so that "3\" and "3 lines" both give 3.
long leadingNumber(std::string_view text);

} // namespace formats
