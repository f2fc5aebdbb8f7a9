// The screen model: activation, the front window, properties by name and the keys.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/screen.h"
#include "ui/view.h"
#include "ui/window.h"

namespace {

struct NoDialogs : ui::Dialogs {
    ui::Answer message(const std::string&, ui::Buttons, ui::Icon) override {
        return ui::Answer::OK;
    }
};

// A window that logs its activation and its controls' clicks; its handler takes takeCode.
struct KeyWindow : ui::Window {
    KeyWindow(ui::Screen& s, const std::string& name, std::vector<std::string>& log)
        : ui::Window(s, name), list(*this, "lst"), text(*this, "txt"), line(*this, "line", false),
          cell(*this, "cell", false), button(*this, "btn", "Go"), m_log(log) {
        list.addItem("one");
        list.addItem("two");
        list.onClick = [this] { events += "list "; };
        for (ui::TextBox* box : {&text, &line, &cell})
            box->onClick = [this, box] {
                events += box->name() + "@" + std::to_string(box->selStart()) + " ";
            };
        cell.setLocked(true);
        const auto logged = [this](std::string what) {
            return [this, what](ui::MouseButton b) {
                events += what + std::to_string(static_cast<int>(b)) + " ";
            };
        };
        button.onMouseDown = logged("down");
        button.onMouseUp = logged("up");
        button.onClick = [this] { events += "click "; };
    }
    void onActivate() override { m_log.push_back("activate " + name()); }
    void onDeactivate() override { m_log.push_back("deactivate " + name()); }
    void onShown() override { ++shown; }
    void onKeyDown(int& code, int) override {
        if (code == takeCode)
            code = 0;
    }
    ui::ListBox list;
    ui::TextBox text, line, cell;
    ui::Button button;
    std::string events;
    int shown = 0, takeCode = -1;
    std::vector<std::string>& m_log;
};

template <class Object>
std::string got(const Object& o, const std::string& prop) {
    std::string out;
    return o.get(prop, out) ? out : "?";
}

struct Model {
    NoDialogs dialogs;
    ui::Screen screen{dialogs};
    std::vector<std::string> log;
    KeyWindow w{screen, "keys", log};
};

} // namespace

TEST(Screen, ActivationFollowsShowingAndHiding) {
    Model m;
    KeyWindow b(m.screen, "b", m.log), c(m.screen, "c", m.log);
    m.w.show();
    b.show();
    EXPECT_EQ(m.log, (std::vector<std::string>{"activate keys", "deactivate keys", "activate b"}));
    c.show();
    b.hide(); // not active: nothing changes
    EXPECT_EQ(m.screen.active(), &c);
    c.hide(); // the front-most visible one: b is hidden
    EXPECT_EQ(m.screen.active(), &m.w);
    b.show();
    c.show();
    c.hide(); // b now, the top-most of the two below
    EXPECT_EQ(m.screen.active(), &b);
    // Shown runs each time the window comes up, not when raised.
    m.w.show();
    m.w.bringToFront();
    EXPECT_EQ(m.w.shown, 1);
    m.w.hide();
    m.w.show();
    EXPECT_EQ(m.w.shown, 2);
    // The main window and a tip are never made active.
    struct Kept : KeyWindow {
        Kept(ui::Screen& s, std::vector<std::string>& log, bool main) : KeyWindow(s, "kept", log) {
            main ? setMain() : setNeverActive();
        }
    };
    Kept main(m.screen, m.log, true), tip(m.screen, m.log, false);
    m.log.clear();
    for (ui::Window* w : {static_cast<ui::Window*>(&main), static_cast<ui::Window*>(&tip),
                          static_cast<ui::Window*>(&m.w)})
        m.screen.activate(w);
    EXPECT_EQ(m.screen.active(), &m.w);
    EXPECT_TRUE(m.log.empty());
}

TEST(Screen, FrontMeansAboveEveryOverlappingVisibleWindow) {
    Model m;
    m.w.setGeometry(0, 0, 100, 100);
    m.w.show();
    std::vector<std::unique_ptr<KeyWindow>> around;
    for (const auto& [x, y] : {std::pair{100, 0}, {0, -100}, {0, 100}, {-100, 0}}) {
        around.push_back(std::make_unique<KeyWindow>(
            m.screen, "w" + std::to_string(x) + std::to_string(y), m.log));
        around.back()->setGeometry(x, y, 100, 100);
        around.back()->show();
    }
    EXPECT_TRUE(m.w.front());
    KeyWindow over(m.screen, "over", m.log);
    over.setGeometry(50, 0, 100, 100);
    over.show();
    EXPECT_FALSE(m.w.front());
    EXPECT_TRUE(over.front());
    over.hide();
    EXPECT_TRUE(m.w.front());
}

