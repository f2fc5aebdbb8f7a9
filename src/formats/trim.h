// Blanks around a field of a library file's line are not part of it.
#pragma once

#include <string_view>

namespace formats {

// s without the blanks at its start and end ("" when it is all blanks).
inline std::string_view trimBlanks(std::string_view s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

} // namespace formats
