// The program's windows on a copy of the bundled library and the offscreen screens.
#include <filesystem>
#include <memory>
#include <string>

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/program.h"
#include "catalogue/frm_list0.h"
#include "catalogue/frm_list1.h"
#include "catalogue/frm_list2.h"
#include "catalogue/frm_select.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/frm_main.h"
#include "shell/frm_msg.h"
#include "shell/frm_text0.h"
#include "study/frm_text3.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/qt_view.h"
#include "ui/qt/zoom.h"

namespace {

namespace fs = std::filesystem;

class NoDialogs : public ui::Dialogs {
public:
    ui::Answer message(const std::string&, ui::Buttons, ui::Icon) override {
        return ui::Answer::OK;
    }
};

std::string libraryCopy; // the bundled library, copied once for all tests

struct Fixture {
    NoDialogs dialogs;
    app::Program program{dialogs, libraryCopy};
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
    void sync(int waitMs = 0) { // a wait for the main window to take a new size or state
        if (waitMs > 0)
            QTest::qWait(waitMs);
        view->sync();
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    template <class W>
    W* widget(const ui::Control& c) const {
        return qobject_cast<W*>(view->widget(c));
    }
    void clickRow(ui::ListBox& list, int row) {
        auto* w = widget<QListWidget>(list);
        w->scrollToItem(w->item(row));
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {},
                          w->visualItemRect(w->item(row)).center());
        sync();
    }
    void clickButton(ui::Button& button) {
        QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
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

// Whether all of w shows in the main area (the reading window stands a little above it).
bool inView(Fixture& f, const ui::Window& w) {
    QWidget* viewport = f.view->mainArea()->viewport();
    const QRect room = viewport->rect().adjusted(0, -f.view->scale().twipsToPixels(15) - 1, 0, 0);
    return f.view->surface(w)->isVisible() &&
           room.contains(f.inArea(*f.view->surface(w), viewport));
}

// Why the caption of w does not show whole; empty when it does.
QString clipped(const QWidget& w) {
    const QFontMetrics metrics(w.font());
    const QStyle& style = *w.style();
    int room = w.width(), needed = 0;
    if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
        room -= 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &w);
        needed = metrics.horizontalAdvance(button->text());
    } else if (const auto* box = qobject_cast<const QCheckBox*>(&w)) {
        room -= style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &w) +
                style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &w);
        needed = metrics.horizontalAdvance(box->text());
    } else if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        const QRect inside = label->contentsRect();
        const QRect used = metrics.boundingRect(QRect(0, 0, inside.width(), 1 << 20),
                                                Qt::TextWordWrap, label->text());
        if (used.height() > inside.height())
            return QStringLiteral(" needs %1 pixels down").arg(used.height());
        room = inside.width();
        needed = used.width();
    }
    return needed > room ? QStringLiteral(" needs %1 of %2 pixels").arg(needed).arg(room)
                         : QString();
}

} // namespace

class TestQtProgram : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        libraryCopy = m_library.path().toStdString();
        fs::copy(TESSARY_LIBRARY, libraryCopy, fs::copy_options::recursive);
    }
    void textsOpenAtTheirTopAndCellsTakeNoTyping();
    void everyControlHasAName();
    void captionsShowWholeAtEveryZoom();
    void windowsBehindDrawNothingAndFitTheMainWindow();
    void verseWindowShowsWholeUnderATallMenuBar();
    void titlesStartAtTheLeft();

private:
    QTemporaryDir m_library;
};

// Gathered passages opened scrolled down; a topic cell took typing ("27xyz").
void TestQtProgram::textsOpenAtTheirTopAndCellsTakeNoTyping() {
    Fixture f;
    for (auto [list, row] : {std::pair<ui::ListBox*, int>{&f.program.frmList0().lstMain0, 1},
                             {&f.program.frmList1().lstMain1, 1},
                             {&f.program.frmList2().lstMain2, 1}})
        f.clickRow(*list, row);
    auto* passages = f.widget<QPlainTextEdit>(f.program.frmtext0().Text1);
    QVERIFY(passages->isVisible() && passages->verticalScrollBar()->maximum() > 0);
    QCOMPARE(passages->verticalScrollBar()->value(), 0);
    QCOMPARE(passages->textCursor().position(), 0);
    f.clickButton(f.program.frmList2().btnBack);
    f.clickButton(f.program.frmList1().btnBack);
    f.clickRow(f.program.frmList0().lstMain0, 3);
    auto* cell = f.widget<QLineEdit>(*f.program.frmSelectA().Cell[1]);
    const QString before = cell->text();
    cell->setFocus();
    QTest::keyClicks(cell, QStringLiteral("xyz"));
    QVERIFY(!before.isEmpty() && cell->text() == before);
}

// Every control has an accessible name; the sixteen right-button helps describe theirs.
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
        {&p.frmFind6().btnRadioWhole, "Whole Word"},
        {p.frmSelectA().Cell[7].get(), "Topic 7"}};
    for (const auto& [control, name] : names)
        QCOMPARE(QAccessible::queryAccessibleInterface(f.view->widget(*control))
                     ->text(QAccessible::Name),
                 QString::fromLatin1(name));
}

