// The lines tessary-script prints and its exit status, from the program itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

#include "script_files.h"

namespace {

struct Printed {
    std::string out;
    int status = -1;
};

Printed runScript(const testing_support::ScenarioFolder& folder, const std::string& names) {
    const std::string command =
        "cd '" + folder.dir.string() + "' && '" TESSARY_SCRIPT_PROGRAM "' " + names;
    Printed printed;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return printed;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        printed.out.append(buffer, n);
    const int status = pclose(pipe);
    printed.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return printed;
}

const char* const kPassing = "write A abc\nexpect file A == abc\n";

} // namespace

// One line per file, then the counts; the status is 0 only when every file
// passed and there was at least one.
TEST(ScriptOutput, OneLinePerFileThenTheCounts) {
    testing_support::ScenarioFolder folder;
    folder.write("good.tss", kPassing);
    folder.write("bad.tss", "# a comment\nwrite A \"two\\r\\nlines\"\nexpect file A == two\n");
    folder.write("also.tss", kPassing);
    const struct {
        const char* names;
        const char* out;
        int status;
    } runs[] = {
        {"good.tss bad.tss also.tss",
         "PASS good.tss\n"
         "FAIL bad.tss:3: expected file A == \"two\", got \"two\\r\\nlines\"\n"
         "PASS also.tss\n"
         "2 passed, 1 failed\n",
         1},
        {"good.tss also.tss", "PASS good.tss\nPASS also.tss\n2 passed, 0 failed\n", 0},
        // A file that cannot be read fails at line 0.
        {"absent.tss",
         "FAIL absent.tss:0: expected a scenario file, got none\n0 passed, 1 failed\n", 1},
        // Nothing run is no success either.
        {"", "0 passed, 0 failed\n", 1},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.names);
        const Printed printed = runScript(folder, run.names);
        EXPECT_EQ(printed.out, run.out);
        EXPECT_EQ(printed.status, run.status);
    }
}

TEST(ScriptOutput, LongValuesAreEscapedAndCut) {
    testing_support::ScenarioFolder folder;
    // 300 characters with a tab and a run of blanks early on.
    const std::string value = "a\\tb\\s{5}" + std::string(293, 'c');
    folder.write("long.tss", "write A \"" + value + "\"\nexpect file A == x\n");
    const Printed printed = runScript(folder, "long.tss");
    const std::string shown = "a\\tb\\s{5}" + std::string(200 - 9, 'c') + "...";
    EXPECT_EQ(printed.out, "FAIL long.tss:2: expected file A == \"x\", got \"" + shown + "\"\n" +
                               "0 passed, 1 failed\n");
}

TEST(ScriptOutput, DumpPrintsWithoutFailing) {
    testing_support::ScenarioFolder folder;
    folder.write("dump.tss", "dump var.CurPage\n");
    const Printed printed = runScript(folder, "dump.tss");
    // What cannot be read is printed as the reason, in angle brackets.
    EXPECT_EQ(printed.out, "var.CurPage = \"<expected start before this command, got none>\"\n"
                           "PASS dump.tss\n1 passed, 0 failed\n");
    EXPECT_EQ(printed.status, 0);
}

// --whole-values prints a dumped value uncut; --step-limit fails the
// scenario at the first step that takes longer; a bad option runs nothing.
TEST(ScriptOutput, OptionsPrintWholeValuesAndLimitEachStep) {
    testing_support::ScenarioFolder folder;
    folder.write("page.tss", "library " TESSARY_SAMPLE_LIBRARY "\nstart\n"
                             "click frmList0.lstMain0 0\nclick frmList1.lstMain1 0\n"
                             "click frmList2.lstMain2 0\ndump frmText1.Text1.Text\n");
    const Printed whole = runScript(folder, "--whole-values page.tss");
    EXPECT_EQ(whole.status, 0);
    const size_t at = whole.out.find("frmText1.Text1.Text = \"");
    ASSERT_NE(at, std::string::npos);
    const std::string line = whole.out.substr(at, whole.out.find('\n', at) - at);
    EXPECT_GT(line.size(), 500u);
    EXPECT_NE(line.find("{gen 1:5}"), std::string::npos);
    EXPECT_EQ(line.find("..."), std::string::npos);
    EXPECT_EQ(runScript(folder, "page.tss").out.find("{gen 1:5}"), std::string::npos);

    const struct {
        const char* args;
        const char* out;
        int status;
    } runs[] = {
        {"--step-limit 60 page.tss", "PASS page.tss\n1 passed, 0 failed\n", 0},
        // Starting the program takes longer than a nanosecond; copying the
        // library in is not timed.
        {"--step-limit 1e-9 page.tss", "FAIL page.tss:2: expected a step of at most 1e-09 s, got",
         1},
        {"--step-limit 0 page.tss", "", 2},
        {"--step-limit page.tss", "", 2},
        {"--quick page.tss", "", 2},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.args);
        const Printed printed = runScript(folder, std::string(run.args) + " 2>/dev/null");
        if (*run.out)
            EXPECT_NE(printed.out.find(run.out), std::string::npos) << printed.out;
        else
            EXPECT_EQ(printed.out, "");
        EXPECT_EQ(printed.status, run.status);
    }
}
