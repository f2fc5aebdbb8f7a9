// The program on a copy of the bundled library, rendered by the Qt binding
// on the offscreen platform, with the clicks a reader makes: shared by the
// offscreen tests of the program's own windows.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

#include "app/program.h"
#include "catalogue/frm_list0.h"
#include "catalogue/frm_list1.h"
#include "catalogue/frm_list2.h"
#include "ui/qt/qt_view.h"
#include "ui/screen.h"

namespace program_fixture {

namespace fs = std::filesystem;

class NoDialogs : public ui::Dialogs {
public:
    ui::Answer message(const std::string&, ui::Buttons, ui::Icon) override {
        return ui::Answer::OK;
    }
};

// The bundled library, copied once for all tests of this program.
inline const fs::path& libraryCopy() {
    static const fs::path copy = [] {
        char tmpl[] = "/tmp/tessary-qt-program-XXXXXX";
        fs::path dir = mkdtemp(tmpl);
        fs::copy(TESSARY_LIBRARY, dir, fs::copy_options::recursive);
        return dir;
    }();
    return copy;
}

inline void removeLibraryCopy() {
    std::error_code ec;
    fs::remove_all(libraryCopy(), ec);
}

inline void settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

struct Fixture {
    NoDialogs dialogs;
    app::Program program{dialogs, libraryCopy().string()};
    std::unique_ptr<ui::qt::QtView> view;

    explicit Fixture(int zoom = 100) {
        view =
            std::make_unique<ui::qt::QtView>(program.screen(), [this] { return program.ended(); });
        view->setZoom(zoom);
        app::entry(program);
        view->mainWindow()->show();
        view->mainWindow()->activateWindow();
        if (!QTest::qWaitForWindowActive(view->mainWindow()))
            qWarning("the main window did not become active");
        sync();
    }
    ~Fixture() { view.reset(); }
    void sync() {
        view->sync();
        settle();
    }
    // Waits for the main window to take a new size or state.
    void waitForMain() {
        for (int i = 0; i < 10; ++i) {
            QTest::qWait(20);
            settle();
        }
        view->sync();
    }

    template <class W>
    W* widget(const ui::Control& c) const {
        return qobject_cast<W*>(view->widget(c));
    }
    void clickRow(ui::ListBox& list, int row) {
        auto* w = widget<QListWidget>(list);
        QVERIFY(w && w->isVisible());
        w->scrollToItem(w->item(row));
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {},
                          w->visualItemRect(w->item(row)).center());
        sync();
    }
    void clickButton(ui::Button& button) {
        auto* w = widget<QPushButton>(button);
        QVERIFY(w && w->isVisible());
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        sync();
    }
    // The program's own click on a text at position pos (a verse, a word).
    void clickAt(ui::TextBox& box, int pos) {
        box.setSelStart(pos);
        box.click();
        sync();
    }
    // Start list, the Bible, a division, a book.
    void openBook(int division, int book) {
        clickRow(program.frmList0().lstMain0, 0);
        clickRow(program.frmList1().lstMain1, division);
        clickRow(program.frmList2().lstMain2, book);
    }
    // Where w lies in the MDI area's viewport, or in another.
    QRect inArea(const QWidget& w, const QWidget* area = nullptr) const {
        return QRect(w.mapTo(area ? area : view->mdiArea()->viewport(), QPoint(0, 0)), w.size());
    }
};

} // namespace program_fixture
