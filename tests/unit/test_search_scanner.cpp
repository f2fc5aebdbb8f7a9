// The block scan for the forms of a search text against a plain loop, on
// texts of a small alphabet so that the anchors pass often, at every length
// and start around the block sizes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "search/form_scanner.h"
#include "search/line_search.h"

namespace {

// The first start at or after from of the text or of its other first letter.
size_t plainNext(const std::string& hay, const search::SearchText& t, size_t from) {
    for (size_t i = from; i + t.size() <= hay.size(); ++i)
        if (hay.compare(i, t.size(), t.first()) == 0 || hay.compare(i, t.size(), t.second()) == 0)
            return i;
    return std::string::npos;
}

TEST(FormScanner, AgreesWithAPlainLoop) {
    std::mt19937 rng(20240607);
    const std::string alphabet = "abAB ";
    for (int round = 0; round < 400; ++round) {
        const size_t hayLen = rng() % 150;
        std::string hay;
        for (size_t i = 0; i < hayLen; ++i)
            hay += alphabet[rng() % alphabet.size()];
        const size_t n = 1 + rng() % 6;
        std::string typed;
        for (size_t i = 0; i < n; ++i)
            typed += alphabet[rng() % 4];
        const search::SearchText text(typed, rng() % 2 == 0);
        const search::FormScanner scanner(text);
        for (size_t from = 0; from <= hay.size() + 1; ++from)
            ASSERT_EQ(scanner.next(hay, from), plainNext(hay, text, from))
                << "text '" << typed << "' in '" << hay << "' from " << from;
    }
}

TEST(FormScanner, FindsTheLastPossibleStartOfLongBuffers) {
    for (size_t len : {31u, 32u, 33u, 47u, 48u, 63u, 64u, 65u, 100u}) {
        for (const std::string typed : {"x", "Xy", "lord", "chalcedony"}) {
            const search::SearchText text(typed, false);
            const search::FormScanner scanner(text);
            std::string hay(len, '.');
            EXPECT_EQ(scanner.next(hay, 0), std::string::npos);
            hay.replace(len - typed.size(), typed.size(), text.second());
            EXPECT_EQ(scanner.next(hay, 0), len - typed.size()) << typed << " " << len;
            EXPECT_EQ(scanner.next(hay, len - typed.size() + 1), std::string::npos);
            hay.replace(0, typed.size(), text.first());
            EXPECT_EQ(scanner.next(hay, 0), 0u);
        }
    }
    const search::FormScanner scanner(search::SearchText("", false));
    EXPECT_EQ(scanner.next("anything", 0), std::string::npos);
}

TEST(FormScanner, AnchorsOnRareLettersAfterTheFirst) {
    const search::FormScanner lord(search::SearchText("lord", false));
    EXPECT_EQ(lord.anchor1(), 2u); // "r" and "d" are rarer than "o"
    EXPECT_EQ(lord.anchor2(), 3u);
    const search::FormScanner two(search::SearchText("Go", false));
    EXPECT_EQ(two.anchor1(), 0u);
    EXPECT_EQ(two.anchor2(), 1u);
}

} // namespace
