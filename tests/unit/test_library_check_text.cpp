// The check's rules for text that the program would show wrong without a
// message: files saved as UTF-8, byte-order marks, links out of the folder.
#include <gtest/gtest.h>

#include "check_fixture.h"

namespace fs = std::filesystem;
using testing_check::Lib;
using testing_check::lines;

namespace {

const std::string kMark = "\xEF\xBB\xBF";

} // namespace

TEST(LibraryCheckText, Utf8IsReportedByLine) {
    struct Row {
        const char* name;
        std::string before, utf8; // the line's text up to the UTF-8, and the UTF-8
        std::string fault;
    };
    const Row rows[] = {
        {"two bytes: an e acute", "caf", "\xC3\xA9", "a UTF-8 character U+00E9 (bytes C3 A9)"},
        {"three bytes: a right quote", "God", "\xE2\x80\x99", "U+2019 (bytes E2 80 99)"},
        {"four bytes", "x", "\xF0\x9F\x93\x96", "U+1F4D6 (bytes F0 9F 93 96)"},
        {"a Hebrew letter after an accented one", "\xE9", "\xD7\xA9", "U+05E9 (bytes D7 A9)"},
        {"a mark inside the text", "a", kMark, "a UTF-8 byte-order mark U+FEFF (bytes EF BB BF)"},
    };
    for (const Row& row : rows) {
        Lib lib;
        // Two in the line: the first is reported.
        lib.write("ESSAY1.TXT", lines({"Read slowly.", "Read " + row.before + row.utf8 + " again " +
                                                           row.utf8 + "."}));
        int count = 0;
        const std::string out = lib.check(&count);
        EXPECT_FAULT(out, lib.at("ESSAY1.TXT", row.utf8), row.fault) << row.name;
        EXPECT_FAULT(out, lib.at("ESSAY1.TXT", row.utf8),
                     ") in the text: the library is Windows-1252 text")
            << row.name;
        EXPECT_EQ(count, 1) << row.name << "\n" << out;
    }
}

TEST(LibraryCheckText, Windows1252LettersThatAreNoUtf8) {
    // Letters of the library's own character set next to each other, and
    // leads without the bytes a UTF-8 character needs after them.
    struct Row {
        const char* name;
        std::string text;
    };
    const Row rows[] = {
        {"accented letters", "\xE9t\xE9 na\xEFve \xC0 la \xFC"},
        {"a lead before a letter", "\xC3x"},
        {"a two-byte lead at the line's end", "end\xC3"},
        {"an overlong form", "\xC0\xA9 \xC1\xBF"},
        {"a three-byte lead with one byte after it", "\xE2\x80."},
        {"a surrogate", "\xED\xA0\x80"},
        {"past U+10FFFF", "\xF4\xA0\x80\x80"},
        {"a four-byte lead with a short tail", "\xF0\x9F\x93"},
    };
    for (const Row& row : rows) {
        Lib lib;
        lib.write("ESSAY1.TXT", lines({"Read " + row.text}));
        EXPECT_EQ(lib.check(), "") << row.name;
    }
}

TEST(LibraryCheckText, TenLinesOfAFileAndThenTheirNumber) {
    Lib lib;
    std::vector<std::string> body;
    for (int i = 0; i < 14; ++i)
        body.push_back("line \xC3\xA9 and \xC3\xA9");
    lib.write("ESSAY1.TXT", lines(body));
    const std::string out = lib.check();
    // Ten lines by their place, then the number of the others.
    EXPECT_EQ(testing_check::faultsOf(out, "ESSAY1.TXT:"), 11u) << out;
    EXPECT_FAULT(out, lib.at("ESSAY1.TXT", "\xC3", 16 * 9), "U+00E9");
    EXPECT_FAULT(out, "ESSAY1.TXT", "4 more lines with UTF-8 characters in the text");
}

TEST(LibraryCheckText, AByteOrderMarkAtTheStartIsReportedAndReadPast) {
    Lib lib;
    // A marked book, list and dictionary: the check reads each as the
    // program does, without the mark, so that nothing else is reported.
    for (const char* name : {"WIS.TXV", "WISDOM.STX", "QCELLS.SNV", "bhebdict.txd"})
        lib.write(name, kMark + lib.read(name));
    int count = 0;
    const std::string out = lib.check(&count);
    for (const char* name : {"WIS.TXV", "WISDOM.STX", "QCELLS.SNV", "bhebdict.txd"})
        EXPECT_FAULT(out, std::string(name) + ":1:1",
                     "a UTF-8 byte-order mark starts the file: the library is Windows-1252 text");
    EXPECT_EQ(count, 4) << out;
    // A file of nothing but the mark is one empty line.
    lib.write("ESSAY1.TXT", kMark);
    EXPECT_FAULT(lib.check(), "ESSAY1.TXT:1:1", "byte-order mark starts the file");
}

TEST(LibraryCheckText, ALinkOutOfTheFolderIsAMissingFile) {
    Lib lib;
    Lib outside;
    fs::remove(lib.dir / "WIS.TXV");
    fs::create_symlink(outside.dir / "WIS.TXV", lib.dir / "WIS.TXV");
    EXPECT_FAULT(lib.check(), "WISDOM.STX:1:1", "missing book \"WIS.TXV\"");
    // A link to a file of the folder is that file.
    fs::remove(lib.dir / "WIS.TXV");
    fs::copy_file(outside.dir / "WIS.TXV", lib.dir / "WISDOM.TXV");
    fs::create_symlink("WISDOM.TXV", lib.dir / "WIS.TXV");
    EXPECT_EQ(lib.check(), "");
}
