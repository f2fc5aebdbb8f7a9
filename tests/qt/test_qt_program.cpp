// The program's own windows through the Qt binding on the offscreen
// platform, on a copy of the bundled library: what a reader sees after
// clicks and keys must be readable and complete.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "catalogue/frm_select.h"
#include "program_fixture.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "shell/frm_text0.h"
#include "ui/qt/cp1252.h"

using namespace program_fixture;

class TestQtProgram : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase();
    void chooserNumbersShowWhole();
    void helpTextLiesInsideItsBox();
    void newPageShowsFromItsTop();
    void lastButtonStaysInViewWhenEnlarged();
    void widerWindowWidensThePanes();
    void arrowsBrowseTheStartListAndEnterOpens();
    void optionsMenuCarriesTheZoom();
    void gatheredPassagesShowFromTheirTop();
    void keysStartInTheStartListAndFollowEachList();
    void topicCellsCannotBeTypedInto();
};

void TestQtProgram::cleanupTestCase() {
    std::error_code ec;
    fs::remove_all(libraryCopy(), ec);
}

// Each chapter column was 23 px wide with its own scroll bar, so that only a
// sliver of each number showed: the numbers must show whole, all 25 rows of
// a column without scrolling.
void TestQtProgram::chooserNumbersShowWhole() {
    for (int zoom : {100, 175, 225}) {
        Fixture f(zoom);
        f.openBook(1, 1); // Psalms: 150 chapters, every column filled
        QCOMPARE(f.program.s.LastPage, 150L);
        f.clickButton(f.program.frmText1().btnNewPage);
        reader::FrmPage& chooser = f.program.frmPage();
        QVERIFY(chooser.visible());
        int filled = 0;
        for (const auto& list : chooser.lists) {
            auto* w = f.widget<QListWidget>(*list);
            QVERIFY(w && w->isVisible());
            QVERIFY2(!w->verticalScrollBar()->isVisible(), list->name().c_str());
            const QFontMetrics metrics(w->font());
            for (int row = 0; row < w->count(); ++row) {
                const QRect rect = w->visualItemRect(w->item(row));
                // Inside the visible part of the list, text and all.
                QVERIFY2(w->viewport()->rect().contains(rect), qPrintable(w->item(row)->text()));
                QVERIFY(metrics.horizontalAdvance(w->item(row)->text()) + 2 <= rect.width());
                QVERIFY(metrics.height() <= rect.height());
            }
            filled += w->count() == 25 ? 1 : 0;
        }
        QCOMPARE(filled, 6);
        QCOMPARE(f.widget<QListWidget>(*chooser.lists[5])->item(24)->text(), QStringLiteral("150"));
    }
}

// The help text was placed at (80,160) pixels inside a box about 168 x 37
// pixels: every help box showed empty.
void TestQtProgram::helpTextLiesInsideItsBox() {
    for (int zoom : {100, 225, 300}) {
        Fixture f(zoom);
        f.openBook(0, 0);
        auto* button = f.widget<QPushButton>(f.program.frmText1().btnNewPage);
        QTest::mousePress(button, Qt::RightButton, {}, button->rect().center());
        f.view->sync();
        settle();
        shell::FrmMsg& box = f.program.frmMsg();
        QVERIFY(box.visible());
        auto* text = f.widget<QLabel>(box.Message);
        QVERIFY(text && text->isVisible());
        QCOMPARE(text->text(),
                 QStringLiteral("Allows Selection of a New Page or Chapter for this Book"));
        QWidget* surface = f.view->surface(box);
        QVERIFY(surface->rect().contains(text->geometry()));
        QVERIFY(text->heightForWidth(text->width()) <= text->height());
        // The box lies in the visible area, below the reading window's top.
        QVERIFY(f.view->mdiArea()->viewport()->rect().contains(f.inArea(*surface)));
        QTest::mouseRelease(button, Qt::RightButton, {}, button->rect().center());
        QVERIFY(!box.visible());
    }
}

