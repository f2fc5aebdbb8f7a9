#include <gtest/gtest.h>

#include "check_fixture.h"

using testing_check::Lib;
using testing_check::lines;

// Every list the library offers must open what its items name: a list of a
// kind whose items open nothing, and items whose text keeps their key from
// ever being opened, are faults, each reported once where it stands.
TEST(LibraryCheckLists, ItemsThatCannotOpenAnything) {
    struct Row {
        const char* name;
        std::vector<std::pair<std::string, std::string>> files; // written whole
        std::string file, needle;                               // where the fault is
        const char* message;
        int faults = 1; // in the whole library
    };
    const std::string study = Lib().read("STUDY.SEL");
    for (const Row& row : {
             Row{"a list of questions naming books",
                 {{"LIST.STQ", lines({"Who made the world?@GEN", "Who is the Word?@JOH"})},
                  {"STUDY.SEL", study + "LIST.STQ@Questions\r\n"}},
                 "STUDY.SEL",
                 "LIST.STQ",
                 "\"LIST.STQ\" is a list of kind \"STQ\", whose items open nothing"},
             Row{"advice without a key",
                 {{"ADVICE.SNV", lines({"@On patience", "wis 2:1\\@On light"})}},
                 "ADVICE.SNV",
                 "@On patience",
                 "item \"On patience\" has no key: it opens nothing"},
             Row{"a note with a key",
                 {{"TOPICS.PNV",
                   lines({"Creation@", "NOTE: read slowly@gen 2:1\\", "Love@joh 3:16\\"})}},
                 "TOPICS.PNV",
                 "gen 2:1",
                 "the item with key \"gen 2:1\\\" opens nothing: its text holds \"NOTE:\""},
             Row{"a heading marker in an item's text",
                 {{"TOPICS.PNV", lines({"Days:- of creation@gen 2:1\\", "Love@joh 3:16\\"})}},
                 "TOPICS.PNV",
                 "gen 2:1",
                 "opens nothing: its text holds \":-\""},
             Row{"an item without text",
                 {{"QUOTES.PTQ", lines({"@Prayer", "wis 2:1\\@", "wis 2:1\\@A lamp"})}},
                 "QUOTES.PTQ",
                 "wis 2:1\\@\r",
                 "the item with key \"wis 2:1\\\" opens nothing: it has no text"},
             Row{"advice of which no item has a key",
                 {{"ADVICE.SNV", lines({"@On patience", "@On light"})}},
                 "ADVICE.SNV",
                 "@On patience",
                 "no item of the list opens anything",
                 3},
             Row{"a list of headings only",
                 {{"TOPICS.PNV", lines({"Creation@", "Love@"})}},
                 "TOPICS.PNV",
                 "Creation",
                 "no item of the list opens anything"},
         }) {
        Lib lib;
        for (const auto& [name, content] : row.files)
            lib.write(name, content);
        int count = 0;
        const std::string out = lib.check(&count);
        EXPECT_FAULT(out, lib.at(row.file, row.needle), row.message) << row.name;
        EXPECT_EQ(count, row.faults) << row.name << "\n" << out;
    }
}

// Headings and notes without a key open nothing by design: in a list whose
// other items open something they are no faults.
TEST(LibraryCheckLists, HeadingsAndNotesWithoutKeysAreNoFaults) {
    Lib lib;
    lib.write("TOPICS.PNV", lines({"Creation@", "NOTE: read slowly@", "Days@gen 1:1\\"}));
    lib.write("QUOTES.PTQ", lines({"@Prayer", "@NOTE: short", "wis 2:1\\@A lamp"}));
    int count = -1;
    EXPECT_EQ(lib.check(&count), "");
    EXPECT_EQ(count, 0);
}

// A range is read by its keys: it shows what the book holds of it and stops
// at its chapter's end. The keys it names that the book lacks are reported
// where the reference stands; the program shows the rest without a word.
TEST(LibraryCheckLists, RangesThatNameKeysTheBookLacks) {
    struct Row {
        const char* name;
        std::string key; // of the item "Days" in TOPICS.PNV
        const char* message;
    };
    // GEN.TXV has 1:1, 1:2, 1:3 and 2:1.
    for (const Row& row : {
             Row{"past the chapter's end", "gen 1:2-5\\", "names 1:4 to 1:5, which GEN.TXV lacks"},
             Row{"the comma form", "gen 1:3,1:4\\", "names 1:4, which GEN.TXV lacks"},
             Row{"one key past the end", "gen 1:3-4\\", "names 1:4, which GEN.TXV lacks"},
             Row{"the last of several", "joh 3:16\\gen 1:1-9\\", "names 1:4 to 1:9"},
         }) {
        Lib lib;
        lib.write("TOPICS.PNV", lines({"Days@" + row.key}));
        int count = 0;
        const std::string out = lib.check(&count);
        EXPECT_FAULT(out, lib.at("TOPICS.PNV", row.key.substr(row.key.rfind("gen"))), row.message)
            << row.name;
        EXPECT_EQ(count, 1) << row.name << "\n" << out;
    }
    // A key missing inside the range, and keys beyond three runs.
    Lib lib;
    lib.write("GEN.TXV",
              lines({"<1:1>1*", "1:1>A^ a", "1:3>C^ c", "1:5>E^ e", "1:7>G^ g", "1:9>I^ i", " "}));
    lib.reindex("GEN.TXV");
    lib.write("TOPICS.PNV", lines({"Days@gen 1:1-3\\gen 1:1-12\\"}));
    const std::string out = lib.check();
    EXPECT_FAULT(out, lib.at("TOPICS.PNV", "gen 1:1-3"), "names 1:2, which GEN.TXV lacks");
    EXPECT_FAULT(out, lib.at("TOPICS.PNV", "gen 1:1-12"),
                 "names 1:2, 1:4, 1:6 and 2 more, which GEN.TXV lacks");
    // Every key there: no fault.
    lib.write("TOPICS.PNV", lines({"Days@gen 1:1-1\\gen 1:3\\gen 1:9\\"}));
    EXPECT_EQ(testing_check::faultsOf(lib.check(), "TOPICS.PNV"), 0u);
}
