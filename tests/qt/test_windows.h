// The small test windows the offscreen binding tests run on: two child
// windows with a list, a multi-line and a one-line text box, a button and a
// label; a caption-less one; a help box; a main window with one menu; and
// the fixture that renders them. Independent of the program's own windows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QTest>

#include "ui/controls.h"
#include "ui/qt/qt_view.h"
#include "ui/screen.h"
#include "ui/window.h"

namespace test_windows {

// Never blocks: records the box and answers OK, or No to a question.
class TestDialogs : public ui::Dialogs {
public:
    std::vector<std::string> shown;
    ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon) override {
        shown.push_back(text);
        return buttons == ui::Buttons::OK ? ui::Answer::OK : ui::Answer::No;
    }
};

class HelpWindow : public ui::Window {
public:
    explicit HelpWindow(ui::Screen& s) : Window(s, "frmMsg", "Help"), lblHelp(*this, "lblHelp") {
        setNeverActive();
    }
    void onLoad() override {
        setGeometry(6000, 300, 3000, 1500);
        lblHelp.setGeometry(4, 4, 180, 60);
        lblHelp.setCaption("Right-click a button for help.");
    }
    ui::Label lblHelp;
};

class TestWindow : public ui::Window {
public:
    TestWindow(ui::Screen& s, const std::string& name, int left, HelpWindow* help = nullptr,
               const char* caption = nullptr)
        : Window(s, name, caption ? caption : name), lstItems(*this, "lstItems"),
          txtText(*this, "txtText", true), txtInput(*this, "txtInput", false),
          btnHelp(*this, "btnHelp", "&Help"), lblNote(*this, "lblNote", "Note"), m_left(left),
          m_help(help) {
        lstItems.onClick = [this] { listClicks.push_back(lstItems.listIndex()); };
        txtText.onClick = [this] { textClicks.push_back(txtText.selStart()); };
        btnHelp.onMouseDown = [this](ui::MouseButton b) {
            downs.push_back(static_cast<int>(b));
            if (b == ui::MouseButton::Right && m_help)
                m_help->show();
        };
        btnHelp.onMouseUp = [this](ui::MouseButton b) { ups.push_back(static_cast<int>(b)); };
        btnHelp.onClick = [this] { ++buttonClicks; };
        lblNote.onClick = [this] { ++labelClicks; };
    }
    void onLoad() override {
        setGeometry(m_left, 0, 6000, 5000);
        lstItems.setGeometry(8, 8, 150, 120);
        for (const char* item : {"Genesis", "Exodus", "Leviticus", "Numbers"})
            lstItems.addItem(item);
        txtText.setGeometry(170, 8, 200, 150);
        txtText.setText("one\r\ntwo\r\nthree");
        txtInput.setGeometry(8, 170, 150, 24);
        btnHelp.setGeometry(170, 170, 80, 28);
        lblNote.setGeometry(260, 170, 80, 28);
    }
    void onActivate() override { ++activations; }
    void onKeyDown(int& code, int shift) override {
        keys.push_back(code);
        shifts.push_back(shift);
        // A reading window's Page Down: a new page, and the key is taken.
        if (takePageDown && code == 34) {
            txtText.setText(longText("new page"));
            code = 0;
        }
    }
    static std::string longText(const std::string& word) {
        std::string text;
        for (int i = 0; i < 200; ++i)
            text += word + " " + std::to_string(i) + "\r\n";
        return text;
    }
    void onClick() override { ++backgroundClicks; }

    ui::ListBox lstItems;
    ui::TextBox txtText;
    ui::TextBox txtInput;
    ui::Button btnHelp;
    ui::Label lblNote;
    std::vector<int> listClicks, textClicks, downs, ups, keys, shifts;
    bool takePageDown = false;
    int buttonClicks = 0, labelClicks = 0, activations = 0, backgroundClicks = 0;

private:
    int m_left;
    HelpWindow* m_help;
};

class MainWindow : public ui::Window {
public:
    explicit MainWindow(ui::Screen& s)
        : Window(s, "frmMain", "Tessary"), mnuFile(*this, "mnuFile", "&File", ""),
          mnuQuit(*this, "mnuQuit", "&Quit", "mnuFile") {
        setMain();
        mnuQuit.onClick = [this] { ++quitClicks; };
    }
    // 900 x 600 pixels.
    void onLoad() override { setGeometry(0, 0, 13500, 9000); }
    void onQueryUnload(bool& cancel) override {
        ++queries;
        cancel = keepOpen;
    }
    ui::Menu mnuFile;
    ui::Menu mnuQuit;
    int quitClicks = 0, queries = 0;
    bool keepOpen = true;
};

// The model and its view; the view goes first on teardown.
struct Fixture {
    TestDialogs dialogs;
    ui::Screen screen{dialogs};
    MainWindow frmMain{screen};
    HelpWindow frmMsg{screen};
    TestWindow frmA{screen, "frmA", 0, &frmMsg};
    TestWindow frmB{screen, "frmB", 3000};
    TestWindow frmC{screen, "frmC", 3000, nullptr, ""};
    bool ended = false;
    std::unique_ptr<ui::qt::QtView> view;

    explicit Fixture(QSettings* settings = nullptr) {
        view = std::make_unique<ui::qt::QtView>(
            screen, [this] { return ended; }, settings);
        frmMain.load();
        frmA.show();
        view->sync();
    }
    template <class W>
    W* widget(const ui::Control& c) const {
        return qobject_cast<W*>(view->widget(c));
    }
    // Shows the main window and waits until it takes the keyboard.
    bool activeMain() const {
        view->mainWindow()->show();
        view->mainWindow()->activateWindow();
        return QTest::qWaitForWindowActive(view->mainWindow());
    }
};

} // namespace test_windows
