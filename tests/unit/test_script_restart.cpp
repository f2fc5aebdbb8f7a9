// The runner's restart: the program dropped as a killed process is, a fresh
// one on the same data folder, the message boxes and answers of the run kept.
#include <gtest/gtest.h>

#include "script_files.h"

namespace {

const std::string kStarted = "library " TESSARY_SAMPLE_LIBRARY "\nstart\n";
// The sample library's Sayings of the Wise at its first page, then Next.
const std::string kReadOnePage = "click frmList0.lstMain0 1\nclick frmList1.lstMain1 0\n"
                                 "click frmList2.lstMain2 0\nclick frmText1.btnNext\n"
                                 "expect var CurPage == 2\n";
const std::string kQuestion =
    "expect message \"Do you wish to Save Page History (the last pages visited) ?\"\n";
// A folder without the abbreviation table: each start shows one box and ends.
const std::string kStartWithMessage = "write START.SEL \"A.SEL@Item A\\r\\n\"\nstart\n";
const std::string kBibliography =
    "expect message \"Missing or corrupted BIBLIO.TXV in sub Main2\"\n";

struct Row {
    const char* name;
    std::string scenario;
};

} // namespace

TEST(ScriptRestart, AFreshProgramOnTheSameFolder) {
    const Row rows[] = {
        {"the data folder and its files stay",
         kStarted + "write NOTE x\nrestart\nexpect file NOTE == x\n"
                    "expect file START.SEL exists\nexpect running\n"},
        // Nothing of the old program is left: its book, its windows, its state
        // (the start list that takes the keys has its first item highlighted,
        // not the one the old program opened).
        {"the program starts afresh",
         kStarted + kReadOnePage +
             "restart\nexpect var BookFile == \"\"\nexpect var CurPage == 0\n"
             "expect frmText1.Visible == False\nexpect frmList0.Visible == True\n"
             "expect frmList0.lstMain0.ListIndex == 0\n"},
        // No quit handling: no question asked, the history not written.
        {"the old program ends without quitting",
         kStarted + kReadOnePage + "restart\nexpect file !Tessary.ini == \"\"\nexpect nomessage\n"},
        // What was saved before survives: the same book opens at the saved page.
        {"what was saved survives", kStarted + kReadOnePage +
                                        "menu mnuQuitWith\nexpect ended\nrestart\nexpect running\n"
                                        "click frmList0.lstMain0 1\nclick frmList1.lstMain1 0\n"
                                        "click frmList2.lstMain2 0\nexpect var CurPage == 2\n"},
        {"boxes shown before and after are checked in order",
         kStartWithMessage + "restart\n" + kBibliography + kBibliography +
             "expect nomessage\nexpect ended\n"},
        {"answers queued before go to the new program's questions",
         kStarted + "answer Cancel\nrestart\nclose\n" + kQuestion + "expect running\n"},
        {"a start after a restart is a fresh program too", kStarted + "restart\nstart\nrestart\n"},
    };
    testing_support::ScenarioFolder folder;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const script::Outcome outcome = folder.run(r.scenario);
        EXPECT_TRUE(outcome.passed) << outcome.line << ": " << outcome.message;
    }
}

// A box shown before a restart and never checked fails the scenario at its end.
TEST(ScriptRestart, UncheckedBoxesOfTheOldProgramStillCount) {
    testing_support::ScenarioFolder folder;
    const script::Outcome outcome =
        folder.run(kStartWithMessage + "restart\n" + kBibliography + "write A x\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.line, 5);
    EXPECT_EQ(outcome.message,
              "expected no message, got \"Missing or corrupted BIBLIO.TXV in sub Main2\"");
}
