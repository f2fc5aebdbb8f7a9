// The library check: each case in fixtures/library_check/cases plants faults and holds the
// report (TESSARY_UPDATE_EXPECTED=1 rewrites them after a deliberate change).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "book_builder.h"
#include "check_fixture.h"
#include "library/check.h"
#include "reader/page_loader.h"
#include "test_support.h"

namespace fs = std::filesystem;
using testing_check::Lib;

namespace {

// A case file: "== FILE NAME SIZE" and SIZE bytes, "== REMOVE NAME", and
// last "== EXPECT SIZE" and the report.
struct Case {
    std::string text;
    size_t expectAt = 0; // where the expected report's section begins
    std::string expected;
};

Case readCase(const fs::path& path, const Lib& lib) {
    Case c;
    c.text = testing_support::readFile(path);
    std::istringstream s(c.text);
    for (std::string head; std::getline(s, head);) {
        std::istringstream words(head);
        std::string mark, what, name;
        size_t size = 0;
        words >> mark >> what >> name;
        if (what == "REMOVE") {
            fs::remove(lib.dir / name);
            continue;
        }
        if (what == "EXPECT") {
            c.expectAt = static_cast<size_t>(s.tellg()) - head.size() - 1;
            c.expected = c.text.substr(static_cast<size_t>(s.tellg()));
            break;
        }
        words >> size;
        std::string content(size, '\0');
        s.read(content.data(), static_cast<std::streamsize>(size));
        s.ignore(1); // the line end after the content
        lib.write(name, content);
    }
    return c;
}

} // namespace

// The check cuts pages where the page loader does.
TEST(LibraryCheck, PageCutsAgreeWithThePageLoaderAndEveryCaseGivesItsReport) {
    struct Row {
        bool bible;
        int lines;
        std::string text; // of every line after the first
        const char* message;
    };
    for (const Row& row :
         {Row{false, 2100, "", "more than 2000 lines"},
          Row{false, 40, std::string(1000, 'a'), "would pass 32000 characters"},
          Row{false, 200, std::string(600, 'a') + ">References:" + std::string(200, 'b'),
              "would pass 32000 characters"},
          Row{true, 100, std::string(500, 'a') + "^ " + std::string(500, 'b'),
              "would pass 32000 characters"}}) {
        // Keys after the first may repeat: only the first line is indexed.
        std::vector<testing_books::BodyLine> body{{"1:1>first"}};
        for (int i = 2; i <= row.lines; ++i)
            body.push_back(
                {"1:" + std::string(row.text.size() > 0 ? "2" : "") + ">" + row.text, false});
        const std::string name = row.bible ? "GEN.TXV" : "WIS.TXV";
        const std::string book = testing_books::makeBook(body);

        testing_support::TestProgram t;
        t.write(name, book);
        t.s().BibleMode = row.bible;
        ASSERT_TRUE(reader::showPage(*t.p, name, ""));
        ASSERT_LT(t.s().ParaCount, row.lines);

        Lib lib;
        lib.write(name, book);
        // The first line the loader left out: line 1 is the index.
        const std::string cut = name + ":" + std::to_string(t.s().ParaCount + 2) + ":";
        const std::string out = lib.check();
        EXPECT_NE(out.find(cut), std::string::npos) << cut << "\n" << out;
        EXPECT_NE(out.find(row.message), std::string::npos) << out;
    }
    std::vector<fs::path> cases;
    for (const auto& e : fs::directory_iterator(fs::path(TESSARY_FIXTURES) / "library_check/cases"))
        cases.push_back(e.path());
    std::sort(cases.begin(), cases.end());
    ASSERT_GE(cases.size(), 40u);
    for (const fs::path& path : cases) {
        Lib lib;
        const Case c = readCase(path, lib);
        const std::string report = lib.check();
        EXPECT_EQ(report, c.expected) << path.filename();
        if (std::getenv("TESSARY_UPDATE_EXPECTED"))
            std::ofstream(path, std::ios::binary)
                << c.text.substr(0, c.expectAt) << "== EXPECT " << report.size() << "\n"
                << report;
    }
    std::ostringstream out;
    EXPECT_EQ(library::checkLibrary("/nonexistent/tessary", out), 1);
}

// Marked files are read past the mark, as the program does: nothing else is reported.
TEST(LibraryCheck, AByteOrderMarkIsReadPastALinkOutOfTheFolderIsMissing) {
    Lib marked;
    std::string expected;
    for (const char* name : {"QCELLS.SNV", "WIS.TXV", "WISDOM.STX", "bhebdict.txd"}) {
        marked.write(name, "\xEF\xBB\xBF" + marked.read(name));
        expected += std::string(name) + ":1:1: a UTF-8 byte-order mark starts the file: the "
                                        "library is Windows-1252 text\n";
    }
    int count = 0;
    EXPECT_EQ(marked.check(&count), expected);
    EXPECT_EQ(count, 4);
    // A link out of the folder is a missing file; one to a file of the folder is that file.
    Lib lib;
    Lib outside;
    fs::remove(lib.dir / "WIS.TXV");
    fs::create_symlink(outside.dir / "WIS.TXV", lib.dir / "WIS.TXV");
    EXPECT_NE(lib.check().find("WISDOM.STX:1:1: missing book \"WIS.TXV\""), std::string::npos);
    fs::remove(lib.dir / "WIS.TXV");
    fs::copy_file(outside.dir / "WIS.TXV", lib.dir / "WISDOM.TXV");
    fs::create_symlink("WISDOM.TXV", lib.dir / "WIS.TXV");
    EXPECT_EQ(lib.check(), "");
}
