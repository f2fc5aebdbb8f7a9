// The block scan against a plain loop around the block sizes; each text is the front of
// a longer buffer, as the scan once read past the text's end.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "search/form_scanner.h"
#include "search/line_search.h"

namespace {

// The first start at or after from of the text or of its other first letter.
size_t plainNext(std::string_view hay, const search::SearchText& t, size_t from) {
    for (size_t i = from; i + t.size() <= hay.size(); ++i)
        if (hay.substr(i, t.size()) == t.first() || hay.substr(i, t.size()) == t.second())
            return i;
    return std::string::npos;
}

TEST(FormScanner, AgreesWithAPlainLoopAndNeverReadsPastTheText) {
    const search::SearchText qzabcd("qzabcd", true);
    const std::string buffer = std::string(63, 'x') + "qzabcd";
    EXPECT_EQ(search::FormScanner(qzabcd).next(std::string_view(buffer).substr(0, 67), 0),
              std::string_view::npos);
    EXPECT_EQ(search::FormScanner(qzabcd).next(buffer, 0), 63u);
    std::mt19937 rng(20240607);
    const std::string alphabet = "qzabAB ";
    auto word = [&](size_t n, size_t letters) {
        std::string w;
        while (w.size() < n)
            w += alphabet[rng() % letters];
        return w;
    };
    for (int round = 0; round < 1500; ++round) {
        const std::string typed = word(1 + rng() % 9, alphabet.size() - 1);
        const search::SearchText text(typed, rng() % 2 == 0);
        const search::FormScanner scanner(text);
        const std::string hay = word(rng() % 150, alphabet.size());
        const std::string_view view = std::string_view(hay).substr(0, rng() % (hay.size() + 1));
        for (size_t from = 0; from <= view.size() + 1; ++from) {
            ASSERT_EQ(scanner.next(view, from), plainNext(view, text, from))
                << "text '" << typed << "' in '" << view << "' from " << from;
        }
    }
    EXPECT_EQ(search::FormScanner(search::SearchText("", false)).next("anything", 0),
              std::string::npos);
    // The last possible start of buffers around the block sizes.
    for (size_t len : {31u, 32u, 33u, 47u, 48u, 63u, 64u, 65u, 100u, 127u, 128u, 129u}) {
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
}

} // namespace
