// What a screen reader meets in the program's windows, read from the
// accessibility tree on the offscreen platform: every button, list, text
// box, check box and grid cell has a name, and a button with right-button
// help has that help as its description.
#include <QAccessible>
#include <QMdiSubWindow>

#include "catalogue/frm_select.h"
#include "program_fixture.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/frm_msg.h"
#include "shell/frm_text0.h"
#include "study/frm_text3.h"

using namespace program_fixture;

namespace {

// The roles a reader acts on.
bool actedOn(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::List:
    case QAccessible::EditableText:
        return true;
    default:
        return false;
    }
}

struct Met {
    QString name, description;
    QAccessible::Role role;
};

// Every interface below iface, depth first.
void walk(QAccessibleInterface* iface, std::vector<std::pair<QWidget*, Met>>& out) {
    if (!iface || !iface->isValid())
        return;
    if (iface->object() && iface->object()->isWidgetType())
        out.push_back({static_cast<QWidget*>(iface->object()),
                       Met{iface->text(QAccessible::Name), iface->text(QAccessible::Description),
                           iface->role()}});
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), out);
}

} // namespace

class TestQtAccess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase();
    void everyControlOfEveryWindowHasAName();
};

void TestQtAccess::cleanupTestCase() {
    std::error_code ec;
    fs::remove_all(libraryCopy(), ec);
}

// Picture buttons and text boxes met a screen reader without a name.
void TestQtAccess::everyControlOfEveryWindowHasAName() {
    Fixture f(150);
    f.openBook(0, 0);
    app::Program& p = f.program;
    // Every window the program has, each brought up in turn.
    std::vector<ui::Window*> windows{&p.frmList0(),   &p.frmList1(), &p.frmList2(), &p.frmSelectA(),
                                     &p.frmSelectP(), &p.frmtext0(), &p.frmtext2(), &p.frmText1(),
                                     &p.frmPage(),    &p.frmBkMrk(), &p.frmText3(), &p.frmFind6()};
    int controls = 0, described = 0;
    for (ui::Window* w : windows) {
        w->show();
        f.view->sync();
        settle();
        std::vector<std::pair<QWidget*, Met>> met;
        walk(QAccessible::queryAccessibleInterface(f.view->subWindow(*w)), met);
        QVERIFY2(!met.empty(), w->name().c_str());
        for (const ui::Control* c : w->controls()) {
            QWidget* widget = f.view->widget(*c);
            if (!widget)
                continue;
            auto it = std::find_if(met.begin(), met.end(),
                                   [widget](const auto& m) { return m.first == widget; });
            QVERIFY2(it != met.end(), (w->name() + "." + c->name()).c_str());
            const Met& m = it->second;
            if (!actedOn(m.role))
                continue;
            ++controls;
            QVERIFY2(!m.name.trimmed().isEmpty(), (w->name() + "." + c->name()).c_str());
            // The right-button help, where there is one, describes it
            // (elsewhere the tool tip, as Qt has it).
            if (c->AccessibleDescription.empty())
                continue;
            QCOMPARE(m.description, QString::fromStdString(c->AccessibleDescription));
            ++described;
        }
    }
    // The controls the windows hold: lists, texts, buttons, the cells of
    // both grids; and the help of the sixteen buttons that have one.
    QVERIFY2(controls > 120, qPrintable(QString::number(controls)));
    QCOMPARE(described, 16);
    // Named as a reader would call them.
    const struct {
        ui::Control& control;
        const char* name;
    } named[] = {
        {p.frmText1().btnNext, "Go to Next Page"},
        {p.frmText1().btnGetBkMrk, "See Bkmks"},
        {p.frmText1().Text1, "Page"},
        {p.frmFind6().btnRadioWhole, "Whole Word"},
        {p.frmFind6().txtInput, "Search text"},
        {*p.frmSelectA().Cell[7], "Topic 7"},
    };
    for (const auto& row : named) {
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(f.view->widget(row.control));
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), QString::fromLatin1(row.name));
    }
}

QTEST_MAIN(TestQtAccess)
#include "test_qt_access.moc"
