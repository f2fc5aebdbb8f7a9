// The program's own windows through the Qt binding on the offscreen
// platform, on a copy of the bundled library: what a reader meets after
// clicks, and what a screen reader tells of each control.
#include <QAccessible>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "catalogue/frm_select.h"
#include "program_fixture.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/frm_text0.h"
#include "study/frm_text3.h"
#include "ui/qt/cp1252.h"

using namespace program_fixture;

class TestQtProgram : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { removeLibraryCopy(); }
    void windowsBehindOthersDrawNothing();
    void textsOpenAtTheirTop();
    void topicCellsCannotBeTypedInto();
    void everyControlHasAName();
};

// The edges of windows behind the front one showed beside and below it;
// back in front, a window is drawn again, and one covered in part stays.
void TestQtProgram::windowsBehindOthersDrawNothing() {
    Fixture f(225);
    f.openBook(0, 0);
    reader::FrmText1& reading = f.program.frmText1();
    f.clickAt(reading.Text1, 5);
    QVERIFY(reading.visible() && f.program.frmText3().front());
    QVERIFY(f.view->covered(reading));
    QVERIFY(!f.view->subWindow(reading)->isVisible());
    f.clickButton(f.program.frmText3().btnBack);
    QVERIFY(f.view->subWindow(reading)->isVisible());
    QVERIFY(!f.view->subWindow(f.program.frmText3())->isVisible());
    f.clickButton(reading.btnGetBkMrk);
    QVERIFY(f.view->subWindow(f.program.frmBkMrk())->isVisible());
    QVERIFY(!f.view->covered(f.program.frmList2()));
    QVERIFY(f.view->subWindow(f.program.frmList2())->isVisible());
}

// A text put into a hidden window showed scrolled down once the window came
// up: a topic of gathered passages opens at its top, the caret there.
void TestQtProgram::textsOpenAtTheirTop() {
    Fixture f;
    for (auto [list, row] : {std::pair<ui::ListBox*, int>{&f.program.frmList0().lstMain0, 1},
                             {&f.program.frmList1().lstMain1, 1},
                             {&f.program.frmList2().lstMain2, 1}})
        f.clickRow(*list, row);
    auto* passages = f.widget<QPlainTextEdit>(f.program.frmtext0().Text1);
    QVERIFY(passages->isVisible() && passages->verticalScrollBar()->maximum() > 0);
    QCOMPARE(passages->verticalScrollBar()->value(), 0);
    QCOMPARE(passages->textCursor().position(), 0);
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

// Picture buttons and text boxes met a screen reader without a name: every
// control a reader acts on in every window has one, the sixteen buttons
// with a right-button help are described by it, and names read as a reader
// would call the control.
void TestQtProgram::everyControlHasAName() {
    Fixture f(150);
    f.openBook(0, 0);
    app::Program& p = f.program;
    int named = 0, described = 0;
    ui::Window* const windows[] = {&p.frmList0(),   &p.frmList1(), &p.frmList2(), &p.frmSelectA(),
                                   &p.frmSelectP(), &p.frmtext0(), &p.frmtext2(), &p.frmText1(),
                                   &p.frmPage(),    &p.frmBkMrk(), &p.frmText3(), &p.frmFind6()};
    for (ui::Window* w : windows) {
        w->show();
        f.sync();
        for (const ui::Control* c : w->controls()) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(f.view->widget(*c));
            const auto role = iface ? iface->role() : QAccessible::NoRole;
            if (role != QAccessible::Button && role != QAccessible::CheckBox &&
                role != QAccessible::List && role != QAccessible::EditableText)
                continue;
            ++named;
            QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(),
                     (w->name() + "." + c->name()).c_str());
            if (c->AccessibleDescription.empty())
                continue;
            QCOMPARE(iface->text(QAccessible::Description),
                     QString::fromStdString(c->AccessibleDescription));
            ++described;
        }
    }
    QVERIFY2(named > 120, qPrintable(QString::number(named)));
    QCOMPARE(described, 16);
    const std::pair<ui::Control*, const char*> names[] = {
        {&p.frmText1().btnNext, "Go to Next Page"},
        {&p.frmText1().btnGetBkMrk, "See Bkmks"},
        {&p.frmText1().Text1, "Page"},
        {&p.frmFind6().btnRadioWhole, "Whole Word"},
        {&p.frmFind6().txtInput, "Search text"},
        {p.frmSelectA().Cell[7].get(), "Topic 7"}};
    for (const auto& [control, name] : names)
        QCOMPARE(QAccessible::queryAccessibleInterface(f.view->widget(*control))
                     ->text(QAccessible::Name),
                 QString::fromLatin1(name));
}

QTEST_MAIN(TestQtProgram)
#include "test_qt_program.moc"