// Captions, help text and chapter numbers show whole at every step; the focus ring shows.
void TestQtProgram::captionsShowWholeAtEveryZoom() {
    int ring = 0;
    for (int zoom = ui::qt::kMinZoom; zoom <= ui::qt::kMaxZoom; zoom += ui::qt::kZoomStep) {
        Fixture f(zoom);
        const QString at = QStringLiteral(" at zoom %1").arg(zoom);
        auto* list = f.widget<QListWidget>(f.program.frmList0().lstMain0);
        QCOMPARE(f.view->focusRingTarget(), list); // thicker with the step, highlight colour
        QVERIFY(ui::qt::FocusRing::lineWidth() >= std::max(2, ring));
        ring = ui::qt::FocusRing::lineWidth();
        const QImage shot = f.view->surface(f.program.frmList0())->grab().toImage();
        const QPoint edge = list->geometry().topLeft() + QPoint(ring / 2, list->height() / 2);
        QCOMPARE(shot.pixelColor(edge * shot.devicePixelRatio()),
                 list->palette().color(QPalette::Active, QPalette::Highlight));
        QTest::keyClick(list, Qt::Key_Tab);
        QCOMPARE(f.view->focusRingTarget(), QApplication::focusWidget());
        int seen = 0;
        auto check = [&] {
            for (ui::Window* w : f.program.screen().windows()) {
                const QWidget* surface = f.view->surface(*w);
                if (!w->visible() || !surface || !surface->isVisible())
                    continue;
                QVERIFY2(inView(f, *w), (w->name() + " beyond the area").c_str());
                std::vector<QRect> drawn; // pictures aside: what lies on them lies there by design
                for (ui::Control* c : w->controls()) {
                    const QWidget* widget = f.view->widget(*c);
                    if (!widget || !widget->isVisible())
                        continue;
                    ++seen;
                    const QString name = QString::fromStdString(w->name() + "." + c->name()) + at;
                    QVERIFY2(clipped(*widget).isEmpty(), qPrintable(name + clipped(*widget)));
                    QVERIFY2(surface->rect().contains(widget->geometry()), qPrintable(name));
                    for (const QRect& other : drawn)
                        QVERIFY2(c->kind() == ui::ControlKind::Picture ||
                                     !other.intersects(widget->geometry()),
                                 qPrintable(name + QStringLiteral(" overlaps")));
                    if (c->kind() != ui::ControlKind::Picture)
                        drawn.push_back(widget->geometry());
                    // The chooser's numbers, every row without scrolling.
                    const auto* numbers = qobject_cast<const QListWidget*>(widget);
                    for (int row = 0;
                         numbers && w == &f.program.frmPage() && row < numbers->count(); ++row) {
                        const QRect rect = numbers->visualItemRect(numbers->item(row));
                        const QString number = numbers->item(row)->text();
                        QVERIFY2(!numbers->verticalScrollBar()->isVisible() &&
                                     numbers->viewport()->rect().contains(rect) &&
                                     QFontMetrics(numbers->font()).horizontalAdvance(number) + 2 <=
                                         rect.width(),
                                 qPrintable(name + QLatin1Char(' ') + number));
                    }
                }
            }
        };
        f.openBook(1, 1); // Psalms: 150 chapters, six columns of numbers
        auto* newPage = f.widget<QPushButton>(f.program.frmText1().btnNewPage);
        QTest::mousePress(newPage, Qt::RightButton, {}, newPage->rect().center());
        f.sync();
        QVERIFY(f.program.frmMsg().visible());
        check();
        QTest::mouseRelease(newPage, Qt::RightButton, {}, newPage->rect().center());
        f.clickButton(f.program.frmText1().btnNewPage);
        QVERIFY(f.program.frmPage().visible());
        check();
        f.clickButton(f.program.frmPage().btnBack);
        f.clickButton(f.program.frmText1().btnFind);
        check();
        f.clickButton(f.program.frmFind6().btnBack);
        f.clickButton(f.program.frmText1().btnGetBkMrk);
        check();
        f.clickButton(f.program.frmBkMrk().btnExit);
        study::FrmText3& verse = f.program.frmText3();
        for (ui::TextBox* box : {&f.program.frmText1().Text1, &verse.Text32}) {
            // A verse, then a word of it: Reset in place of the search button.
            f.clickAt(*box, 5);
            check();
        }
        QVERIFY(verse.btnClear.Visible && seen > 40);
    }
}

