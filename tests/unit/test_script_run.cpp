#include <gtest/gtest.h>

#include "script_files.h"

namespace {

struct Failing {
    const char* what;
    const char* scenario;
    int line;
    const char* message;
};

// Scenarios that fail, with the line and the reason reported.
const Failing kFailing[] = {
    {"unknown command", "# comment\n\njump\n", 3, "expected a command, got \"jump\""},
    {"missing argument", "expect\n", 1, "expected 1 arguments to expect, got 0"},
    {"missing value", "write A x\nexpect file A ==\n", 2, "expected 4 arguments to expect, got 3"},
    {"event before start", "click frmList0.lstMain0 0\n", 1,
     "expected start before this command, got none"},
    {"restart before start", "write A x\nrestart\n", 2,
     "expected start before this command, got none"},
    {"answer word", "answer Maybe\n", 1, "expected OK, Yes, No or Cancel, got \"Maybe\""},
    {"file outside the data folder", "write ../A x\n", 1, "expected a file name, got \"../A\""},
    {"no message shown", "expect message \"Hello\"\n", 1, "expected message \"Hello\", got none"},
    {"not ended", "expect ended\n", 1, "expected ended, got running"},
    {"unterminated quote", "# first\nwrite A x\nwrite B \"open\n", 3,
     "expected a command line, got unterminated quote"},
    {"bad escape", "write A \"\\q\"\n", 1, "expected a command line, got unknown escape \\q"},
};

// A data folder without the abbreviation table: start shows one OK box and ends.
const std::string kStartWithMessage = "write START.SEL \"A.SEL@Item A\\r\\n\"\nstart\n";
const std::string kBibliographyMessage = "Missing or corrupted BIBLIO.TXV in sub Main2";

} // namespace

TEST(ScriptRun, FailuresGiveTheirLineAndReason) {
    testing_support::ScenarioFolder folder;
    for (const Failing& f : kFailing) {
        SCOPED_TRACE(f.what);
        const script::Outcome outcome = folder.run(f.scenario);
        EXPECT_FALSE(outcome.passed);
        EXPECT_EQ(outcome.line, f.line);
        EXPECT_EQ(outcome.message, f.message);
    }
    const script::Outcome none = script::runScenarioFile((folder.dir / "none.tss").string());
    EXPECT_FALSE(none.passed);
    EXPECT_EQ(none.message, "expected a scenario file, got none");
}

// Each scenario in scenarios-fail fails for its own reason and at its line.
TEST(ScriptRun, TheFailingScenariosFailForTheirReason) {
    const std::pair<const char*, script::Outcome> expected[] = {
        {"wrong_expect.tss",
         {false, 6,
          "expected frmList0.lstMain0.List(0) == \"The Bible\", got \"The Bible (King James "
          "Version)\""}},
        {"unanswered_question.tss",
         {false, 5,
          "expected an answer queued, got question \"Do you wish to Save Page History (the last "
          "pages visited) ?\""}},
        {"unchecked_message.tss",
         {false, 5, "expected no message, got \"" + kBibliographyMessage + "\""}},
        {"unknown_window.tss", {false, 5, "expected a window, got \"frmNoSuch\""}},
        {"unknown_control.tss", {false, 4, "expected a control, got \"frmList0.lstNoSuch\""}},
    };
    for (const auto& [name, want] : expected) {
        SCOPED_TRACE(name);
        const script::Outcome got =
            script::runScenarioFile(std::string(TESSARY_FAILING_SCENARIOS "/") + name);
        EXPECT_EQ(got.passed, want.passed);
        EXPECT_EQ(got.line, want.line);
        EXPECT_EQ(got.message, want.message);
    }
}

TEST(ScriptRun, MessagesAreCheckedOldestFirstAndExactly) {
    testing_support::ScenarioFolder folder;
    EXPECT_TRUE(folder
                    .run(kStartWithMessage + "expect message \"" + kBibliographyMessage +
                         "\"\nexpect nomessage\nexpect ended\n")
                    .passed);
    // A box shown but not yet checked.
    script::Outcome outcome = folder.run(kStartWithMessage + "expect nomessage\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.line, 3);
    EXPECT_EQ(outcome.message, "expected no message, got \"" + kBibliographyMessage + "\"");
    // A text that is only part of the box's text.
    outcome = folder.run(kStartWithMessage + "expect message \"Missing or corrupted\"\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.message,
              "expected message \"Missing or corrupted\", got \"" + kBibliographyMessage + "\"");
    // The box is taken off by its check, so a second check finds none.
    outcome = folder.run(kStartWithMessage + "expect message \"" + kBibliographyMessage +
                         "\"\nexpect message \"" + kBibliographyMessage + "\"\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.line, 4);
    outcome = folder.run(kStartWithMessage + "expect message \"" + kBibliographyMessage +
                         "\"\nexpect running\n");
    EXPECT_EQ(outcome.message, "expected running, got ended");
}

TEST(ScriptRun, QueuedAnswersGoToQuestionsOnly) {
    testing_support::ScenarioFolder folder;
    const std::string started = "library " TESSARY_SAMPLE_LIBRARY "\nstart\n";
    const std::string question =
        "expect message \"Do you wish to Save Page History (the last pages visited) ?\"\n";
    // An OK box (Prev on the first page of Genesis) leaves the queued Cancel for
    // the close question, which then keeps the program running.
    EXPECT_TRUE(folder
                    .run(started +
                         "answer Cancel\nclick frmList0.lstMain0 0\nclick frmList1.lstMain1 0\n"
                         "click frmList2.lstMain2 0\nclick frmText1.btnPrev\n"
                         "expect message \"Beginning of Book\"\nclose\n" +
                         question + "expect running\n")
                    .passed);
    // Two answers are used in the order queued.
    EXPECT_TRUE(folder
                    .run(started + "answer Cancel\nanswer Yes\nclose\n" + question +
                         "expect running\nclose\n" + question + "expect ended\n")
                    .passed);
    // With its one answer used, a second question fails at its own line.
    const script::Outcome outcome =
        folder.run(started + "answer Cancel\nclose\n" + question + "close\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.line, 6);
}

// The escapes reach the command as the characters they stand for: the
// same bytes written literally inside quotes compare equal.
TEST(ScriptRun, EscapesReachTheCommandAsTheirCharacters) {
    testing_support::ScenarioFolder folder;
    const std::pair<const char*, std::string> cases[] = {
        {R"("a\tb")", "\"a\tb\""}, {R"("a\rb")", "\"a\rb\""}, {R"("x\s{3}y")", "\"x   y\""},
        {R"("\s{0}")", "\"\""},    {R"("a\\b")", "a\\b"},     {R"("a\"b")", "a\"b"},
    };
    for (const auto& [escaped, literal] : cases) {
        SCOPED_TRACE(escaped);
        const script::Outcome outcome =
            folder.run(std::string("write A ") + escaped + "\nexpect file A == " + literal + "\n");
        EXPECT_TRUE(outcome.passed) << outcome.message;
    }
    // A line break cannot be written literally: its length and neighbours show it.
    EXPECT_TRUE(folder
                    .run("write A \"a\\r\\nb\"\nexpect file A length 4\n"
                         "expect file A startswith \"a\r\"\nexpect file A endswith b\n")
                    .passed);
}
