// Faults found by feeding the program and tessary-library broken libraries:
// each test pins one of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "book_builder.h"
#include "catalogue/passages.h"
#include "formats/book_file.h"
#include "formats/index_line.h"
#include "formats/passage_refs.h"
#include "library/check.h"
#include "library/index_file.h"
#include "reader/page_loader.h"
#include "search/form_scanner.h"
#include "search/line_search.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A book of lines "page:1>text" for the given pages, each page indexed.
std::string bookOfPages(const std::vector<long>& pageNumbers, const std::string& text = "Text") {
    std::vector<testing_books::BodyLine> body;
    for (long page : pageNumbers)
        body.push_back({std::to_string(page) + ":1>" + text});
    return testing_books::makeBook(body);
}

// A book of one page of lines "1:i>text", only the first indexed.
std::string longPage(int lines, const std::string& text) {
    std::vector<testing_books::BodyLine> body;
    for (int i = 1; i <= lines; ++i)
        body.push_back({"1:" + std::to_string(i) + ">" + text, i == 1});
    return testing_books::makeBook(body);
}

size_t countOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

} // namespace

// A count of twenty digits overflowed the line-count arithmetic (undefined
// behaviour that the sanitizer build aborted on); it now reads a bounded count.
TEST(PassageOverflow, HugeCountsInTheDashAndCommaForms) {
    for (const std::string key :
         {"gen 1:0-99999999999999999999\\", "gen 1:,:99999999999999999999\\",
          "gen 1:99999999999999999999-3\\", "gen 1:1--99999999999999999999\\"}) {
        const auto entries = formats::passageEntries(key);
        ASSERT_EQ(entries.size(), 1u) << key;
        const auto entry = formats::parsePassageEntry(entries[0]);
        ASSERT_TRUE(entry) << entries[0];
        EXPECT_LE(entry->lines, formats::kMaxPassageLines) << key;
    }
}

TEST(PassageOverflow, AnOffsetOfTwentyDigitsAddsNothing) {
    testing_support::TestProgram t;
    t.write("GEN.TXV", "<1:1>99999999999999999999<1:2>12*\r\n1:1>First\r\n1:2>Second\r\n \r\n");
    EXPECT_TRUE(catalogue::gatherPassages(*t.p, {"gen 1:1\\1", "gen 1:2\\1"}));
    EXPECT_EQ(t.s().PageText, "Second (gen 1:2)\r\n\r\n");
    EXPECT_TRUE(t.dialogs.shown.empty());
}

// "gen 1:1-999999\" gathered the whole book into one text: the count is
// bounded and the text limit holds inside an entry too.
TEST(PassageBounds, TheTextLimitStopsAnEntry) {
    testing_support::TestProgram t;
    const std::string line(200, 'a');
    t.write("GEN.TXV", longPage(1000, line));
    ASSERT_TRUE(catalogue::gatherPassages(*t.p, formats::passageEntries("gen 1:1-999999\\")));
    const size_t added = line.size() + std::string(" (gen 1:1000)\r\n\r\n").size();
    EXPECT_GT(t.s().PageText.size(), formats::kMaxPageChars);
    EXPECT_LE(t.s().PageText.size(), formats::kMaxPageChars + added);
    // The next entry adds nothing either.
    ASSERT_TRUE(catalogue::gatherPassages(*t.p, {"gen 1:1\\999999", "gen 1:1\\1"}));
    EXPECT_LE(t.s().PageText.size(), formats::kMaxPageChars + added);
}

TEST(PassageBounds, TheLineCountIsBounded) {
    testing_support::TestProgram t;
    // Lines gathered from a topic grid's own book carry no reference, so the
    // text limit stays far off.
    t.s().SelectForm = "frmSelectA";
    t.write("QCELLS.TXV", longPage(3000, "v"));
    ASSERT_TRUE(catalogue::gatherPassages(*t.p, {"qcells 1:1\\999999"}));
    EXPECT_EQ(countOf(t.s().PageText, "v\r\n"), static_cast<size_t>(formats::kMaxPassageLines));
    // A count below the bound is read as it is.
    ASSERT_TRUE(catalogue::gatherPassages(*t.p, {"qcells 1:1\\3"}));
    EXPECT_EQ(countOf(t.s().PageText, "v\r\n"), 3u);
}

