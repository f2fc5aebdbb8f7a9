#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/screen.h"
#include "ui/window.h"

namespace {

struct NoDialogs : ui::Dialogs {
    ui::Answer message(const std::string&, ui::Buttons, ui::Icon) override {
        return ui::Answer::OK;
    }
};

// A window that records its activation events in a shared log.
struct Logged : ui::Window {
    Logged(ui::Screen& s, const std::string& n, std::vector<std::string>& log)
        : ui::Window(s, n), m_log(log) {}
    void onActivate() override { m_log.push_back("activate " + name()); }
    void onDeactivate() override { m_log.push_back("deactivate " + name()); }
    std::vector<std::string>& m_log;
};

} // namespace

TEST(Screen, ShowingAWindowDeactivatesThePreviousOneFirst) {
    NoDialogs d;
    ui::Screen screen(d);
    std::vector<std::string> log;
    Logged a(screen, "a", log), b(screen, "b", log);
    a.show();
    b.show();
    EXPECT_EQ(log, (std::vector<std::string>{"activate a", "deactivate a", "activate b"}));
    EXPECT_EQ(screen.active(), &b);
}

TEST(Screen, HidingTheActiveWindowActivatesTheFrontMostVisibleOne) {
    NoDialogs d;
    ui::Screen screen(d);
    std::vector<std::string> log;
    Logged a(screen, "a", log), b(screen, "b", log), c(screen, "c", log);
    a.show();
    b.show();
    c.show();
    b.hide(); // not active: nothing changes
    EXPECT_EQ(screen.active(), &c);
    c.hide();
    EXPECT_EQ(screen.active(), &a); // b is hidden, so a is next
}

TEST(Screen, FrontMeansAboveEveryOverlappingVisibleWindow) {
    NoDialogs d;
    ui::Screen screen(d);
    std::vector<std::string> log;
    Logged left(screen, "left", log), right(screen, "right", log), over(screen, "over", log);
    left.setGeometry(0, 0, 100, 100);
    right.setGeometry(200, 0, 100, 100);
    over.setGeometry(50, 0, 100, 100);
    left.show();
    right.show();
    EXPECT_TRUE(left.front()); // right does not overlap it
    over.show();
    EXPECT_FALSE(left.front());
    EXPECT_TRUE(over.front());
    over.hide();
    EXPECT_TRUE(left.front());
}

TEST(ListBox, SortedListIgnoresLetterCase) {
    NoDialogs d;
    ui::Screen screen(d);
    ui::Window w(screen, "w");
    ui::ListBox list(w, "lst");
    list.Sorted = true;
    for (const char* item : {"b", "A", "c", "B"})
        list.addItem(item);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"A", "b", "B", "c"}));
    EXPECT_EQ(list.list(9), "");
}

// Each change of a list tells a view which items it added, so that the view
// can insert those alone; any other change tells it none.
TEST(ListBox, TellsWhichItemsTheLastChangeAdded) {
    NoDialogs d;
    ui::Screen screen(d);
    ui::Window w(screen, "w");
    ui::ListBox list(w, "lst");
    struct Step {
        const char* name;
        std::function<void()> change;
        std::vector<std::string> items;
        int at, count;
    };
    const Step steps[] = {
        {"one at the end", [&] { list.addItem("b"); }, {"b"}, 0, 1},
        {"several at once",
         [&] {
             list.addItems({"d", "e"});
         },
         {"b", "d", "e"},
         1,
         2},
        {"none at once", [&] { list.addItems({}); }, {"b", "d", "e"}, 1, 2},
        {"sorted, in the middle",
         [&] {
             list.Sorted = true;
             list.addItem("C");
         },
         {"b", "C", "d", "e"},
         1,
         1},
        {"sorted, several",
         [&] {
             list.addItems({"a", "f"});
         },
         {"a", "b", "C", "d", "e", "f"},
         -1,
         0},
        {"an item replaced", [&] { list.setItem(0, "A"); }, {"A", "b", "C", "d", "e", "f"}, -1, 0},
        {"one added again", [&] { list.addItem("g"); }, {"A", "b", "C", "d", "e", "f", "g"}, 6, 1},
        {"an item removed", [&] { list.removeItem(1); }, {"A", "C", "d", "e", "f", "g"}, -1, 0},
        {"cleared", [&] { list.clear(); }, {}, -1, 0},
    };
    for (const Step& step : steps) {
        step.change();
        EXPECT_EQ(list.items(), step.items) << step.name;
        EXPECT_EQ(list.lastAdded().at, step.at) << step.name;
        EXPECT_EQ(list.lastAdded().count, step.count) << step.name;
    }
}