// The panes fill a shrunk, widened or maximised main window; too low, the area scrolls.
void TestQtProgram::windowsBehindDrawNothingAndFitTheMainWindow() {
    Fixture f(225);
    f.openBook(0, 0);
    // The edges of windows behind the front one showed beside and below it.
    reader::FrmText1& reading = f.program.frmText1();
    f.clickAt(reading.Text1, 5);
    QVERIFY(f.view->covered(reading) && !f.view->subWindow(reading)->isVisible());
    f.clickButton(f.program.frmText3().btnBack);
    QVERIFY(f.view->subWindow(reading)->isVisible());
    QVERIFY(!f.view->subWindow(f.program.frmText3())->isVisible());
    f.clickButton(reading.btnGetBkMrk);
    QVERIFY(f.view->subWindow(f.program.frmBkMrk())->isVisible());
    QVERIFY(!f.view->covered(f.program.frmList2()));
    QVERIFY(f.view->subWindow(f.program.frmList2())->isVisible());
    f.clickButton(f.program.frmBkMrk().btnExit);
    QMainWindow* main = f.view->mainWindow();
    QScrollArea* area = f.view->mainArea();
    const struct {
        const char* name;
        QPoint at;
        QSize size; // maximised when empty
    } rows[] = {{"too low", {0, 0}, {600, 220}},
                {"shrunk", {0, 0}, {1000, 650}},
                {"widened", {0, 0}, {1600, 880}},
                {"maximised on 3840x2160", {2100, 100}, {}}};
    for (const auto& row : rows) {
        main->showNormal();
        f.sync(200);
        main->move(row.at);
        if (row.size.isEmpty())
            main->showMaximized();
        else
            main->resize(row.size);
        f.sync(200);
        const bool scrolls = row.size.height() == 220;
        QCOMPARE(area->verticalScrollBar()->isVisible(), scrolls);
        QCOMPARE(area->horizontalScrollBar()->isVisible(), scrolls);
        QMdiSubWindow* right = f.view->subWindow(reading);
        QVERIFY2(f.view->mdiArea()->rect().contains(right->geometry().bottomRight()), row.name);
        if (scrolls)
            continue;
        for (const ui::Window* w :
             std::initializer_list<const ui::Window*>{&reading, &f.program.frmList2()})
            QVERIFY2(inView(f, *w), (w->name() + " beyond the area " + row.name).c_str());
        for (const ui::Control* c : reading.controls())
            QVERIFY2(
                !c->Visible || c->kind() == ui::ControlKind::Picture ||
                    (f.view->widget(*c)->isVisible() &&
                     f.view->surface(reading)->rect().contains(f.view->widget(*c)->geometry())),
                (row.name + c->name()).c_str());
        // Maximised, the panes fill the area down; else they widen to its right, seamless.
        const QRect viewport = area->viewport()->rect();
        const QRect gap = QRect(right->geometry().bottomRight(), viewport.bottomRight());
        const int seam = f.view->subWindow(f.program.frmList2())->geometry().right() + 1 -
                         right->geometry().left();
        QVERIFY2(row.size.isEmpty() ? gap.height() <= viewport.height() * 6 / 100
                                    : gap.width() <= 12 && std::abs(seam) <= 2,
                 row.name);
    }
    QCOMPARE(reading.Width, 4920); // the model keeps its own units
}

// A tall menu bar hid the bottom of the verse window, also once made taller.
void TestQtProgram::verseWindowShowsWholeUnderATallMenuBar() {
    Fixture f(100);
    QMainWindow* main = f.view->mainWindow();
    QFont big = main->menuBar()->font();
    big.setPixelSize(40);
    main->menuBar()->setFont(big);
    f.view->setZoom(125);
    f.view->setZoom(100);
    f.openBook(0, 0);
    f.clickAt(f.program.frmText1().Text1, 5);
    QVERIFY(main->menuBar()->height() > 40);
    const int before = f.program.frmMain().Height;
    for (int grow : {0, 150}) {
        main->resize(main->width(), main->height() + grow);
        f.sync();
        const QRect area = f.view->mdiArea()->viewport()->rect();
        for (const ui::Control* c : std::initializer_list<const ui::Control*>{
                 &f.program.frmText3().Text33, &f.program.frmText3().btnLast})
            QVERIFY2(area.contains(f.inArea(*f.view->widget(*c))), c->name().c_str());
    }
    QVERIFY(f.program.frmMain().Height > before);
}

// A centred title was covered but for "Di": it starts at the left, active or not.
void TestQtProgram::titlesStartAtTheLeft() {
    Fixture f(225);
    ui::Window& list = f.program.frmList0();
    QMdiSubWindow* frame = f.view->subWindow(list);
    const int bar = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
    auto titleBar = [&](const std::string& caption) {
        list.setCaption(caption);
        f.sync();
        return frame->grab(QRect(0, 0, frame->width(), bar)).toImage();
    };
    for (bool active : {true, false}) {
        if (!active)
            f.clickRow(f.program.frmList0().lstMain0, 0);
        QCOMPARE(f.view->mdiArea()->activeSubWindow() == frame, active);
        const QImage blank = titleBar(" "), titled = titleBar("Directory");
        // Where the title changed the bar: all of it in the left third.
        int right = -1;
        for (int y = 0; y < blank.height(); ++y)
            for (int x = 0; x < blank.width(); ++x)
                if (blank.pixel(x, y) != titled.pixel(x, y))
                    right = std::max(right, x);
        QVERIFY2(right > 0 && right < blank.width() / 3, qPrintable(QString::number(right)));
    }
}

QTEST_MAIN(TestQtProgram)
#include "test_qt_program.moc"
