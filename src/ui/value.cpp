#include "ui/value.h"

#include <cstdio>
#include <cstdlib>

namespace ui {

std::string boolText(bool b) {
    return b ? "True" : "False";
}

std::optional<bool> parseBool(const std::string& s) {
    if (s == "True" || s == "-1" || s == "1")
        return true;
    if (s == "False" || s == "0")
        return false;
    return std::nullopt;
}

std::optional<long> parseLong(const std::string& s) {
    if (s.empty())
        return std::nullopt;
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0')
        return std::nullopt;
    return v;
}

std::string colourText(std::uint32_t rgb) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFFu));
    return buf;
}

std::optional<std::uint32_t> parseColour(const std::string& s) {
    if (s.size() != 7 || s[0] != '#')
        return std::nullopt;
    char* end = nullptr;
    unsigned long v = std::strtoul(s.c_str() + 1, &end, 16);
    if (*end != '\0')
        return std::nullopt;
    return static_cast<std::uint32_t>(v);
}

} // namespace ui
