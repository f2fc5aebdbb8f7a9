// The search, bookmark and verse windows through the Qt binding on the
// offscreen platform: captions whole at every zoom, the verse window whole
// at the program's size, and the keys that open and close the windows.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>

#include "program_fixture.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/frm_main.h"
#include "study/frm_text3.h"
#include "ui/qt/zoom.h"

using namespace program_fixture;

namespace {

// Clicks a multi-line text box at character pos of its text.
void clickText(Fixture& f, ui::TextBox& box, int pos) {
    auto* edit = f.widget<QPlainTextEdit>(box);
    QVERIFY(edit && edit->isVisible());
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(pos);
    const QRect at = edit->cursorRect(cursor);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(at.left() + 1, at.center().y()));
    f.view->sync();
    settle();
}

void key(Fixture& f, Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    f.view->sync();
    settle();
}

// Why the caption of w does not show whole; empty when it does.
QString clipped(const QWidget& w) {
    const QFontMetrics metrics(w.font());
    if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
        const int frame = w.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &w);
        const int room = w.width() - 2 * frame;
        if (!button->text().isEmpty() && metrics.horizontalAdvance(button->text()) > room)
            return QStringLiteral("button %1 wider than %2").arg(button->text()).arg(room);
    } else if (const auto* box = qobject_cast<const QCheckBox*>(&w)) {
        const int mark = w.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &w) +
                         w.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &w);
        if (metrics.horizontalAdvance(box->text()) > w.width() - mark)
            return QStringLiteral("check box %1 wider than %2").arg(box->text()).arg(w.width());
    } else if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        const QRect room = label->contentsRect();
        const QRect used = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20),
                                                Qt::TextWordWrap, label->text());
        if (used.width() > room.width() || used.height() > room.height())
            return QStringLiteral("label %1 needs %2x%3 in %4x%5")
                .arg(label->text())
                .arg(used.width())
                .arg(used.height())
                .arg(room.width())
                .arg(room.height());
    }
    return {};
}

} // namespace

class TestQtStudy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase();
    void captionsShowWholeAtEveryZoom();
    void verseWindowShowsWholeUnderATallMenuBar();
    void clickBelowTheLastVerseStudiesIt();
    void ctrlFOpensTheSearchAndEscapeClosesIt();
    void escapeClosesTheBookmarkList();
};

void TestQtStudy::cleanupTestCase() {
    std::error_code ec;
    fs::remove_all(libraryCopy(), ec);
}

// "Set Bkmark" showed as "et Bkmar", and "Whole Word" and "Click on Word for
// Definition" were cut at some steps: every caption of the windows a reader
// meets shows whole at every zoom.
void TestQtStudy::captionsShowWholeAtEveryZoom() {
    for (int zoom = ui::qt::kMinZoom; zoom <= ui::qt::kMaxZoom; zoom += ui::qt::kZoomStep) {
        Fixture f(zoom);
        int seen = 0;
        // The controls of every window on the screen.
        auto check = [&f, &seen, zoom] {
            for (ui::Window* w : f.program.screen().windows()) {
                if (!w->loaded() || !w->visible())
                    continue;
                for (ui::Control* c : w->controls()) {
                    const QWidget* widget = f.view->widget(*c);
                    if (!widget || !widget->isVisible())
                        continue;
                    ++seen;
                    const QString why = clipped(*widget);
                    QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("%1.%2 at zoom %3: %4")
                                                           .arg(QString::fromStdString(w->name()))
                                                           .arg(QString::fromStdString(c->name()))
                                                           .arg(zoom)
                                                           .arg(why)));
                }
            }
        };
        f.openBook(0, 0);
        check();
        f.clickButton(f.program.frmText1().btnFind);
        QVERIFY(f.program.frmFind6().visible());
        check();
        f.clickButton(f.program.frmFind6().btnBack);
        f.clickButton(f.program.frmText1().btnGetBkMrk);
        QVERIFY(f.program.frmBkMrk().visible());
        check();
        f.clickButton(f.program.frmBkMrk().btnExit);
        clickText(f, f.program.frmText1().Text1, 5);
        QVERIFY(f.program.frmText3().visible());
        check();
        QVERIFY(seen > 40);
    }
}

