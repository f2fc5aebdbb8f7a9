#include "formats/file_names.h"

#include "formats/letter_case.h"
#include "formats/trim.h"

namespace formats {

namespace {

constexpr auto npos = std::string_view::npos;

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

} // namespace

std::string bookStem(std::string_view file) {
    const size_t dot = file.find('.');
    if (dot == npos)
        return {};
    return lowerText(std::string(file.substr(0, dot)));
}

std::string titleStem(std::string_view file) {
    return std::string(trimBlanks(bookStem(file)));
}

std::string bookFileOfStem(std::string_view stem) {
    return upperText(std::string(stem)) + ".TXV";
}

std::string bookFileOfKey(std::string_view key) {
    if (key.find('.') != npos)
        return std::string(key);
    return std::string(key) + ".TXV";
}

std::string notesFileOf(std::string_view bookFile) {
    return std::string(bookFile.substr(0, bookFile.find('.'))) + "COM.TXV";
}

bool isNotesFileName(std::string_view name) {
    return endsWith(upperText(std::string(name)), "COM.TXV");
}

std::string dictionaryFileName(char letter, std::string_view lang) {
    return std::string(1, letter) + lowerText(std::string(lang)) + "dict.txd";
}

std::optional<std::string> dictionaryLanguage(std::string_view name) {
    const std::string lower = lowerText(std::string(name));
    const std::string_view tail = "dict.txd";
    if (lower.size() < tail.size() + 1 || !endsWith(lower, tail))
        return std::nullopt;
    const std::string middle = lower.substr(1, lower.size() - tail.size() - 1);
    if (middle == "grk")
        return "Grk";
    if (middle == "heb")
        return "Heb";
    if (middle.empty())
        return "";
    return std::nullopt;
}

} // namespace formats