TEST(Properties, ReadAndWrittenByNameAsText) {
    NoDialogs d;
    ui::Screen screen(d);
    ui::Window w(screen, "w");
    ui::Button b(w, "btn");
    std::string out;
    EXPECT_TRUE(b.set("BackColor", "#C0C0C0"));
    EXPECT_TRUE(b.get("BackColor", out));
    EXPECT_EQ(out, "#C0C0C0");
    EXPECT_FALSE(b.set("BackColor", "grey"));
    EXPECT_TRUE(w.get("Loaded", out));
    EXPECT_EQ(out, "False");
    EXPECT_FALSE(w.get("NoSuchProperty", out));
}

TEST(Units, PlaceConvertsEachTwipsValueToWholePixels) {
    NoDialogs d;
    ui::Screen screen(d);
    ui::Window w(screen, "w");
    ui::TextBox cell(w, "cell");
    // Cell 7 of a topic grid: each value is divided on its own, truncating.
    ui::place(cell, 1560 * (7 % 3), 120 + 360 * (7 / 3), 1575, 372);
    EXPECT_EQ(cell.Left, 104);
    EXPECT_EQ(cell.Top, 56);
    EXPECT_EQ(cell.Width, 105);
    EXPECT_EQ(cell.Height, 24);
    // Less than a pixel is nothing; negative values truncate toward zero.
    ui::place(cell, 14, -15, -29, 0);
    EXPECT_EQ(cell.Left, 0);
    EXPECT_EQ(cell.Top, -1);
    EXPECT_EQ(cell.Width, -1);
    EXPECT_EQ(ui::pixels(4650) - 10, 300);
}

TEST(Properties, WindowStateIsReadAndWrittenAsItsNumber) {
    NoDialogs d;
    ui::Screen screen(d);
    ui::Window w(screen, "frmMain");
    std::string out;
    ASSERT_TRUE(w.get("WindowState", out));
    EXPECT_EQ(out, "0");
    EXPECT_TRUE(w.set("WindowState", "2"));
    EXPECT_EQ(w.windowState(), ui::WindowState::Maximized);
    w.get("WindowState", out);
    EXPECT_EQ(out, "2");
    EXPECT_TRUE(w.set("WindowState", "1"));
    EXPECT_EQ(w.windowState(), ui::WindowState::Minimized);
    // Numbers that name no state are refused and leave the state alone,
    // including one that would wrap around to 2 as a 32-bit integer.
    for (const char* bad : {"3", "-1", "4294967298", "max"})
        EXPECT_FALSE(w.set("WindowState", bad)) << bad;
    EXPECT_EQ(w.windowState(), ui::WindowState::Minimized);
}

