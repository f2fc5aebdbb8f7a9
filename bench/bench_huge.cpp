// Huge inputs in the real window: a copy of the sample library with a text
// of one unbroken line of 300 KB and of 1 MB, one of 1 MB of words, a list of 1,201 items and books
// of 3,000, 10,000 and 100,000 pages; prints the time from each click to the
// first paint of what it shows (the text, the list, the page chooser). Run
// it on a display (or under xvfb-run); every step should take under 0.5 s.
// "tessary-bench-huge lists" or "... texts" runs only those steps; with
// TESSARY_BENCH_SHOTS=DIR, the window after each step is saved there.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QListWidget>
#include <QMainWindow>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTimer>

#include "app/program.h"
#include "catalogue/frm_list0.h"
#include "catalogue/frm_list1.h"
#include "catalogue/frm_list2.h"
#include "reader/frm_page.h"
#include "reader/frm_text1.h"
#include "shell/frm_text0.h"
#include "ui/qt/qt_view.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double kLimitSeconds = 60;

struct QuietDialogs : ui::Dialogs {
    ui::Answer message(const std::string& text, ui::Buttons, ui::Icon) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return ui::Answer::OK;
    }
};

void writeFile(const fs::path& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}

// A book of pages "N:1>page N", each page in the index.
std::string book(int pages) {
    std::string index, body;
    long offset = 1;
    for (int page = 1; page <= pages; ++page) {
        const std::string key = std::to_string(page) + ":1";
        const std::string line = key + ">page " + std::to_string(page) + "\r\n";
        index += "<" + key + ">" + std::to_string(offset);
        body += line;
        offset += static_cast<long>(line.size());
    }
    return index + "*\r\n" + body + " \r\n";
}

// The sample library with the huge files: the Old Testament list holds
// 1,201 books, the first three of 3,000, 10,000 and 100,000 pages; the first
// two essays are one line of 300 KB and of 1 MB, the third one line of
// 1 MB of words.
fs::path makeLibrary() {
    const fs::path dir = fs::temp_directory_path() / "tessary-bench-huge";
    fs::remove_all(dir);
    fs::copy(TESSARY_FIXTURE, dir, fs::copy_options::recursive);
    std::string list = "GEN@Three thousand pages\r\nEXO@Ten thousand pages\r\nBIG@A hundred "
                       "thousand pages\r\n";
    for (int i = 4; i <= 1201; ++i)
        list += "GEN@Book " + std::to_string(i) + "\r\n";
    writeFile(dir / "OLDHIST.STX", list);
    writeFile(dir / "GEN.TXV", book(3000));
    writeFile(dir / "EXO.TXV", book(10000));
    writeFile(dir / "BIG.TXV", book(100000));
    writeFile(dir / "ESSAY1.TXT", std::string(300 * 1024, 'e') + "\r\n");
    writeFile(dir / "ESSAY2.TXT", std::string(1024 * 1024, 'e') + "\r\n");
    std::string words;
    while (words.size() < 1024 * 1024)
        words += "word ";
    writeFile(dir / "ESSAY3.TXT", words + "\r\n");
    return dir;
}

// Runs the event loop until widget has been painted once, or the limit has
// passed; false on the time-out.
bool waitForPaint(QWidget* widget) {
    struct Watch : QObject {
        QEventLoop loop;
        bool painted = false;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint && !painted) {
                painted = true;
                QTimer::singleShot(0, &loop, [this] { loop.quit(); });
            }
            return false;
        }
    } watch;
    if (!widget)
        return false;
    widget->installEventFilter(&watch);
    QTimer::singleShot(static_cast<int>(kLimitSeconds * 1000), &watch.loop,
                       [&watch] { watch.loop.quit(); });
    watch.loop.exec();
    widget->removeEventFilter(&watch);
    return watch.painted;
}

void clickRow(ui::ListBox& list, int row, ui::qt::QtView& view) {
    list.setListIndex(row);
    list.click();
    view.afterEvent();
}

// The processor time this process has used, in milliseconds.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Times act from its start to the first paint of the widget shown() names:
// the time passed, and the processor time used (the same on an idle machine).
bool step(const char* what, const std::function<void()>& act,
          const std::function<QWidget*()>& shown) {
    const auto start = Clock::now();
    const double cpuStart = cpuMs();
    act();
    const bool painted = waitForPaint(shown());
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double cpu = cpuMs() - cpuStart;
    if (const QByteArray shots = qgetenv("TESSARY_BENCH_SHOTS"); !shots.isEmpty()) {
        static int shot = 0;
        QWidget* window = shown() ? shown()->window() : nullptr;
        if (window)
            window->grab().save(QString::fromLocal8Bit(shots) +
                                QStringLiteral("/step%1.png").arg(++shot));
    }
    if (painted)
        std::printf("%-36s %8.1f ms (processor %7.1f ms)%s\n", what, ms, cpu,
                    ms > 500 ? "  OVER 0.5 s" : "");
    else
        std::printf("%-44s   no paint within %.0f s\n", what, kLimitSeconds);
    return painted && ms <= 500;
}

QWidget* viewportOf(QWidget* w) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
        return area->viewport();
    return w;
}

} // namespace

int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const fs::path dir = makeLibrary();
    fs::current_path(dir);
    QApplication app(argc, argv);
    QuietDialogs dialogs;
    app::Program program(dialogs, ".");
    ui::qt::QtView view(program.screen(), [&program] { return program.ended(); });
    app::entry(program);
    if (program.ended()) {
        std::fprintf(stderr, "the program ended at its start\n");
        return 1;
    }
    view.mainWindow()->show();
    view.sync();
    auto widget = [&view](const ui::Control& c) {
        return [&view, &c] { return viewportOf(view.widget(c)); };
    };
    bool fast = waitForPaint(viewportOf(view.widget(program.frmList0().lstMain0)));

    // The Old Testament list of 1,201 books.
    if (only != "texts")
        fast &= step(
            "a list of 1,201 items",
            [&] {
                clickRow(program.frmList0().lstMain0, 0, view);
                clickRow(program.frmList1().lstMain1, 0, view);
            },
            widget(program.frmList2().lstMain2));
    const char* choosers[] = {"the chooser of 3,000 pages", "the chooser of 10,000 pages",
                              "the chooser of 100,000 pages"};
    for (int i = 0; i < (only == "texts" ? 0 : 3); ++i) {
        clickRow(program.frmList2().lstMain2, i, view);
        waitForPaint(viewportOf(view.widget(program.frmText1().Text1)));
        ui::Button& chooser = program.frmText1().btnNewPage;
        fast &= step(
            choosers[i],
            [&] {
                chooser.mouseDown(ui::MouseButton::Left);
                chooser.mouseUp(ui::MouseButton::Left);
                chooser.click();
                view.afterEvent();
            },
            widget(*program.frmPage().lists[reader::FrmPage::kLists - 1]));
        ui::Button& back = program.frmPage().btnBack;
        back.mouseDown(ui::MouseButton::Left);
        back.mouseUp(ui::MouseButton::Left);
        view.afterEvent();
    }

    // The essays: one line of 300 KB, then of 1 MB.
    clickRow(program.frmList0().lstMain0, 1, view);
    clickRow(program.frmList1().lstMain1, 5, view);
    const char* texts[] = {"a text of one 300 KB line", "a text of one 1 MB line",
                           "a text of one 1 MB line of words"};
    for (int i = 0; i < (only == "lists" ? 0 : 3); ++i)
        fast &= step(
            texts[i], [&] { clickRow(program.frmList2().lstMain2, i, view); },
            widget(program.frmtext0().Text1));
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
    return fast ? 0 : 1;
}