// Each change tells which items it added (first, count); any other change tells none.
TEST(ListBox, TellsWhichItemsTheLastChangeAdded) {
    Model m;
    ui::ListBox& list = m.w.list;
    list.clear();
    const auto added = [&list](const std::string& items, int at, int count) {
        std::string all;
        for (const std::string& item : list.items())
            all += item;
        EXPECT_EQ(all, items);
        EXPECT_EQ(list.lastAdded().at, at) << items;
        EXPECT_EQ(list.lastAdded().count, count) << items;
    };
    list.addItem("b");
    added("b", 0, 1);
    list.addItems({"d", "e"});
    added("bde", 1, 2);
    list.addItems({});
    added("bde", 1, 2);
    list.Sorted = true;
    list.addItem("C");
    added("bCde", 1, 1);
    list.addItems({"a", "f"});
    added("abCdef", -1, 0);
    list.setItem(0, "A");
    added("AbCdef", -1, 0);
    list.addItem("g");
    added("AbCdefg", 6, 1);
    list.removeItem(1);
    added("ACdefg", -1, 0);
    // One past the last item is no item.
    list.removeItem(6);
    list.setItem(6, "x");
    EXPECT_EQ(list.items(), (std::vector<std::string>{"A", "C", "d", "e", "f", "g"}));
    list.clear();
    added("", -1, 0);
    list.addItems({"a", "b"});
    for (const auto& [index, highlighted] : {std::pair{1, 1}, {2, -1}, {-2, -1}}) {
        list.setListIndex(index);
        EXPECT_EQ(list.listIndex(), highlighted) << index;
    }
}

TEST(Properties, ReadAndWrittenByNameAsText) {
    Model m;
    ui::ListBox sorted(m.w, "sorted");
    sorted.Sorted = true;
    for (const char* item : {"b", "A", "c", "B"})
        sorted.addItem(item);
    EXPECT_EQ(sorted.items(), (std::vector<std::string>{"A", "b", "B", "c"}));
    EXPECT_EQ(sorted.list(9) + got(sorted, "List(1)"), "b");
    EXPECT_EQ(got(sorted, "List(x)"), "?");
    EXPECT_FALSE(sorted.set("ListIndex", "x"));
    // Colours as #RRGGBB, Booleans as True/False (or 1, -1, 0); anything else is refused.
    EXPECT_TRUE(m.w.button.set("BackColor", "#C0C0C0"));
    EXPECT_EQ(got(m.w.button, "BackColor"), "#C0C0C0");
    for (const char* bad : {"grey", "1C0C0C0", "#C0C0C", "#C0C0CX"})
        EXPECT_FALSE(m.w.button.set("BackColor", bad)) << bad;
    EXPECT_TRUE(m.w.list.set("Visible", "False"));
    EXPECT_TRUE(m.w.list.set("Enabled", "0"));
    EXPECT_FALSE(m.w.list.set("Visible", "no"));
    EXPECT_FALSE(m.w.list.Visible || m.w.list.Enabled);
    EXPECT_TRUE(m.w.list.set("Visible", "-1"));
    EXPECT_TRUE(m.w.list.Visible);
    EXPECT_TRUE(m.w.text.set("ForeColor", "#FF0000"));
    EXPECT_FALSE(m.w.text.set("SelStart", "x"));
    EXPECT_TRUE(m.w.text.set("Visible", "False"));
    EXPECT_EQ(got(m.w.text, "ForeColor") + got(m.w.text, "Visible"), "#FF0000False");
    EXPECT_EQ(got(m.w, "Loaded"), "False");
    EXPECT_EQ(got(m.w, "NoSuchProperty"), "?");
    EXPECT_FALSE(m.w.set("NoSuchProperty", "1"));
    EXPECT_FALSE(m.w.list.set("NoSuchProperty", "1"));
    // Geometry, each change told to the view; a value that is no number changes nothing.
    struct Seen : ui::View {
        std::vector<ui::Prop> props;
        void changed(ui::Window&, ui::Control*, ui::Prop p) override { props.push_back(p); }
    } seen;
    m.screen.setView(&seen);
    EXPECT_TRUE(m.w.set("Left", "7"));
    EXPECT_TRUE(m.w.list.set("Height", "-2"));
    EXPECT_FALSE(m.w.set("Top", "x"));
    EXPECT_FALSE(m.w.list.set("Width", "x"));
    EXPECT_EQ(std::vector({m.w.Left, m.w.Top, m.w.list.Height, m.w.list.Width}),
              std::vector({7, 0, -2, 0}));
    EXPECT_EQ(got(m.w.list, "Height"), "-2");
    EXPECT_EQ(seen.props, (std::vector{ui::Prop::Left, ui::Prop::Height}));
    m.screen.setView(nullptr);
    // The window state by number; one that would wrap around to 2 in 32 bits is refused.
    EXPECT_TRUE(m.w.set("WindowState", "2"));
    EXPECT_EQ(m.w.windowState(), ui::WindowState::Maximized);
    EXPECT_TRUE(m.w.set("WindowState", "1"));
    EXPECT_EQ(got(m.w, "WindowState"), "1");
    for (const char* bad : {"3", "-1", "4294967298", "max"})
        EXPECT_FALSE(m.w.set("WindowState", bad)) << bad;
    EXPECT_EQ(m.w.windowState(), ui::WindowState::Minimized);
}