namespace {

// A window with a list, a multi-line text box, a one-line box that can be
// typed into, a locked one and a button; it counts their clicks (with the
// caret at each click), the button's mouse events, its KeyDown codes and
// how often it was shown.
struct KeyWindow : ui::Window {
    explicit KeyWindow(ui::Screen& s)
        : ui::Window(s, "keys"), list(*this, "lst"), text(*this, "txt"), line(*this, "line", false),
          cell(*this, "cell", false), button(*this, "btn", "Go") {
        list.addItem("one");
        list.addItem("two");
        list.onClick = [this] { ++clicks; };
        for (ui::TextBox* box : {&text, &line, &cell})
            box->onClick = [this, box] {
                textClicks.push_back(box->name() + "@" + std::to_string(box->selStart()));
            };
        cell.setLocked(true);
        button.onMouseDown = [this](ui::MouseButton b) {
            buttonEvents += "down" + std::to_string(static_cast<int>(b)) + " ";
        };
        button.onMouseUp = [this](ui::MouseButton b) {
            buttonEvents += "up" + std::to_string(static_cast<int>(b)) + " ";
        };
        button.onClick = [this] { buttonEvents += "click"; };
    }
    void onShown() override { ++shown; }
    void onKeyDown(int& code, int) override {
        if (code == takeCode)
            code = 0;
    }
    ui::ListBox list;
    ui::TextBox text, line, cell;
    ui::Button button;
    std::vector<std::string> textClicks;
    std::string buttonEvents;
    int clicks = 0, shown = 0, takeCode = -1;
};

} // namespace

// A list that takes the keys highlights its first item, so that the first
// Enter opens it (at start the start list had the keys but nothing
// highlighted, and Enter did nothing).
TEST(Keys, AListThatTakesTheKeysHighlightsItsFirstItem) {
    NoDialogs d;
    ui::Screen screen(d);
    KeyWindow w(screen);
    EXPECT_EQ(w.list.listIndex(), -1);
    w.list.setFocus();
    EXPECT_EQ(w.list.listIndex(), 0);
    EXPECT_EQ(w.clicks, 0);
    // Filled while it has the keys: the first item of the new items.
    w.list.clear();
    EXPECT_EQ(w.list.listIndex(), -1);
    w.list.addItem("three");
    EXPECT_EQ(w.list.listIndex(), 0);
    // A highlighted item stays; an empty list has none.
    w.list.addItem("four");
    w.list.setListIndex(1);
    w.text.setFocus();
    w.list.gotFocus();
    EXPECT_EQ(w.list.listIndex(), 1);
    w.list.clear();
    w.list.setFocus();
    EXPECT_EQ(w.list.listIndex(), -1);
    // Filled while another control has the keys: nothing highlighted.
    w.text.setFocus();
    w.list.addItem("five");
    EXPECT_EQ(w.list.listIndex(), -1);
    EXPECT_EQ(w.clicks, 0);
}

TEST(Keys, EnterOpensTheChosenItemOfTheFocusedListOnly) {
    NoDialogs d;
    ui::Screen screen(d);
    KeyWindow w(screen);
    w.list.setFocus();
    EXPECT_TRUE(w.list.hasFocus());
    w.list.setListIndex(1);
    EXPECT_EQ(w.raiseKeyDown(ui::Window::kEnterKey), 0);
    EXPECT_EQ(w.clicks, 1);
    // With a modifier, on a disabled list, or with the focus elsewhere: no click.
    EXPECT_NE(w.raiseKeyDown(ui::Window::kEnterKey, ui::Window::kShiftKey), 0);
    w.list.setEnabled(false);
    EXPECT_NE(w.raiseKeyDown(ui::Window::kEnterKey), 0);
    w.list.setEnabled(true);
    w.button.setFocus();
    w.button.setVisible(false);
    EXPECT_NE(w.raiseKeyDown(ui::Window::kEnterKey), 0);
    EXPECT_EQ(w.clicks, 1);
    // Nothing highlighted: the key stays unused.
    w.list.setFocus();
    w.list.setListIndex(-1);
    EXPECT_EQ(w.raiseKeyDown(ui::Window::kEnterKey), ui::Window::kEnterKey);
    // A handler that takes Enter itself keeps it.
    w.list.setListIndex(0);
    w.takeCode = ui::Window::kEnterKey;
    EXPECT_EQ(w.raiseKeyDown(ui::Window::kEnterKey), 0);
    EXPECT_EQ(w.clicks, 1);
}

