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
