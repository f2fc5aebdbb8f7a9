// Real-window benchmark: the time from the start of main to the first paint
// of the start list, and the time from the click on Psalm 119 in the page
// chooser to the paint of its text, the program started as the real one
// starts (with its settings: a fresh XDG_CONFIG_HOME gives the first start's
// zoom); with --minimal [WIDTHxHEIGHT], the first paint of a minimal Qt
// window (an MDI area holding one list, 650x400 unless given) for comparison.
// The program prints the size of its main window: a minimal window of that
// size fills as large a surface on its first paint. Run it on a display (or
// under xvfb-run) from a library folder.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>

#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTimer>

#include "app/program.h"
#include "catalogue/frm_list0.h"
#include "catalogue/frm_list1.h"
#include "catalogue/frm_list2.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "ui/qt/identity.h"
#include "ui/qt/qt_view.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

struct QuietDialogs : ui::Dialogs {
    ui::Answer message(const std::string& text, ui::Buttons, ui::Icon) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return ui::Answer::OK;
    }
};

// Runs then once, after the first paint of widget.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* widget, std::function<void()> then) : m_then(std::move(then)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && m_then) {
            // After the paint itself: the event has not been handled yet.
            QTimer::singleShot(0, m_then);
            m_then = nullptr;
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

void clickRow(ui::ListBox& list, int row, ui::qt::QtView& view) {
    list.setListIndex(row);
    list.click();
    view.afterEvent();
}

int minimal(Clock::time_point start, int argc, char** argv, QSize size) {
    QApplication app(argc, argv);
    QMainWindow main;
    auto* area = new QMdiArea;
    main.setCentralWidget(area);
    auto* list = new QListWidget;
    for (const char* item : {"one", "two", "three", "four", "five", "six"})
        list->addItem(QString::fromLatin1(item));
    area->addSubWindow(list)->show();
    main.resize(size);
    PaintWatch watch(list->viewport(), [start] {
        std::printf("minimal window: first paint %.1f ms\n", msSince(start));
        QApplication::quit();
    });
    main.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    const auto start = Clock::now();
    if (argc > 1 && std::strcmp(argv[1], "--minimal") == 0) {
        int width = 650, height = 400;
        if (argc > 2 && std::sscanf(argv[2], "%dx%d", &width, &height) != 2) {
            std::fprintf(stderr, "--minimal takes a size, WIDTHxHEIGHT\n");
            return 2;
        }
        return minimal(start, argc, argv, QSize(width, height));
    }
    QApplication app(argc, argv);
    // As the program starts: its names, its icon and its settings (a fresh
    // settings folder gives the first start's zoom for the screen).
    ui::qt::setIdentity(QStringLiteral(TESSARY_APP_ID), QStringLiteral(TESSARY_SOURCE_ICON));
    QSettings settings;
    QuietDialogs dialogs;
    app::Program program(dialogs, ".");
    ui::qt::QtView view(
        program.screen(), [&program] { return program.ended(); }, &settings);
    app::entry(program);
    if (program.ended()) {
        std::fprintf(stderr, "the program ended at its start: no library here?\n");
        return 1;
    }
    auto* startList = qobject_cast<QListWidget*>(view.widget(program.frmList0().lstMain0));
    Clock::time_point clicked;
    // Psalm 119 from the chooser of the Psalms, once the start list shows.
    auto psalm = [&] {
        std::printf("program: first paint %.1f ms\n", msSince(start));
        const QSize size = view.mainWindow()->size();
        std::printf("program: main window %dx%d\n", size.width(), size.height());
        clickRow(program.frmList0().lstMain0, 0, view);
        clickRow(program.frmList1().lstMain1, 1, view);
        clickRow(program.frmList2().lstMain2, 1, view);
        ui::Button& chooser = program.frmText1().btnNewPage;
        chooser.mouseDown(ui::MouseButton::Left);
        chooser.mouseUp(ui::MouseButton::Left);
        chooser.click();
        view.afterEvent();
        QApplication::processEvents();
        auto* edit = qobject_cast<QPlainTextEdit*>(view.widget(program.frmText1().Text1));
        new PaintWatch(edit->viewport(), [&clicked, &program] {
            std::printf("program: Psalm %ld painted %.1f ms after its click\n", program.s.CurPage,
                        msSince(clicked));
            QApplication::quit();
        });
        clicked = Clock::now();
        // The fifth column holds chapters 101 to 125.
        clickRow(*program.frmPage().lists[4], 18, view);
    };
    PaintWatch watch(startList->viewport(), psalm);
    view.mainWindow()->show();
    view.sync();
    return QApplication::exec();
}
