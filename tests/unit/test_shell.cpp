#include <gtest/gtest.h>

#include "shell/control_help.h"
#include "shell/frm_main.h"

TEST(HelpBoxSize, RowsGrowWithTheTextUpToEight) {
    // Up to 45 characters the box is one row exactly as wide as the text.
    EXPECT_EQ(shell::helpBoxSize(45).rows, 1);
    EXPECT_EQ(shell::helpBoxSize(45).cols * 90 + 90, 4140);
    EXPECT_EQ(shell::helpBoxSize(46).rows, 2);
    EXPECT_EQ(shell::helpBoxSize(46).cols * 90 + 90, 3690);
    EXPECT_EQ(shell::helpBoxSize(285).rows, 7);
    EXPECT_EQ(shell::helpBoxSize(286).rows, 8);
    EXPECT_EQ(shell::helpBoxSize(286).rows * 240 + 320, 2240);
    EXPECT_EQ(shell::helpBoxSize(5000).rows, 8);
    EXPECT_EQ(shell::helpBoxSize(0).cols, 0);
}

TEST(MainTitle, IsTheSpacedNameBlanksAndTheMaker) {
    const std::string t = shell::mainTitle();
    EXPECT_EQ(t.size(), 128u);
    EXPECT_EQ(t.substr(0, 14), " T e s s a r y");
    EXPECT_EQ(t.substr(14, 104), std::string(104, ' '));
}