// Genesis 10, the caret at 10:8, Page Down showed Genesis 11 from verse 16:
// the text box also took the key and scrolled the new page by one screen.
// (A click on a verse now opens the verse window; the caret is moved by the
// arrow keys here.)
void TestQtProgram::newPageShowsFromItsTop() {
    Fixture f;
    f.openBook(0, 0);
    f.clickButton(f.program.frmText1().btnNewPage);
    f.clickRow(*f.program.frmPage().lists[0], 9);
    QCOMPARE(f.program.s.CurPage, 10L);
    auto* edit = f.widget<QPlainTextEdit>(f.program.frmText1().Text1);
    edit->setFocus(Qt::TabFocusReason);
    const std::string& text = f.program.frmText1().Text1.text();
    const auto at = static_cast<int>(text.find("{gen 10:8}"));
    while (f.program.frmText1().Text1.selStart() < at)
        QTest::keyClick(edit, Qt::Key_Down);
    QVERIFY(edit->verticalScrollBar()->value() > 0);
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_PageDown}) {
        QTest::keyClick(edit, key);
        settle();
        QCOMPARE(edit->verticalScrollBar()->value(), 0);
        QCOMPARE(edit->textCursor().position(), 0);
    }
    QCOMPARE(f.program.s.CurPage, 11L);
    QVERIFY(
        edit->toPlainText().startsWith(QStringLiteral(">And the whole earth was of one language")));
}

// Enlarging the main window to 1000 x 700 or 1400 x 1000 pushed the reading
// window's Last button out of view.
void TestQtProgram::lastButtonStaysInViewWhenEnlarged() {
    Fixture f;
    f.openBook(0, 0);
    QMainWindow* main = f.view->mainWindow();
    for (QSize size : {QSize(1000, 700), QSize(1400, 1000), QSize(800, 500)}) {
        main->resize(size - (main->frameGeometry().size() - main->size()));
        settle();
        // The program takes the area below the menu bar and the chrome it
        // designed for (560 twips, 37 pixels).
        QCOMPARE(f.program.frmMain().Height, (f.view->mainArea()->viewport()->height() + 37) * 15);
        for (ui::Button* b : {&f.program.frmText1().btnFirst, &f.program.frmText1().btnPrev,
                              &f.program.frmText1().btnNext, &f.program.frmText1().btnLast}) {
            QWidget* w = f.view->widget(*b);
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), b->name().c_str());
            // Whole, not cut to what is left of the window (but for the
            // pixel a button gives the one overlapping it from below).
            QVERIFY2(w->height() >= b->Height - 1, b->name().c_str());
            QVERIFY2(f.view->mdiArea()->viewport()->rect().contains(f.inArea(*w)),
                     b->name().c_str());
        }
        // The last button sits below the next one, not over it.
        const QRect next = f.view->widget(f.program.frmText1().btnNext)->geometry();
        const QRect last = f.view->widget(f.program.frmText1().btnLast)->geometry();
        QVERIFY(last.top() >= next.bottom());
    }
}

// Widening left grey space at the right: the two panes follow the width.
void TestQtProgram::widerWindowWidensThePanes() {
    Fixture f;
    f.openBook(0, 0);
    QMainWindow* main = f.view->mainWindow();
    QWidget* area = f.view->mdiArea()->viewport();
    QMdiSubWindow* reading = f.view->subWindow(f.program.frmText1());
    QMdiSubWindow* list = f.view->subWindow(f.program.frmList2());
    const int designedWidth = reading->width();
    for (int width : {900, 1600}) {
        main->resize(width, main->height());
        settle();
        QVERIFY(area->width() - (reading->geometry().right() + 1) <= 12);
        // The left pane keeps its share: it ends where the right one starts.
        QVERIFY(std::abs(list->geometry().right() + 1 - reading->geometry().left()) <= 2);
        QVERIFY(reading->width() > designedWidth);
        QWidget* text = f.view->widget(f.program.frmText1().Text1);
        QVERIFY(text->parentWidget()->rect().contains(text->geometry()));
    }
    // The model keeps its own units.
    QCOMPARE(f.program.frmText1().Width, 4920);
}

// Down in a list opened the item at once, and Enter never reached the start
// list's window: the arrows move the highlight, Enter opens.
void TestQtProgram::arrowsBrowseTheStartListAndEnterOpens() {
    Fixture f;
    catalogue::FrmList0& start = f.program.frmList0();
    auto* list = f.widget<QListWidget>(start.lstMain0);
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    settle();
    QCOMPARE(start.lstMain0.listIndex(), 1);
    QCOMPARE(list->currentRow(), 1);
    QVERIFY(!f.program.frmList1().visible());
    QTest::keyClick(list, Qt::Key_Return);
    settle();
    QVERIFY(f.program.frmList1().visible());
    QCOMPARE(f.program.frmMain().caption(), std::string("Study Texts"));
}