// A title bar and menu bar taller than the program allows for hid the
// bottom of the verse window's notes box and buttons, at the program's size
// and after the reader's resize.
// The reader scrolls to the end of Genesis 50 and clicks in the empty area
// below its last verse: that counts as a click on the last verse.
void TestQtStudy::clickBelowTheLastVerseStudiesIt() {
    Fixture f(100);
    f.openBook(0, 0);
    f.clickButton(f.program.frmText1().btnLast);
    auto* edit = f.widget<QPlainTextEdit>(f.program.frmText1().Text1);
    QVERIFY(edit && edit->isVisible());
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
    settle();
    const QPoint below(edit->viewport()->width() / 3, edit->viewport()->height() - 3);
    QVERIFY(edit->cursorForPosition(below).block() == edit->document()->lastBlock());
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, below);
    f.view->sync();
    settle();
    study::FrmText3& verse = f.program.frmText3();
    QVERIFY(verse.visible());
    QVERIFY(verse.Text31.text().rfind("50:26>So Joseph died", 0) == 0);
}

void TestQtStudy::verseWindowShowsWholeUnderATallMenuBar() {
    Fixture f(100);
    QFont big = f.view->mainWindow()->menuBar()->font();
    big.setPixelSize(40);
    f.view->mainWindow()->menuBar()->setFont(big);
    settle();
    f.view->setZoom(125);
    f.view->setZoom(100);
    settle();
    QVERIFY(f.view->mainWindow()->menuBar()->height() > 40);
    QCOMPARE(f.program.frmMain().Height, 6000);
    f.openBook(0, 0);
    clickText(f, f.program.frmText1().Text1, 5);
    study::FrmText3& verse = f.program.frmText3();
    QVERIFY(verse.visible());
    const QRect area = f.view->mdiArea()->viewport()->rect();
    auto whole = [&] {
        const ui::Control* controls[] = {&verse.Text33, &verse.btnLast};
        for (const ui::Control* c : controls) {
            const QWidget* w = f.view->widget(*c);
            QVERIFY2(area.contains(f.inArea(*w)), c->name().c_str());
        }
    };
    whole();
    // The reader makes the window taller: the program fits its windows to
    // the new height, and they still end inside the area.
    QMainWindow* main = f.view->mainWindow();
    main->resize(main->width(), main->height() + 150);
    settle();
    QVERIFY(f.program.frmMain().Height > 6000);
    const QRect taller = f.view->mdiArea()->viewport()->rect();
    const QWidget* notes = f.view->widget(verse.Text33);
    QVERIFY(taller.contains(f.inArea(*notes)));
    QVERIFY(f.inArea(*notes).bottom() > area.bottom());
}

// Ctrl+F in the reading window opens the search with the keys in its word
// box; Enter searches, Escape closes it and gives the reading window back.
void TestQtStudy::ctrlFOpensTheSearchAndEscapeClosesIt() {
    Fixture f;
    f.openBook(0, 0);
    QWidget* text = f.view->widget(f.program.frmText1().Text1);
    text->setFocus(Qt::OtherFocusReason);
    settle();
    key(f, Qt::Key_F, Qt::ControlModifier);
    search::FrmFind6& find = f.program.frmFind6();
    QVERIFY(find.visible());
    QCOMPARE(QApplication::focusWidget(), f.view->widget(find.txtInput));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("firmament"));
    key(f, Qt::Key_Return);
    QVERIFY(find.TextF.text().find("^firmament^") != std::string::npos);
    key(f, Qt::Key_Escape);
    QVERIFY(!find.visible());
    QCOMPARE(f.program.screen().active(), f.program.window("frmText1"));
}

void TestQtStudy::escapeClosesTheBookmarkList() {
    Fixture f;
    f.openBook(0, 0);
    f.clickButton(f.program.frmText1().btnGetBkMrk);
    reader::FrmBkMrk& marks = f.program.frmBkMrk();
    QVERIFY(marks.visible());
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus && f.view->surface(marks)->isAncestorOf(focus));
    key(f, Qt::Key_Escape);
    QVERIFY(!marks.visible());
}

QTEST_MAIN(TestQtStudy)
#include "test_qt_study.moc"