// Enter, and Space where it would not type a blank, is a click at the
// caret of the focused text box (a verse could not be opened, nor a
// paragraph bookmarked, nor a search hit followed from the keyboard); Enter
// on a button presses it as the left mouse button does.
TEST(Keys, EnterAndSpaceClickTheFocusedControl) {
    const struct {
        const char* name;
        const char* focus;
        int code, shift;
        bool taken;
        const char* textClick;
        const char* buttonEvents;
    } rows[] = {
        {"Enter in a text box", "txt", 13, 0, true, "txt@7", ""},
        {"Space in a text box", "txt", 32, 0, true, "txt@7", ""},
        {"Enter in a one-line box", "line", 13, 0, true, "line@7", ""},
        {"Space in a one-line box types", "line", 32, 0, false, "", ""},
        {"Space in a locked box", "cell", 32, 0, true, "cell@7", ""},
        {"Shift+Enter in a text box", "txt", 13, ui::Window::kShiftKey, false, "", ""},
        {"another key in a text box", "txt", 65, 0, false, "", ""},
        {"Enter on a button", "btn", 13, 0, true, "", "down1 up1 click"},
        {"Space on a button is the widget's", "btn", 32, 0, false, "", ""},
    };
    for (const auto& row : rows) {
        NoDialogs d;
        ui::Screen screen(d);
        KeyWindow w(screen);
        for (ui::TextBox* box : {&w.text, &w.line, &w.cell}) {
            box->setText("In the beginning");
            box->setSelStart(7);
        }
        w.control(row.focus)->setFocus();
        const int left = w.raiseKeyDown(row.code, row.shift);
        EXPECT_EQ(left == 0, row.taken) << row.name;
        const std::string clicked = w.textClicks.empty() ? "" : w.textClicks.front();
        EXPECT_EQ(clicked, row.textClick) << row.name;
        EXPECT_LE(w.textClicks.size(), 1u) << row.name;
        EXPECT_EQ(w.buttonEvents, row.buttonEvents) << row.name;
    }
    // A hidden or disabled box takes nothing.
    NoDialogs d;
    ui::Screen screen(d);
    KeyWindow w(screen);
    w.text.setFocus();
    w.text.setVisible(false);
    EXPECT_EQ(w.raiseKeyDown(13), 13);
    w.text.setVisible(true);
    w.text.setEnabled(false);
    EXPECT_EQ(w.raiseKeyDown(32), 32);
    EXPECT_TRUE(w.textClicks.empty());
}

TEST(Keys, EscapeRunsTheWindowsEscapeActionWhenItHasOne) {
    NoDialogs d;
    ui::Screen screen(d);
    KeyWindow w(screen);
    EXPECT_EQ(w.raiseKeyDown(ui::Window::kEscapeKey), ui::Window::kEscapeKey);
    int escapes = 0;
    w.onEscape = [&escapes] { ++escapes; };
    EXPECT_EQ(w.raiseKeyDown(ui::Window::kEscapeKey), 0);
    EXPECT_EQ(escapes, 1);
    w.takeCode = ui::Window::kEscapeKey;
    w.raiseKeyDown(ui::Window::kEscapeKey);
    EXPECT_EQ(escapes, 1);
}

TEST(Keys, ShownRunsEachTimeTheWindowComesUpNotWhenRaised) {
    NoDialogs d;
    ui::Screen screen(d);
    KeyWindow w(screen);
    w.show();
    w.show();
    w.bringToFront();
    EXPECT_EQ(w.shown, 1);
    w.hide();
    w.show();
    EXPECT_EQ(w.shown, 2);
    std::string focused;
    ASSERT_TRUE(w.list.get("Focused", focused));
    EXPECT_EQ(focused, "False");
    w.list.setFocus();
    ASSERT_TRUE(w.list.get("Focused", focused));
    EXPECT_EQ(focused, "True");
}
