#include <gtest/gtest.h>

#include "script_files.h"

namespace {

struct Comparison {
    const char* actual;
    const char* op;
    const char* expected;
    bool holds;
};

// Every operator, each with cases that hold and cases that do not; the
// edges are the empty value and a value longer than the one it is checked
// against.
const Comparison kComparisons[] = {
    {"abc", "==", "abc", true},
    {"abc", "==", "abd", false},
    {"abc", "==", "ab", false},
    {"ab", "==", "abc", false},
    {"", "==", "", true},
    {"abc", "!=", "abd", true},
    {"abc", "!=", "abc", false},
    {"", "!=", "", false},
    {"hello world", "contains", "o w", true},
    {"hello world", "contains", "hello world", true},
    {"hello world", "contains", "", true},
    {"hello world", "contains", "xyz", false},
    {"hello world", "contains", "hello world!", false},
    {"hello world", "contains", "Hello", false},
    {"hello world", "!contains", "xyz", true},
    {"hello world", "!contains", "o w", false},
    {"hello world", "!contains", "", false},
    {"hello", "startswith", "he", true},
    {"hello", "startswith", "hello", true},
    {"hello", "startswith", "", true},
    {"hello", "startswith", "lo", false},
    {"he", "startswith", "hello", false},
    {"hello", "endswith", "lo", true},
    {"hello", "endswith", "hello", true},
    {"hello", "endswith", "", true},
    {"hello", "endswith", "he", false},
    {"lo", "endswith", "hello", false},
    {"hello", "length", "5", true},
    {"", "length", "0", true},
    {"hello", "length", "4", false},
    {"hello", "length", "6", false},
    {"hello", "length", "hello", false},
};

std::string fileCheck(const Comparison& c) {
    return std::string("write A \"") + c.actual + "\"\nexpect file A " + c.op + " \"" + c.expected +
           "\"\n";
}

} // namespace

TEST(ScriptCompare, EveryOperatorHoldsOrFailsWithItsValues) {
    testing_support::ScenarioFolder folder;
    for (const Comparison& c : kComparisons) {
        SCOPED_TRACE(std::string(c.actual) + " " + c.op + " " + c.expected);
        const script::Outcome outcome = folder.run(fileCheck(c));
        EXPECT_EQ(outcome.passed, c.holds) << outcome.message;
        if (c.holds)
            continue;
        EXPECT_EQ(outcome.line, 2);
        EXPECT_EQ(outcome.message, std::string("expected file A ") + c.op + " \"" + c.expected +
                                       "\", got \"" + c.actual + "\"");
    }
}

TEST(ScriptCompare, AnUnknownOperatorFails) {
    testing_support::ScenarioFolder folder;
    const script::Outcome outcome = folder.run("write A x\nexpect file A ~= x\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.line, 2);
    EXPECT_EQ(outcome.message, "expected an operator, got \"~=\"");
}

// Properties and shared variables go through the same comparison as files.
TEST(ScriptCompare, PropertiesAndVariables) {
    testing_support::ScenarioFolder folder;
    const std::string started = "library " TESSARY_SAMPLE_LIBRARY "\nstart\n";
    EXPECT_TRUE(folder
                    .run(started + "expect frmList0.Visible == True\n"
                                   "expect frmList0.lstMain0.List(0) startswith \"The Bible\"\n"
                                   "expect var CurPage == 0\n"
                                   "expect var BookFile length 0\n")
                    .passed);

    script::Outcome outcome = folder.run(started + "expect frmList0.Visible == False\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.line, 3);
    EXPECT_EQ(outcome.message, "expected frmList0.Visible == \"False\", got \"True\"");

    outcome = folder.run(started + "expect frmList0.lstMain0.List(0) !contains Bible\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.message, "expected frmList0.lstMain0.List(0) !contains \"Bible\", got "
                               "\"The Bible (King James Version)\"");

    outcome = folder.run(started + "expect var CurPage != 0\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.message, "expected CurPage != \"0\", got \"0\"");
}

TEST(ScriptCompare, FileExistsAndMissing) {
    testing_support::ScenarioFolder folder;
    EXPECT_TRUE(folder
                    .run("expect file A missing\nwrite A \"\"\nexpect file A exists\n"
                         "remove A\nexpect file A missing\n")
                    .passed);
    script::Outcome outcome = folder.run("expect file A exists\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.message, "expected file A exists, got missing");
    outcome = folder.run("write A x\nexpect file A missing\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.message, "expected file A missing, got exists");
    // A content check on a file that is not there fails rather than reading nothing.
    outcome = folder.run("expect file A length 0\n");
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.message, "expected file A length \"0\", got missing");
}
