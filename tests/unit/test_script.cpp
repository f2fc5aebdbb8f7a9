// The scenario runner: words, escaped values, comparisons, failures and the program's output.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>

#include "runner.h"
#include "scenario.h"
#include "test_support.h"

namespace {

struct ScenarioFolder : testing_support::TempDir {
    script::Outcome run(const std::string& text) const {
        write("s.tss", text);
        return script::runScenarioFile((dir / "s.tss").string());
    }
};

const std::string kStarted = "library " TESSARY_SAMPLE_LIBRARY "\nstart\n";
// Without the abbreviation table start shows one OK box and ends.
const std::string kStartWithMessage = "write START.SEL \"A.SEL@Item A\\r\\n\"\nstart\n";
const std::string kBibliography = "Missing or corrupted BIBLIO.TXV in sub Main2";
const std::string kQuestion =
    "expect message \"Do you wish to Save Page History (the last pages visited) ?\"\n";
void expectFailure(const script::Outcome& got, int line, const std::string& message) {
    EXPECT_FALSE(got.passed);
    EXPECT_EQ(got.line, line);
    EXPECT_EQ(got.message, message);
}

} // namespace

TEST(ScenarioWords, QuotedWordsAndTheirEscapes) {
    const std::pair<const char*, std::string> rows[] = {
        {R"("a b\r\n\t\"q\"\\ \s{3}x")", "a b\r\n\t\"q\"\\    x"},
        {R"("\\n")", "\\n"}, // an escaped backslash starts no other escape
        {R"("\s{0}")", ""},
        {R"("a\s{2}b\s{10}")", "a  b" + std::string(10, ' ')},
        {R"("\s{999999}")", std::string(999999, ' ')},
        {R"("")", ""},
    };
    std::string error;
    for (const auto& [line, word] : rows)
        EXPECT_EQ(script::splitWords(line, error), std::vector<std::string>{word}) << line;
    // Refused, with a reason: unterminated, unknown escapes, bad blank counts.
    for (const char* line :
         {R"("unterminated)", R"("\q")", R"("abc\")", R"("\s{x}")", R"("\s{}")", R"("\s3")",
          R"("\s{3")", R"("\s{-1}")", R"("\s{1234567}")", R"("\s{ 3}")"}) {
        error.clear();
        EXPECT_FALSE(script::splitWords(line, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
    // Outside quotes a backslash is a plain character and a tab separates words.
    EXPECT_EQ(script::splitWords("a\\n\tb", error), (std::vector<std::string>{"a\\n", "b"}));
}

// Runs of three blanks or more are counted; the value is cut after 200 escaped characters.
TEST(EscapeValue, EveryEscapeBlankRunsAndTheCut) {
    std::string breaks;
    for (int i = 0; i < 100; ++i)
        breaks += "\\n";
    const std::pair<std::string, std::string> rows[] = {
        {"", "\"\""},
        {"a\tb\nc\rd", "\"a\\tb\\nc\\rd\""},
        {"say \"x\" \\ y", "\"say \\\"x\\\" \\\\ y\""},
        {" a  b   c", "\" a  b\\s{3}c\""},
        {"x" + std::string(890, ' '), "\"x\\s{890}\""},
        {std::string(200, 'a'), "\"" + std::string(200, 'a') + "\""},
        {std::string(201, 'a'), "\"" + std::string(200, 'a') + "...\""},
        {std::string(199, 'a') + std::string(890, ' '), "\"" + std::string(199, 'a') + "\\...\""},
        {std::string(100, '\n'), "\"" + breaks + "\""},
        {std::string(101, '\n'), "\"" + breaks + "...\""},
    };
    for (const auto& [value, shown] : rows) {
        EXPECT_EQ(script::escapeValue(value), shown) << value.size();
    }
}

// Every operator, holding and not, with empty values and longer ones.
TEST(ScriptCompare, EveryOperatorHoldsOrFailsWithItsValues) {
    const struct {
        const char *actual, *op, *expected;
        bool holds;
    } rows[] = {
        {"abc", "==", "ab", false},
        {"", "==", "", true},
        {"abc", "!=", "abd", true},
        {"", "!=", "", false},
        {"hello", "contains", "ll", true},
        {"hello", "contains", "", true},
        {"hello", "contains", "Hello", false},
        {"hello", "!contains", "xyz", true},
        {"hello", "startswith", "he", true},
        {"hello", "startswith", "lo", false},
        {"he", "startswith", "hello", false},
        {"hello", "endswith", "lo", true},
        {"hello", "endswith", "he", false},
        {"lo", "endswith", "hello", false},
        {"hello", "length", "5", true},
        {"hello", "length", "4", false},
    };
    ScenarioFolder folder;
    for (const auto& c : rows) {
        const std::string check = std::string("file A ") + c.op + " \"" + c.expected + "\"";
        const auto got = folder.run(std::string("write A \"") + c.actual + "\"\nexpect " + check);
        EXPECT_EQ(got.message, c.holds ? "" : "expected " + check + ", got \"" + c.actual + "\"");
        EXPECT_EQ(got.passed, c.holds) << got.message;
    }
}

TEST(ScriptRun, FailuresGiveTheirLineAndReason) {
    const struct {
        const char* what;
        std::string scenario;
        int line;
        std::string message;
    } rows[] = {
        {"unknown command", "# comment\n\njump\n", 3, "expected a command, got \"jump\""},
        {"after CR LF and indented comments", "# a\r\n\r\n  write A x\r\n   # b\r\njump\r\n", 5,
         "expected a command, got \"jump\""},
        {"unknown operator", "write A x\nexpect file A ~= x\n", 2,
         "expected an operator, got \"~=\""},
        {"missing argument", "expect\n", 1, "expected 1 arguments to expect, got 0"},
        {"missing value", "write A x\nexpect file A ==\n", 2,
         "expected 4 arguments to expect, got 3"},
        {"event before start", "click frmList0.lstMain0 0\n", 1,
         "expected start before this command, got none"},
        {"answer word", "answer Maybe\n", 1, "expected OK, Yes, No or Cancel, got \"Maybe\""},
        {"file outside the data folder", "write ../A x\n", 1, "expected a file name, got \"../A\""},
        {"no message shown", "expect message \"Hello\"\n", 1,
         "expected message \"Hello\", got none"},
        {"not ended", "expect ended\n", 1, "expected ended, got running"},
        {"unterminated quote", "# first\nwrite A x\nwrite B \"open\n", 3,
         "expected a command line, got unterminated quote"},
        {"a file that is missing", "expect file A exists\n", 1,
         "expected file A exists, got missing"},
        {"a file that exists", "write A x\nexpect file A missing\n", 2,
         "expected file A missing, got exists"},
        {"content of a missing file", "expect file A length 0\n", 1,
         "expected file A length \"0\", got missing"},
        {"a property", kStarted + "expect frmList0.Visible == False\n", 3,
         "expected frmList0.Visible == \"False\", got \"True\""},
        {"a variable", kStarted + "expect var CurPage != 0\n", 3,
         "expected CurPage != \"0\", got \"0\""},
        {"a variable the program does not have", kStarted + "expect var NoSuch == 0\n", 3,
         "expected a variable, got \"NoSuch\""},
        {"a window the program does not have", kStarted + "expect frmNoSuch.Visible == False\n", 3,
         "expected a window, got \"frmNoSuch\""},
        {"a control the window does not have", kStarted + "click frmList0.lstNoSuch 0\n", 3,
         "expected a control, got \"frmList0.lstNoSuch\""},
        // Message boxes are checked oldest first, exactly, each once.
        {"a box not checked", kStartWithMessage + "expect nomessage\n", 3,
         "expected no message, got \"" + kBibliography + "\""},
        {"part of a box's text", kStartWithMessage + "expect message \"Missing or corrupted\"\n", 3,
         "expected message \"Missing or corrupted\", got \"" + kBibliography + "\""},
        {"a box checked twice",
         kStartWithMessage + "expect message \"" + kBibliography + "\"\nexpect message \"" +
             kBibliography + "\"\n",
         4, "expected message \"" + kBibliography + "\", got none"},
        {"ended by the box",
         kStartWithMessage + "expect message \"" + kBibliography + "\"\nexpect running\n", 4,
         "expected running, got ended"},
        {"a second question with one answer",
         kStarted + "answer Cancel\nclose\n" + kQuestion + "close\n", 6,
         "expected an answer queued, got question \"Do you wish to Save Page History (the last "
         "pages visited) ?\""},
        // A box shown before a restart and never checked fails the scenario at its end.
        {"a box of the old program",
         kStartWithMessage + "restart\nexpect message \"" + kBibliography + "\"\nwrite A x\n", 5,
         "expected no message, got \"" + kBibliography + "\""},
    };
    ScenarioFolder folder;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        expectFailure(folder.run(row.scenario), row.line, row.message);
    }
    expectFailure(script::runScenarioFile((folder.dir / "none.tss").string()), 0,
                  "expected a scenario file, got none");
}

// One line per file, then the counts; the status is 0 only when all of at least one file passed.
TEST(ScriptOutput, OneLinePerFileThenTheCounts) {
    ScenarioFolder folder;
    folder.write("good.tss", "write A abc\nexpect file A == abc\n");
    folder.write("bad.tss", "# a comment\nwrite A \"two\\r\\nlines\"\nexpect file A == two\n");
    folder.write("dump.tss", "dump var.CurPage\n");
    folder.write("page.tss", kStarted + "click frmList0.lstMain0 0\nclick frmList1.lstMain1 0\n"
                                        "click frmList2.lstMain2 0\ndump frmText1.Text1.Text\n");
    const struct {
        const char* args;
        std::string out;
        int status;
        bool whole = true;        // out is the whole output, else a part of it
        const char* lacks = "\a"; // a text the output must not hold
    } runs[] = {
        {"good.tss bad.tss good.tss",
         "PASS good.tss\nFAIL bad.tss:3: expected file A == \"two\", got \"two\\r\\nlines\"\n"
         "PASS good.tss\n2 passed, 1 failed\n",
         1},
        {"good.tss", "PASS good.tss\n1 passed, 0 failed\n", 0},
        {"absent.tss",
         "FAIL absent.tss:0: expected a scenario file, got none\n0 passed, 1 failed\n", 1},
        {"", "0 passed, 0 failed\n", 1},
        {"dump.tss",
         "var.CurPage = \"<expected start before this command, got none>\"\n"
         "PASS dump.tss\n1 passed, 0 failed\n",
         0},
        {"page.tss", "...\"\nPASS page.tss\n", 0, false, "{gen 1:5}"},
        {"--whole-values page.tss", "{gen 1:5}", 0, false, "...\""},
        {"--step-limit 60 page.tss", "PASS page.tss\n1 passed, 0 failed\n", 0, false},
        {"--step-limit 1e-9 page.tss", "FAIL page.tss:2: expected a step of at most 1e-09 s, got",
         1, false},
        {"--step-limit 0 page.tss", "", 2},
        {"--quick page.tss", "", 2},
    };
    for (const auto& run : runs) {
        const std::string command = "cd '" + folder.dir.string() +
                                    "' && '" TESSARY_SCRIPT_PROGRAM "' " + run.args +
                                    " 2>/dev/null";
        std::string out;
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_TRUE(pipe);
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        const int status = pclose(pipe);
        if (run.whole) {
            EXPECT_EQ(out, run.out) << run.args;
        } else {
            EXPECT_NE(out.find(run.out), std::string::npos) << run.args << ": " << out;
        }
        EXPECT_EQ(out.find(run.lacks), std::string::npos) << run.args;
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, run.status) << run.args;
    }
}
