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
#include <QTextBlock>

#include "catalogue/frm_select.h"
#include "program_fixture.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "shell/frm_text0.h"
#include "study/frm_text3.h"
#include "ui/qt/cp1252.h"

using namespace program_fixture;

class TestQtProgram : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase();
    void chooserNumbersShowWhole();
    void helpTextLiesInsideItsBox();
    void newPagesAndTextsShowFromTheirTop();
    void clickBelowTheLastVerseStudiesIt();
    void panesFollowTheMainWindow();
    void optionsMenuCarriesTheZoom();
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
        f.clickButton(f.program.frmText1().btnNewPage);
        reader::FrmPage& chooser = f.program.frmPage();
        int filled = 0;
        for (const auto& list : chooser.lists) {
            auto* w = f.widget<QListWidget>(*list);
            QVERIFY(w && w->isVisible());
            QVERIFY2(!w->verticalScrollBar()->isVisible(), list->name().c_str());
            const QFontMetrics metrics(w->font());
            for (int row = 0; row < w->count(); ++row) {
                const QRect rect = w->visualItemRect(w->item(row));
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
        auto* text = f.widget<QLabel>(box.Message);
        QVERIFY(text && text->isVisible());
        QCOMPARE(text->text(),
                 QStringLiteral("Allows Selection of a New Page or Chapter for this Book"));
        QWidget* surface = f.view->surface(box);
        QVERIFY(surface->rect().contains(text->geometry()));
        QVERIFY(text->heightForWidth(text->width()) <= text->height());
        QVERIFY(f.view->mdiArea()->viewport()->rect().contains(f.inArea(*surface)));
        QTest::mouseRelease(button, Qt::RightButton, {}, button->rect().center());
        QVERIFY(!box.visible());
    }
}

// Genesis 10, the caret at 10:8, Page Down showed Genesis 11 from verse 16:
// the text box also took the key and scrolled the new page by one screen.
// A text put into a hidden window showed scrolled down once the window came
// up: the text windows open at their top like the reading window.
void TestQtProgram::newPagesAndTextsShowFromTheirTop() {
    Fixture f;
    f.openBook(0, 0);
    f.clickButton(f.program.frmText1().btnNewPage);
    f.clickRow(*f.program.frmPage().lists[0], 9);
    auto* edit = f.widget<QPlainTextEdit>(f.program.frmText1().Text1);
    edit->setFocus(Qt::TabFocusReason);
    const auto at = static_cast<int>(f.program.frmText1().Text1.text().find("{gen 10:8}"));
    while (f.program.frmText1().Text1.selStart() < at)
        QTest::keyClick(edit, Qt::Key_Down);
    QVERIFY(edit->verticalScrollBar()->value() > 0);
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_PageDown}) {
        QTest::keyClick(edit, key);
        settle();
        QCOMPARE(edit->verticalScrollBar()->value(), 0);
        QCOMPARE(edit->textCursor().position(), 0);
    }
    QVERIFY(
        edit->toPlainText().startsWith(QStringLiteral(">And the whole earth was of one language")));
    // Up to the start list; a topic of gathered passages.
    f.clickButton(f.program.frmList2().btnBack);
    f.clickButton(f.program.frmList1().btnBack);
    f.clickRow(f.program.frmList0().lstMain0, 1);
    f.clickRow(f.program.frmList1().lstMain1, 1);
    f.clickRow(f.program.frmList2().lstMain2, 1);
    auto* passages = f.widget<QPlainTextEdit>(f.program.frmtext0().Text1);
    QVERIFY(passages->isVisible() && passages->verticalScrollBar()->maximum() > 0);
    QCOMPARE(passages->verticalScrollBar()->value(), 0);
    QCOMPARE(passages->textCursor().position(), 0);
}

// The reader scrolls to the end of Genesis 50 and clicks in the empty area
// below its last verse: that counts as a click on the last verse.
void TestQtProgram::clickBelowTheLastVerseStudiesIt() {
    Fixture f(100);
    f.openBook(0, 0);
    f.clickButton(f.program.frmText1().btnLast);
    auto* edit = f.widget<QPlainTextEdit>(f.program.frmText1().Text1);
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
    settle();
    const QPoint below(edit->viewport()->width() / 3, edit->viewport()->height() - 3);
    QVERIFY(edit->cursorForPosition(below).block() == edit->document()->lastBlock());
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, below);
    f.view->sync();
    settle();
    QVERIFY(f.program.frmText3().visible());
    QVERIFY(f.program.frmText3().Text31.text().rfind("50:26>So Joseph died", 0) == 0);
}

// Enlarging the main window to 1000 x 700 or 1400 x 1000 pushed the reading
// window's Last button out of view; widening left grey space at the right.
void TestQtProgram::panesFollowTheMainWindow() {
    Fixture f;
    f.openBook(0, 0);
    QMainWindow* main = f.view->mainWindow();
    reader::FrmText1& reading = f.program.frmText1();
    for (QSize size : {QSize(1000, 700), QSize(1400, 1000), QSize(800, 500)}) {
        main->resize(size - (main->frameGeometry().size() - main->size()));
        settle();
        // The program takes the area below the menu bar and the chrome it
        // designed for (560 twips, 37 pixels).
        QCOMPARE(f.program.frmMain().Height, (f.view->mainArea()->viewport()->height() + 37) * 15);
        for (ui::Button* b :
             {&reading.btnFirst, &reading.btnPrev, &reading.btnNext, &reading.btnLast}) {
            QWidget* w = f.view->widget(*b);
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), b->name().c_str());
            // Whole, not cut (but for the pixel a button gives the one below it).
            QVERIFY2(w->height() >= b->Height - 1, b->name().c_str());
            QVERIFY2(f.view->mdiArea()->viewport()->rect().contains(f.inArea(*w)),
                     b->name().c_str());
        }
        QVERIFY(f.view->widget(reading.btnLast)->geometry().top() >=
                f.view->widget(reading.btnNext)->geometry().bottom());
    }
    QWidget* area = f.view->mdiArea()->viewport();
    QMdiSubWindow* right = f.view->subWindow(reading);
    QMdiSubWindow* left = f.view->subWindow(f.program.frmList2());
    const int designedWidth = right->width();
    for (int width : {900, 1600}) {
        main->resize(width, main->height());
        settle();
        QVERIFY(area->width() - (right->geometry().right() + 1) <= 12);
        // The left pane keeps its share: it ends where the right one starts.
        QVERIFY(std::abs(left->geometry().right() + 1 - right->geometry().left()) <= 2);
        QVERIFY(right->width() > designedWidth);
        QWidget* text = f.view->widget(reading.Text1);
        QVERIFY(text->parentWidget()->rect().contains(text->geometry()));
    }
    QCOMPARE(reading.Width, 4920); // the model keeps its own units
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

// The cells of a topic grid could be typed into ("27" became "27xyz"), and
// the cells beyond the topics showed their numbers.
void TestQtProgram::topicCellsCannotBeTypedInto() {
    Fixture f;
    f.clickRow(f.program.frmList0().lstMain0, 3);
    catalogue::FrmSelect& grid = f.program.frmSelectA();
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
    QVERIFY(spare->text().isEmpty() && !spare->isEnabled());
}

QTEST_MAIN(TestQtProgram)
#include "test_qt_program.moc"
