// Text forms of property values: decimal integers, True/False, #RRGGBB.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ui {

std::string boolText(bool b);
std::optional<bool> parseBool(const std::string& s);
std::optional<long> parseLong(const std::string& s);
std::string colourText(std::uint32_t rgb);
std::optional<std::uint32_t> parseColour(const std::string& s);

constexpr std::uint32_t rgb(int r, int g, int b) {
    return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
           static_cast<std::uint32_t>(b);
}
constexpr std::uint32_t kWhite = rgb(255, 255, 255);
constexpr std::uint32_t kLightGrey = rgb(192, 192, 192);
constexpr std::uint32_t kButtonFace = rgb(212, 208, 200);
constexpr std::uint32_t kBlack = rgb(0, 0, 0);

} // namespace ui
