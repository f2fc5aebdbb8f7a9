// The small test windows the offscreen binding tests run on, independent of
// the program's own: two child windows with a list, a multi-line and a
// one-line text box, a button and a label; a caption-less one; a help box
// that takes no activation; a 900 x 600 pixel main window with one menu.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTest>

#include "ui/controls.h"
#include "ui/qt/qt_view.h"
#include "ui/screen.h"
#include "ui/window.h"

namespace test_windows {

class TestDialogs : public ui::Dialogs {
public:
    ui::Answer message(const std::string&, ui::Buttons, ui::Icon) override {
        return ui::Answer::OK;
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
    }
    ui::Label lblHelp;
};

class TestWindow : public ui::Window {
public:
    TestWindow(ui::Screen& s, const std::string& name, int left, const char* caption = nullptr)
        : Window(s, name, caption ? caption : name), lstItems(*this, "lstItems"),
          txtText(*this, "txtText", true), txtInput(*this, "txtInput", false),
          btnHelp(*this, "btnHelp", "&Help"), lblNote(*this, "lblNote", "Note"), m_left(left) {
        lstItems.onClick = [this] { listClicks.push_back(lstItems.listIndex()); };
        txtText.onClick = [this] { textClicks.push_back(txtText.selStart()); };
        btnHelp.onMouseDown = [this](ui::MouseButton b) {
            downs.push_back(static_cast<int>(b));
            if (b == ui::MouseButton::Right && help)
                help->show();
        };
        btnHelp.onMouseUp = [this](ui::MouseButton b) { ups.push_back(static_cast<int>(b)); };
        btnHelp.onClick = [this] { ++buttonClicks; };
    }
    void onLoad() override {
        setGeometry(m_left, 0, 6000, 5000);
        lstItems.setGeometry(8, 8, 150, 120);
        lstItems.addItems({"Genesis", "Exodus", "Leviticus", "Numbers"});
        txtText.setGeometry(170, 8, 200, 150);
        txtText.setText("one\r\ntwo\r\nthree");
        txtInput.setGeometry(8, 170, 150, 24);
        btnHelp.setGeometry(170, 170, 80, 28);
        lblNote.setGeometry(260, 170, 80, 28);
    }
    void onActivate() override { ++activations; }
    void onKeyDown(int& code, int shift) override {
        keys.push_back(code);
        lastShift = shift;
        // A reading window's Page Down: a new page, and the key is taken.
        if (takePageDown && code == 34) {
            txtText.setText(lines("new page"));
            code = 0;
        }
    }
    void onClick() override { ++backgroundClicks; }
    static std::string lines(const std::string& word) {
        std::string text;
        for (int i = 0; i < 200; ++i)
            text += word + " " + std::to_string(i) + "\r\n";
        return text;
    }

    ui::ListBox lstItems;
    ui::TextBox txtText, txtInput;
    ui::Button btnHelp;
    ui::Label lblNote;
    std::vector<int> listClicks, textClicks, downs, ups, keys;
    ui::Window* help = nullptr; // shown while the right button is down
    bool takePageDown = false;
    int lastShift = 0, buttonClicks = 0, activations = 0, backgroundClicks = 0;

private:
    int m_left;
};

class MainWindow : public ui::Window {
public:
    explicit MainWindow(ui::Screen& s)
        : Window(s, "frmMain", "Tessary"), mnuFile(*this, "mnuFile", "&File", "") {
        setMain();
    }
    void onLoad() override { setGeometry(0, 0, 13500, 9000); }
    ui::Menu mnuFile;
};

// The model and its view; the view goes first on teardown.
struct Fixture {
    TestDialogs dialogs;
    ui::Screen screen{dialogs};
    MainWindow frmMain{screen};
    HelpWindow frmMsg{screen};
    TestWindow frmA{screen, "frmA", 0}, frmB{screen, "frmB", 3000}, frmC{screen, "frmC", 3000, ""};
    bool ended = false;
    std::unique_ptr<ui::qt::QtView> view;

    explicit Fixture(QSettings* settings = nullptr) {
        view = std::make_unique<ui::qt::QtView>(
            screen, [this] { return ended; }, settings);
        frmMain.load();
        frmA.help = &frmMsg;
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
    void clickRow(const ui::ListBox& list, int row) const {
        auto* w = widget<QListWidget>(list);
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {},
                          w->visualItemRect(w->item(row)).center());
    }
    // Clicks the box at the caret position pos of its widget text.
    static void clickText(QPlainTextEdit* edit, int pos) {
        QTextCursor c(edit->document());
        c.setPosition(pos);
        const QRect r = edit->cursorRect(c);
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(r.left(), r.center().y()));
    }
    // The height the program hears: the main area and the chrome it designed for.
    int heardHeight() const {
        const ui::qt::Scale& scale = view->scale();
        return scale.pixelsToTwips(view->mainArea()->viewport()->height() +
                                   scale.twipsToPixels(560));
    }
};

} // namespace test_windows
