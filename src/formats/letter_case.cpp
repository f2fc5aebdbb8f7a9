#include "formats/letter_case.h"

#include <algorithm>

namespace formats {

namespace {
unsigned char byte(char c) {
    return static_cast<unsigned char>(c);
}
char ch(unsigned v) {
    return static_cast<char>(static_cast<unsigned char>(v));
}
} // namespace

char upperLetter(char c) {
    const unsigned b = byte(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return ch(b - 0x20);
    if (b == 0x9A || b == 0x9C || b == 0x9E)
        return ch(b - 0x10);
    if (b == 0xFF)
        return ch(0x9F);
    return c;
}

char lowerLetter(char c) {
    const unsigned b = byte(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return ch(b + 0x20);
    if (b == 0x8A || b == 0x8C || b == 0x8E)
        return ch(b + 0x10);
    if (b == 0x9F)
        return ch(0xFF);
    return c;
}

std::string upperText(std::string s) {
    for (char& c : s)
        c = upperLetter(c);
    return s;
}

std::string lowerText(std::string s) {
    for (char& c : s)
        c = lowerLetter(c);
    return s;
}

bool lessNoCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return byte(lowerLetter(x)) < byte(lowerLetter(y));
    });
}

std::string asciiUpperText(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

} // namespace formats