// Prev counted down one page number at a time, searching the whole index
// line for each: from page 999999999 it ran for minutes.
TEST(PrevPage, FromAHighPageInOnePass) {
    testing_support::TestProgram t;
    std::vector<long> numbers;
    for (long page = 1; page <= 1000; ++page)
        numbers.push_back(page);
    numbers.push_back(999999999);
    t.write("B.TXV", bookOfPages(numbers));
    ASSERT_TRUE(reader::showPage(*t.p, "B.TXV", "999999999"));
    ASSERT_TRUE(reader::showPage(*t.p, "", "Prev"));
    EXPECT_EQ(t.s().CurPage, 1000);
    EXPECT_NE(t.s().PageText.find("{b 1000:1}"), std::string::npos);
}

TEST(PrevPage, HighestPageBelowAsTheCountdownFoundIt) {
    // Leading zeros, blanks and keys without ":" are not how a page is searched for.
    const std::string index = "<1:1>1<3:1>5<3:2>9<03:1>7<5 :1>3<6>2<12:1>20*<4:1>";
    struct Row {
        long low, below;
        std::optional<long> page;
    };
    for (const Row& row : {Row{0, 12, 4}, Row{0, 4, 3}, Row{0, 3, 1}, Row{0, 1, std::nullopt},
                           Row{2, 3, std::nullopt}, Row{0, 999999999, 12}}) {
        const auto found = formats::findHighestPageBelow(index, row.low, row.below);
        ASSERT_EQ(found.has_value(), row.page.has_value()) << row.below;
        if (!found)
            continue;
        EXPECT_EQ(found->page, *row.page);
        EXPECT_EQ(found->at, index.find("<" + std::to_string(*row.page) + ":"));
    }
}

// The one-pass search must agree with the countdown it replaced on any line.
TEST(PrevPage, AgreesWithTheCountdownOnRandomLines) {
    std::mt19937 random(12);
    const std::string pieces[] = {"<",      ":",  ">",    "*",   "0",
                                  "1",      "2",  "3",    "7",   " ",
                                  "a",      "<9", "<10:", "<0:", "<1234567890:",
                                  "<99999:"};
    for (int round = 0; round < 2000; ++round) {
        std::string index;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i)
            index += pieces[random() % std::size(pieces)];
        const long low = static_cast<long>(random() % 3);
        const long below = static_cast<long>(random() % 120);
        std::optional<size_t> at;
        long n = below - 1;
        for (; n >= low; --n)
            if ((at = formats::findPageEntry(index, std::to_string(n))))
                break;
        const auto found = formats::findHighestPageBelow(index, low, below);
        ASSERT_EQ(found.has_value(), at.has_value()) << index << " below " << below;
        if (found) {
            EXPECT_EQ(found->page, n) << index;
            EXPECT_EQ(found->at, *at) << index;
        }
    }
}

// A book with only its index line got an index of just "*", reported as
// rebuilt: it is refused now, and the file stays as it was.
TEST(ReindexRefuses, FilesWithNothingToIndex) {
    testing_support::TestProgram t;
    for (const auto& [name, content] : std::vector<std::pair<std::string, std::string>>{
             {"B.TXV", "<1:1>1*\r\n"},
             {"C.TXV", "<1:1>1*\r\n \r\n"},
             {"GENCOM.TXV", "<1>1*\r\n"},
             {"adict.txd", "<a>1<\r\nno definition here\r\n"}}) {
        t.write(name, content);
        std::ostringstream out;
        EXPECT_FALSE(library::reindexFiles({(t.dir / name).string()}, out)) << name;
        EXPECT_NE(out.str().find("nothing to index; left unchanged"), std::string::npos)
            << out.str();
        EXPECT_EQ(readFile(t.dir / name), content);
    }
}

namespace {

// A copy of the clean fixture library with the faults a test plants.
struct CleanLibrary {
    testing_support::TestProgram t;
    CleanLibrary() {
        for (const auto& e :
             fs::directory_iterator(fs::path(TESSARY_FIXTURES) / "library_check/clean"))
            fs::copy_file(e.path(), t.dir / e.path().filename(),
                          fs::copy_options::overwrite_existing);
    }
    std::string check(int& faults) const {
        std::ostringstream out;
        faults = library::checkLibrary(t.dir.string(), out);
        return out.str();
    }
};

} // namespace

