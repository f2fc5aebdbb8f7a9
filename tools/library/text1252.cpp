#include "library/text1252.h"

#include <array>
#include <cstdint>

#include "formats/cp1252.h"

namespace library {

namespace {

// Latin Extended-A, U+0100..U+017F, as base letters.
constexpr std::string_view kExtendedA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkk"
    "LlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUu"
    "WwYyYZzZzZzs";

// Latin Extended Additional, U+1E00..U+1EFF, as base letters.
constexpr std::string_view kExtendedAdditional =
    "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMmMmMmNnNnNnNnOoOoOoOoPpPpRrRr"
    "RrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVvWwWwWwWwWwXxXxYyZzZzZzhtwyas"
    "ssSsAaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEeEeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy"
    "LlVvYy";

static_assert(kExtendedA.size() == 0x80);
static_assert(kExtendedAdditional.size() == 0x100);

std::string mapCodePoint(char32_t cp) {
    // The C1 controls are no text, though the code page's undefined bytes stand for them.
    if (cp < 0x80 || cp >= 0xA0)
        if (const auto byte = formats::unicodeToCp1252(cp))
            return std::string(1, static_cast<char>(*byte));
    if (cp >= 0x100 && cp < 0x100 + kExtendedA.size())
        return std::string(1, kExtendedA[cp - 0x100]);
    if (cp >= 0x1E00 && cp < 0x1E00 + kExtendedAdditional.size())
        return std::string(1, kExtendedAdditional[cp - 0x1E00]);
    switch (cp) {
    case 0x201B: // reversed comma, used for ayin
    case 0x02BB:
    case 0x02BF:
    case 0x02BC:
    case 0x02BE:
        return "'";
    case 0x0391: // Greek capital and small omega, omicron with tonos in transliterations
    case 0x03CC:
    case 0x03CE:
    case 0x03C9:
        return "o";
    case 0x2192:
        return "-";
    case 0x00A0:
        return " ";
    default:
        return {};
    }
}

// The UTF-8 bytes of a code point (not a surrogate, at most U+10FFFF).
std::string utf8Of(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

} // namespace

std::string toWindows1252(std::string_view s, int* dropped) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        char32_t cp = 0;
        size_t n = 0;
        if (b < 0x80) {
            cp = b;
            n = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            n = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            n = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            n = 4;
        }
        bool ok = n > 0 && i + n <= s.size();
        for (size_t k = 1; ok && k < n; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            ok = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok) {
            if (dropped)
                ++*dropped;
            ++i;
            continue;
        }
        out += mapCodePoint(cp);
        i += n;
    }
    return out;
}

char withoutAccent(char c) {
    // Windows-1252 0xC0..0xFF as base letters ("_" where there is none).
    static constexpr std::string_view kLatin1 =
        "AAAAAAACEEEEIIIIDNOOOOO_OUUUUYTsaaaaaaaceeeeiiiidnooooo_ouuuuyty";
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xC0) {
        char base = kLatin1[b - 0xC0];
        return base == '_' ? c : base;
    }
    switch (b) {
    case 0x8A:
        return 'S';
    case 0x9A:
        return 's';
    case 0x8E:
        return 'Z';
    case 0x9E:
        return 'z';
    case 0x9F:
        return 'Y';
    default:
        return c;
    }
}

std::string decodeEntities(std::string_view s, int* decoded) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        const size_t semi = s.find(';', i);
        if (semi == std::string_view::npos || semi - i > 9) {
            out += s[i];
            continue;
        }
        const std::string_view name = s.substr(i + 1, semi - i - 1);
        std::string c;
        if (name == "amp")
            c = "&";
        else if (name == "lt")
            c = "<";
        else if (name == "gt")
            c = ">";
        else if (name == "quot")
            c = "\"";
        else if (name == "apos")
            c = "'";
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            long v = hex && name.size() == 2 ? -1 : 0;
            for (char d : name.substr(hex ? 2 : 1)) {
                const int digit = d >= '0' && d <= '9'          ? d - '0'
                                  : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                                  : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                                : -1;
                if (digit < 0 || v < 0 || v > 0x10FFFF) {
                    v = -1;
                    break;
                }
                v = v * (hex ? 16 : 10) + digit;
            }
            if (v > 0 && v <= 0x10FFFF && (v < 0xD800 || v > 0xDFFF))
                c = utf8Of(static_cast<char32_t>(v));
        }
        if (c.empty()) {
            out += s[i];
            continue;
        }
        out += c;
        if (decoded)
            ++*decoded;
        i = semi;
    }
    return out;
}

std::string squeezeBlanks(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    bool blank = false;
    for (char c : s) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::string foldKey(std::string_view translit) {
    const std::string text = toWindows1252(translit);
    std::string key;
    for (char raw : text) {
        char c = withoutAccent(raw);
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c == ' ' || c == '-')
            c = '-';
        else if (c == '\'' || raw == '\x91' || raw == '\x92' || raw == '`')
            c = '\'';
        else if (c < 'a' || c > 'z')
            continue;
        if ((c == '\'' || c == '-') && !key.empty() && (key.back() == '\'' || key.back() == '-'))
            continue;
        if (c == '-' && key.empty())
            continue;
        key += c;
    }
    while (!key.empty() && key.back() == '-')
        key.pop_back();
    return key;
}

} // namespace library
