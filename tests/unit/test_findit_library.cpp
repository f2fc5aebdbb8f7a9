// The search against a plain reference of its matching rules, over every book
// of the bundled library: a simple loop over the lines of each book, written
// for this test alone, must give the same results text as the search for a
// fixed set of texts, every combination of the options, both modes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "formats/letter_case.h"
#include "platform/data_folder.h"
#include "search/findit.h"

namespace {

namespace fs = std::filesystem;

struct Book {
    std::string file;  // "GEN.TXV"
    std::string entry; // its Find All list entry, as a list may write it
    std::vector<std::string> lines;
};

// Every book file of the library, each read once for the whole test program.
const std::vector<Book>& libraryBooks() {
    static const std::vector<Book> books = [] {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(TESSARY_LIBRARY))
            if (e.path().extension() == ".TXV")
                names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        std::vector<Book> out;
        for (const std::string& name : names) {
            Book b;
            b.file = name;
            const std::string stem = name.substr(0, name.size() - 4);
            // Lists name books in any case and with blanks around them.
            std::string lowered;
            for (char c : stem)
                lowered += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
            b.entry = out.size() % 2 ? "  " + stem + " " : lowered;
            std::ifstream in(fs::path(TESSARY_LIBRARY) / name, std::ios::binary);
            std::string line;
            bool index = true;
            while (std::getline(in, line)) {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                if (!index)
                    b.lines.push_back(line);
                index = false;
            }
            out.push_back(std::move(b));
        }
        return out;
    }();
    return books;
}

char refLower(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return static_cast<char>(b + 32);
    return c;
}

char refUpper(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return static_cast<char>(b - 32);
    return c;
}

bool refWordChar(char c) {
    return std::string("0123456789abcdefghijklmnopqrstuvwxyz").find(c) != std::string::npos;
}

struct Case {
    bool caseOn, wholeOn, text3, bible;
};

// The entries of one book, straight from the rules: the tested part, the
// first occurrence of the forms in their order, the whole-word test on it,
// the marked text and its excerpt from position s - 30.
std::string reference(const Book& book, const std::string& typed, const Case& c,
                      const std::string& prefix) {
    std::string out;
    for (const std::string& line : book.lines) {
        const size_t gt = line.find('>');
        if (gt == std::string::npos)
            continue;
        const std::string key = line.substr(0, gt);
        std::string text = line.substr(gt + 1);
        const size_t caret = text.find('^');
        if (caret != std::string::npos) {
            if (c.text3) {
                text = text.substr(caret + 1);
                text = text.substr(0, text.find('<'));
            } else if (c.bible) {
                text = text.substr(0, caret);
            }
        }
        std::string found = typed;
        size_t at = text.find(typed);
        if (!c.caseOn) {
            std::string low = typed, cap = typed;
            low[0] = refLower(low[0]);
            cap[0] = refUpper(cap[0]);
            found = low;
            at = text.find(low);
            if (at == std::string::npos) {
                found = cap;
                at = text.find(cap);
            }
        }
        if (at == std::string::npos)
            continue;
        if (c.wholeOn) {
            const bool leftOk = at == 0 || !refWordChar(text[at - 1]);
            const size_t after = at + found.size();
            const bool rightOk = after >= text.size() || !refWordChar(text[after]);
            if (!leftOk || !rightOk)
                continue;
        }
        const std::string marked =
            text.substr(0, at) + "^" + found + "^" + text.substr(at + found.size());
        const size_t p = at + 1;
        const size_t s = p >= 31 ? p : 31;
        out += prefix + key + ">" + marked.substr(s - 31, 60) + "\r\n\r\n";
    }
    return out;
}

// Common, rare, capitalised, a phrase, digits, a word that starts verses, a
// word after "-" (Beer-sheba), an all-capital word, one letter, and a word
// that starts with a non-letter from the original-language part.
const char* const kTexts[] = {"lord", "chalcedony", "God",  "the lord", "12",
                              "And",  "sheba",      "LORD", "z",        "'elohiym"};

class FinditLibrary : public ::testing::TestWithParam<const char*> {};

TEST_P(FinditLibrary, EqualsTheReferenceInBothModes) {
    const std::string typed = GetParam();
    const auto& books = libraryBooks();
    ASSERT_GT(books.size(), 100u);
    const platform::DataFolder folder(TESSARY_LIBRARY, formats::lowerText);
    std::vector<std::string> list;
    for (const Book& b : books)
        list.push_back(b.entry);

    size_t combinations = 0;
    for (int bits = 0; bits < 16; ++bits) {
        const Case c{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
        if (c.text3 && c.bible)
            continue; // the verse window's part does not depend on the Bible flag
        ++combinations;
        const search::SearchText text(typed, c.caseOn);
        const search::FindOptions options{c.caseOn, c.wholeOn, c.text3, c.bible};
        SCOPED_TRACE("case " + std::to_string(c.caseOn) + " whole " + std::to_string(c.wholeOn) +
                     " text3 " + std::to_string(c.text3) + " bible " + std::to_string(c.bible));

        std::string all;
        for (const Book& b : books) {
            const std::string expected = reference(b, typed, c, "");
            const auto got = search::searchBookFile(folder, b.file, text, options);
            ASSERT_EQ(got.results, expected) << b.file;
            EXPECT_EQ(got.hit, !expected.empty()) << b.file;
            EXPECT_EQ(got.firstMissing, "");
            std::string stem = b.entry;
            stem.erase(0, stem.find_first_not_of(' '));
            stem.erase(stem.find_last_not_of(' ') + 1);
            all += reference(b, typed, c, stem + " ");
        }
        const auto got = search::searchBookList(folder, "", list, text, options);
        ASSERT_EQ(got.results, all);
        EXPECT_EQ(got.hit, !all.empty());
        EXPECT_EQ(got.firstMissing, "");
    }
    EXPECT_EQ(combinations, 12u);
}

INSTANTIATE_TEST_SUITE_P(Texts, FinditLibrary, ::testing::ValuesIn(kTexts));

} // namespace
