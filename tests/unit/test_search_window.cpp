// The search window: what a click in its panes picks, how it opens, and its panes.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "book_builder.h"
#include "reader/frm_text1.h"
#include "reader/page_loader.h"
#include "search/frm_find6.h"
#include "search/result_pick.h"
#include "test_support.h"

namespace {

using search::hitReference;
using search::pickWord;

// The blank-separated word at the caret, trailing marks cut; line breaks do not separate words.
TEST(PickWord, TheBlankSeparatedWordAroundTheCaret) {
    const std::string page = ">By faith, and (grace) alone. {let 12:3}\r\n\r\n>Hope grows";
    const auto at = [&page](const char* what) { return static_cast<int>(page.find(what)) + 1; };
    const std::pair<int, std::optional<std::string>> rows[] = {
        {5, "faith"},         {4, "faith"},         {3, "By"},         {17, "(grace"}, {1, "By"},
        {at("Hope"), "Hope"}, {at("12:3"), "Hope"}, {0, std::nullopt},
    };
    for (const auto& [caret, word] : rows)
        EXPECT_EQ(pickWord(page, caret), word) << caret;
    EXPECT_EQ(pickWord("a ... b", 3), "");
    EXPECT_EQ(pickWord("end.", 4), "end");
    EXPECT_EQ(pickWord("end.", 99), "end");
}

TEST(HitReference, TheKeyBeforeTheLastAngleBeforeTheCaret) {
    const std::string results = "12:3>in the ^beginning^ God\r\n\r\n"
                                "1:10>the earth ^was^ a > mark\r\n\r\n"
                                "2:7>the ^dust^ of the ground\r\n\r\n"
                                "123456789:12>too long for the window > of 12";
    const std::string all = "kjv 3:16>x\r\n\r\nlet 12:13>y\r\n\r\n"
                            "proverbs 30:33>the churning of milk > butter\r\n\r\n"
                            "psalms 119:105>a lamp unto my feet\r\n\r\nx";
    const std::string longFirst = "proverbialsayings 1:2>a word\r\n\r\nkjv 3:16>x";
    auto at = [](const std::string& text, const std::string& what, int plus = 0) {
        return static_cast<int>(text.find(what)) + plus;
    };
    struct Row {
        const char* name;
        const std::string& text;
        int caret;
        std::optional<std::string> reference;
    } rows[] = {
        {"the first hit", results, 8, "12:3"},
        {"a later hit", results, 40, "1:10"},
        {"no > before: the window starts the text", results, 4, "12:3"},
        {"at the very start", results, 0, std::nullopt},
        {"after an excerpt's > near its key", results, at(results, "mark"), std::nullopt},
        {"in a blank line: the hit above", results, at(results, "\r\n123456789") + 1, "2:7"},
        {"on a hit's reference: the hit above", results, at(results, "456789:12"), "2:7"},
        {"a long key", results, at(results, "too"), "123456789:12"},
        {"after an excerpt's > far from its key", results, at(results, "of 12"), std::nullopt},
        {"Find All: a long stem", all, at(all, "a lamp"), "psalms 119:105"},
        {"Find All: a long stem's excerpt >", all, at(all, "butter"), std::nullopt},
        {"Find All: the blank lines after the last hit", all, at(all, "\r\n\r\nx", 2),
         "psalms 119:105"},
        {"a long first reference", longFirst, at(longFirst, "word"), "proverbialsayings 1:2"},
        {"the hit after a long first one", longFirst, at(longFirst, "x"), "kjv 3:16"},
        {"text without any >", "no hits here at all", 5, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(hitReference(row.text, row.caret), row.reference) << row.name;
    }
}

struct Window : testing_support::TestProgram {
    search::FrmFind6& w;
    reader::FrmText1& reading;
    Window() : w(p->frmFind6()), reading(p->frmText1()) {
        write("A.TXV",
              testing_books::makeBook(
                  {{"1:1>Grace first"}, {"2:1>More grace and grace"}, {"3:1>Third page"}}));
        write("B.TXV", testing_books::makeBook({{"1:1>Far grace%in two parts"}}));
        write("GEN.TXV", testing_books::makeBook({{"1:1>In the beginning God^ bara elohim<1,2"}}));
        s().BookFile = "A.TXV";
        EXPECT_TRUE(reader::showPage(*p, "", "3"));
        reading.showText();
        reading.show();
    }
    void find(const std::string& text, bool all) {
        w.txtInput.setText(text);
        (all ? w.btnSrchAll : w.btnSearch).mouseUp(ui::MouseButton::Left);
    }
    void clickAt(ui::TextBox& box, size_t caret) {
        box.setSelStart(static_cast<int>(caret));
        box.click();
    }
};

TEST(SearchWindow, CtrlFAndTheButtonOpenIt) {
    Window t;
    int plain = 'F';
    t.reading.raiseKeyDown(plain);
    EXPECT_FALSE(t.w.visible());
    t.reading.btnFind.setEnabled(false); // a disabled button's key does nothing
    t.reading.raiseKeyDown('F', ui::Window::kCtrlKey);
    EXPECT_FALSE(t.w.visible());
    t.reading.btnFind.setEnabled(true);
    t.reading.raiseKeyDown('F', ui::Window::kCtrlKey);
    EXPECT_TRUE(t.w.visible());
    EXPECT_EQ(t.w.TextF.text(), t.reading.Text1.text());
    EXPECT_EQ(t.s().FindCaller, "Text1");
    t.w.hide();
    t.w.btnRadioWhole.setValue(1);
    t.reading.btnFind.mouseUp(ui::MouseButton::Left);
    EXPECT_TRUE(t.w.visible());
    EXPECT_EQ(t.w.btnRadioWhole.value(), 0);
    EXPECT_EQ(t.p->screen().active(), &t.w);
}

TEST(SearchWindow, ARefittedPaneIsRestoredByTheNextClick) {
    Window t;
    t.reading.btnFind.mouseUp(ui::MouseButton::Left);
    t.find("grace", false);
    t.w.TextF.setHeight(140);
    t.clickAt(t.w.TextF, 8);
    EXPECT_EQ(t.w.TextF.Height, 270);
    EXPECT_EQ(t.w.TextF.Top, 58);
    EXPECT_EQ(t.w.TextF2.Top, 566);
    EXPECT_EQ(t.w.btnReFind.caption(), "ReFind");
    EXPECT_EQ(t.w.caption(), "Click to View Context");
    EXPECT_EQ(t.w.TextF2.text(), ""); // nothing else happened on that click
    t.clickAt(t.w.TextF, 8);
    EXPECT_EQ(t.w.TextF2.text(), "1:1>Grace first");
}

TEST(SearchWindow, AHitNotInItsBookLeavesTheViews) {
    Window t;
    t.reading.btnFind.mouseUp(ui::MouseButton::Left);
    t.find("grace", false);
    t.w.TextF.setText("9:1>^grace^\r\n\r\n");
    t.clickAt(t.w.TextF, 6);
    ASSERT_EQ(t.dialogs.shown, std::vector<std::string>{"Page Not Found"});
    EXPECT_EQ(t.w.TextF.Top, 58);
    EXPECT_EQ(t.w.btnReFind.caption(), "ReFind");
    EXPECT_EQ(t.s().CurPage, 3);
}

TEST(SearchWindow, FromTheVerseWindow) {
    Window t;
    t.s().BookFile = "GEN.TXV";
    t.s().BibleMode = true;
    ASSERT_TRUE(reader::showPage(*t.p, "", ""));
    std::string verse = " bara elohim";
    const reader::BookPage genesis = reader::BookPage::of(t.s());
    t.w.openFromVerseWindow([&verse] { return verse; }, genesis);
    t.clickAt(t.w.TextF, 3);
    EXPECT_EQ(t.w.txtInput.text(), "bara");
    t.w.btnSearch.mouseUp(ui::MouseButton::Left);
    EXPECT_EQ(t.w.TextF.text(), "1:1> ^bara^ elohim\r\n\r\n");
    // The context: the verse without its note keys, then the line, nothing selected.
    t.clickAt(t.w.TextF, 6);
    EXPECT_EQ(t.w.TextF2.text(), "bara elohim\r\n\r\n1:1>In the beginning God");
    EXPECT_EQ(t.w.TextF2.selLength(), 0);
    t.w.btnReFind.setCaption("ReFind");
    verse = " elohim";
    t.w.btnReFind.mouseUp(ui::MouseButton::Left);
    EXPECT_EQ(t.w.TextF.text(), " elohim");
    EXPECT_EQ(t.w.btnReFind.caption(), "");
}

} // namespace