// check said "0 faults" for libraries in which nothing can be reached.
TEST(CheckReports, AStartListWithoutItems) {
    for (const std::string start :
         {"", "only a comment line\r\n", "\r\n\r\n", "ABOUT.SBD@About\r\nBOOKS.SEL@Books\r\n"}) {
        CleanLibrary lib;
        lib.t.write("START.SEL", start);
        int faults = 0;
        const std::string out = lib.check(faults);
        EXPECT_GE(faults, 1) << start;
        EXPECT_NE(out.find("START.SEL: the start list has no item"), std::string::npos) << out;
    }
}

TEST(CheckReports, APageNumberGapThatSignalsABrokenKey) {
    CleanLibrary lib;
    const std::string before = readFile(lib.t.dir / "JOH.TXV");
    lib.t.write("JOH.TXV", bookOfPages({1, 99999999}));
    int faults = 0;
    const std::string out = lib.check(faults);
    EXPECT_NE(out.find("page 99999999 follows page 1 in the index: a gap of more than 1000"),
              std::string::npos)
        << out;
    // A gap of up to a thousand page numbers is a book's own choice.
    lib.t.write("JOH.TXV", before);
    EXPECT_EQ(lib.check(faults), "");
    lib.t.write("JOH.TXV", bookOfPages({1, 1001}));
    EXPECT_EQ(lib.check(faults).find("a gap of"), std::string::npos);
    lib.t.write("JOH.TXV", bookOfPages({1, 1002}));
    EXPECT_NE(lib.check(faults).find("page 1002 follows page 1 in the index"), std::string::npos);
}

// Lists and texts that open empty, and passages that ask for more than is
// ever read, were passed as sound.
TEST(CheckReports, ListsAndTextsThatOpenEmpty) {
    struct Row {
        std::string file, content, fault;
    };
    for (const Row& row : {
             Row{"STUDY.SEL", "", "STUDY.SEL: the list has no items: it opens empty"},
             Row{"TOPICS.PNV", "no separator here\r\n", "TOPICS.PNV: the list has no items"},
             Row{"ADVICE.SNV", "", "ADVICE.SNV: the list has no items"},
             Row{"QCELLS.SNV", "no cell\r\n", "QCELLS.SNV: the list has no cells"},
             Row{"ESSAY1.TXT", "", "ESSAY1.TXT: empty file: the text window stays blank"},
             Row{"TOPICS.PNV", "Days@gen 1:1-5000\\\r\n",
                 "reference \"GEN 1:1-5000\" asks for more lines than the 2000"},
         }) {
        CleanLibrary lib;
        lib.t.write(row.file, row.content);
        int faults = 0;
        const std::string out = lib.check(faults);
        EXPECT_NE(out.find(row.fault), std::string::npos) << row.file << "\n" << out;
    }
    // A passage of exactly the most lines is sound.
    CleanLibrary lib;
    lib.t.write("TOPICS.PNV", "Days@gen 1:1-2000\\\r\n");
    int faults = 0;
    EXPECT_EQ(lib.check(faults).find("asks for more lines"), std::string::npos);
}

// The block scan of the search tested starts whose anchors fit in the text
// searched but whose whole occurrence did not, and compared past its end: a
// hit made of the bytes behind a line's tested part (or behind a book's last
// byte, a heap over-read). Here the text searched is the front of a buffer
// that goes on with the rest of the search text.
TEST(SearchScanner, NeverMatchesPastTheEndOfTheText) {
    const search::SearchText qzabcd("qzabcd", true);
    const std::string buffer = std::string(63, 'x') + "qzabcd";
    EXPECT_EQ(search::FormScanner(qzabcd).next(std::string_view(buffer).substr(0, 67), 0),
              std::string_view::npos);
    EXPECT_EQ(search::FormScanner(qzabcd).next(buffer, 0), 63u);

    // Random texts and views over a small alphabet against a plain find.
    std::mt19937 random(12);
    const std::string letters = "qzab x";
    auto word = [&](size_t n) {
        std::string w;
        while (w.size() < n)
            w += letters[random() % letters.size()];
        return w;
    };
    for (int round = 0; round < 3000; ++round) {
        const search::SearchText text(word(2 + random() % 8), random() % 2 == 0);
        const std::string hay = word(random() % 140);
        const std::string_view view = std::string_view(hay).substr(0, random() % (hay.size() + 1));
        const size_t from = random() % (view.size() + 1);
        const size_t expected =
            std::min(view.find(text.first(), from), view.find(text.second(), from));
        ASSERT_EQ(search::FormScanner(text).next(view, from), expected)
            << "\"" << text.first() << "\" in \"" << view << "\" from " << from;
    }
}