void TestQtProgram::optionsMenuCarriesTheZoom() {
    Fixture f;
    QAction* options = f.view->action(f.program.frmMain().mnuOptions);
    QVERIFY(options && options->menu());
    QStringList items;
    for (QAction* a : options->menu()->actions())
        if (!a->isSeparator())
            items << a->text() + QLatin1Char('|') + a->shortcut().toString();
    QCOMPARE(items,
             (QStringList{QStringLiteral("&Delete Past and Present Page History|"),
                          QStringLiteral("Zoom &In|Ctrl+="), QStringLiteral("Zoom &Out|Ctrl+-"),
                          QStringLiteral("&Reset Zoom|Ctrl+0")}));
    f.view->zoomInAction()->trigger();
    QCOMPARE(f.view->zoom(), 125);
    // The program's designed window at the new step.
    QCOMPARE(f.view->mainWindow()->frameGeometry().height(), 500);
    QCOMPARE(f.program.frmMain().Height, 6000);
}

// A text put into a hidden window showed scrolled down once the window came
// up: the text windows open at their top like the reading window.
void TestQtProgram::gatheredPassagesShowFromTheirTop() {
    Fixture f;
    f.clickRow(f.program.frmList0().lstMain0, 1);
    f.clickRow(f.program.frmList1().lstMain1, 1);
    f.clickRow(f.program.frmList2().lstMain2, 1);
    shell::FrmText0& text = f.program.frmtext0();
    QVERIFY(text.visible());
    auto* edit = f.widget<QPlainTextEdit>(text.Text1);
    QVERIFY(edit->isVisible());
    QVERIFY(edit->verticalScrollBar()->maximum() > 0);
    QCOMPARE(edit->verticalScrollBar()->value(), 0);
    QCOMPARE(edit->textCursor().position(), 0);
}

// Nothing had the focus at start, and the focus was lost after a list
// opened: the keyboard alone walks from the start list to a chapter.
void TestQtProgram::keysStartInTheStartListAndFollowEachList() {
    Fixture f;
    auto focused = [&f](const ui::Control& c) {
        return QApplication::focusWidget() == f.view->widget(c);
    };
    QVERIFY(focused(f.program.frmList0().lstMain0));
    auto key = [&f](Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget(), k);
        f.view->sync();
        settle();
    };
    // Each list that takes the keys has its first item highlighted: Enter
    // opens the Bible, its historic books, Genesis.
    QCOMPARE(f.widget<QListWidget>(f.program.frmList0().lstMain0)->currentRow(), 0);
    key(Qt::Key_Return);
    QVERIFY(f.program.frmList1().visible());
    QVERIFY(focused(f.program.frmList1().lstMain1));
    QCOMPARE(f.widget<QListWidget>(f.program.frmList1().lstMain1)->currentRow(), 0);
    key(Qt::Key_Return);
    QVERIFY(focused(f.program.frmList2().lstMain2));
    key(Qt::Key_Return);
    QCOMPARE(f.program.s.BookFile, std::string("GEN.TXV"));
    f.clickButton(f.program.frmText1().btnNewPage);
    reader::FrmPage& chooser = f.program.frmPage();
    QVERIFY(focused(*chooser.lists[0]));
    // Escape leaves the chooser; the reading window has the keys again.
    key(Qt::Key_Escape);
    QVERIFY(!chooser.visible());
    QCOMPARE(f.program.screen().active(), f.program.window("frmText1"));
    f.clickButton(f.program.frmText1().btnNewPage);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    QVERIFY(!chooser.visible());
    QCOMPARE(f.program.s.CurPage, 3L);
}

// The cells of a topic grid could be typed into ("27" became "27xyz"), and
// the cells beyond the topics showed their numbers.
void TestQtProgram::topicCellsCannotBeTypedInto() {
    Fixture f;
    f.clickRow(f.program.frmList0().lstMain0, 3);
    catalogue::FrmSelect& grid = f.program.frmSelectA();
    QVERIFY(grid.visible());
    const int topics = f.program.s.FindAllLast;
    QVERIFY(topics > 0 && topics < catalogue::FrmSelect::kCells - 1);
    auto* used = f.widget<QLineEdit>(*grid.Cell[1]);
    QVERIFY(used->isReadOnly() && used->isEnabled());
    const QString before = used->text();
    used->setFocus();
    QTest::keyClicks(used, QStringLiteral("xyz"));
    QCOMPARE(used->text(), before);
    QCOMPARE(grid.Cell[1]->text(), ui::qt::encode(before));
    auto* spare = f.widget<QLineEdit>(*grid.Cell[static_cast<size_t>(topics + 1)]);
    QVERIFY(spare->text().isEmpty());
    QVERIFY(!spare->isEnabled());
}

QTEST_MAIN(TestQtProgram)
#include "test_qt_program.moc"