// A list that takes the keys highlights its first item, so that Enter opens it.
TEST(Keys, AListThatTakesTheKeysHighlightsItsFirstItem) {
    Model m;
    ui::ListBox& list = m.w.list;
    EXPECT_EQ(list.listIndex(), -1);
    list.setFocus();
    EXPECT_EQ(list.listIndex(), 0);
    EXPECT_EQ(got(list, "Focused"), "True");
    list.clear();
    EXPECT_EQ(list.listIndex(), -1);
    list.addItem("three");
    EXPECT_EQ(list.listIndex(), 0);
    list.addItem("four");
    list.setListIndex(1);
    m.w.text.setFocus();
    list.gotFocus();
    EXPECT_EQ(list.listIndex(), 1);
    list.clear();
    list.setFocus();
    EXPECT_EQ(list.listIndex(), -1);
    m.w.text.setFocus();
    list.addItem("five");
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(m.w.events, "");
}

// Enter (and Space where it types nothing) acts on the focused control; a key taken arrives as 0.
TEST(Keys, EnterSpaceAndEscapeOnTheFocusedControl) {
    constexpr int shift = ui::Window::kShiftKey;
    const struct {
        const char* name;
        const char* focus;
        int code, shift;
        bool taken;
        const char* events;
    } rows[] = {
        {"Enter in a list", "lst", 13, 0, true, "list "},
        {"Shift+Enter in a list", "lst", 13, shift, false, ""},
        {"Enter in a text box", "txt", 13, 0, true, "txt@7 "},
        {"Space in a text box", "txt", 32, 0, true, "txt@7 "},
        {"Enter in a one-line box", "line", 13, 0, true, "line@7 "},
        {"Space in a one-line box types", "line", 32, 0, false, ""},
        {"Space in a locked box", "cell", 32, 0, true, "cell@7 "},
        {"Shift+Enter in a text box", "txt", 13, shift, false, ""},
        {"another key in a text box", "txt", 65, 0, false, ""},
        {"Enter on a button", "btn", 13, 0, true, "down1 up1 click "},
        {"Space on a button is the widget's", "btn", 32, 0, false, ""},
        {"Escape without an action", "txt", 27, 0, false, ""},
    };
    for (const auto& row : rows) {
        Model m;
        for (ui::TextBox* box : {&m.w.text, &m.w.line, &m.w.cell}) {
            box->setText("In the beginning");
            box->setSelStart(7);
        }
        m.w.control(row.focus)->setFocus();
        EXPECT_EQ(m.w.raiseKeyDown(row.code, row.shift) == 0, row.taken) << row.name;
        EXPECT_EQ(m.w.events, row.events) << row.name;
    }
    // Disabled, hidden or unhighlighted controls take nothing.
    Model m;
    m.w.list.setFocus();
    m.w.list.setEnabled(false);
    EXPECT_NE(m.w.raiseKeyDown(ui::Window::kEnterKey), 0);
    m.w.list.setEnabled(true);
    m.w.list.setListIndex(-1);
    EXPECT_EQ(m.w.raiseKeyDown(ui::Window::kEnterKey), ui::Window::kEnterKey);
    m.w.button.setFocus();
    m.w.button.setVisible(false);
    EXPECT_NE(m.w.raiseKeyDown(ui::Window::kEnterKey), 0);
    m.w.text.setFocus();
    m.w.text.setVisible(false);
    EXPECT_EQ(m.w.raiseKeyDown(13), 13);
    m.w.text.setVisible(true);
    m.w.text.setEnabled(false);
    EXPECT_EQ(m.w.raiseKeyDown(32), 32);
    m.w.list.setFocus();
    m.w.list.setListIndex(0);
    m.w.takeCode = ui::Window::kEnterKey;
    EXPECT_EQ(m.w.raiseKeyDown(ui::Window::kEnterKey), 0);
    EXPECT_EQ(m.w.events, "");
    int escapes = 0;
    m.w.onEscape = [&escapes] { ++escapes; };
    EXPECT_EQ(m.w.raiseKeyDown(ui::Window::kEscapeKey), 0);
    m.w.takeCode = ui::Window::kEscapeKey;
    m.w.raiseKeyDown(ui::Window::kEscapeKey);
    EXPECT_EQ(escapes, 1);
}
