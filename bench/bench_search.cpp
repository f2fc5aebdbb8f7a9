// Search benchmark: Find All over the 66 Bible books of the bundled library
// (a Find All list of their stems), against grep over the same files as a
// whole process and against just reading the files into memory. Prints the
// median of 20 runs of each and the ratios; with --once, one warmed run of
// each as "once NAME MS" lines for a driver to collect (--reverse runs the
// searches before grep and the floor).
//
//   tessary-bench-search [--once [--reverse]] [LIBRARY]
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "search/findit.h"
#include "search/frm_find6.h"
#include "ui/dialogs.h"

extern char** environ;

namespace {

constexpr int kRuns = 20;

struct QuietDialogs : ui::Dialogs {
    ui::Answer message(const std::string& text, ui::Buttons, ui::Icon) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return ui::Answer::Yes;
    }
};

using Clock = std::chrono::steady_clock;

double medianMs(const std::function<void()>& run) {
    run(); // warm the page cache and the buffers
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const auto t0 = Clock::now();
        run();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return (ms[kRuns / 2 - 1] + ms[kRuns / 2]) / 2;
}

std::vector<std::string> lines(const std::string& path) {
    std::vector<std::string> out;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        out.push_back(line);
    }
    return out;
}

// The stems of the Bible books: the keys of the division lists of BOOKS.SEL,
// each once (the testaments list the books of the smaller divisions again).
std::vector<std::string> bibleStems(const std::string& dir) {
    std::vector<std::string> stems;
    for (const std::string& division : lines(dir + "/BOOKS.SEL")) {
        const std::string list = division.substr(0, division.find('@'));
        if (list.find(".STX") == std::string::npos)
            continue;
        for (const std::string& item : lines(dir + "/" + list))
            if (auto at = item.find('@'); at != std::string::npos && at > 0) {
                std::string stem = item.substr(0, at);
                if (std::find(stems.begin(), stems.end(), stem) == stems.end())
                    stems.push_back(std::move(stem));
            }
    }
    return stems;
}

// The least any search must do: every file read whole into one reused
// buffer that starts on a page boundary, as the search's own buffer does
// (a misaligned destination makes the kernel's copy several times slower).
void readAll(const std::vector<std::string>& paths, std::vector<char>& buffer) {
    for (const std::string& path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        struct stat st {};
        if (fd < 0 || ::fstat(fd, &st) != 0)
            std::exit(1);
        const auto size = static_cast<size_t>(st.st_size);
        if (buffer.size() < size + 4096)
            buffer.resize(size + 4096);
        const auto address = reinterpret_cast<uintptr_t>(buffer.data());
        char* start = buffer.data() + (4096 - address % 4096) % 4096;
        size_t got = 0;
        while (got < size) {
            const ssize_t n = ::read(fd, start + got, size - got);
            if (n <= 0)
                break;
            got += static_cast<size_t>(n);
        }
        ::close(fd);
    }
}

// Runs grep -c -F -e WORD -e Word over the files, output thrown away.
void runGrep(const std::string& lower, const std::string& capital,
             const std::vector<std::string>& paths) {
    std::vector<std::string> args = {"grep", "-c", "-F", "-e", lower, "-e", capital};
    args.insert(args.end(), paths.begin(), paths.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "grep", &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot run grep\n");
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
}

// Find All over the given books: the chosen word, case-insensitive.
struct FindAll {
    QuietDialogs dialogs;
    app::Program p;
    search::FrmFind6& w;
    FindAll(const std::string& dir, const std::vector<std::string>& stems)
        : p(dialogs, dir), w(p.frmFind6()) {
        for (size_t i = 0; i < stems.size(); ++i)
            p.s.FindAllFiles[i] = stems[i];
        p.s.FindAllLast = static_cast<int>(stems.size()) - 1;
        p.s.SearchAllBooks = true;
        p.s.BibleMode = true;
        w.btnRadioCase.setValue(0);
    }
    void run(const char* word, int whole) {
        w.btnRadioWhole.setValue(whole);
        w.txtInput.setText(word);
        search::Findit(p);
    }
};

double onceMs(const std::function<void()>& run) {
    run(); // warm the page cache and the buffers
    const auto t0 = Clock::now();
    run();
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// One run of every side, each line "once NAME MS".
void once(FindAll& find, const std::vector<std::string>& paths, bool reverse) {
    std::vector<char> buffer;
    auto others = [&] {
        std::printf("once floor %.3f\n", onceMs([&] { readAll(paths, buffer); }));
        std::printf("once grep-lord %.3f\n", onceMs([&] { runGrep("lord", "Lord", paths); }));
        std::printf("once grep-chalcedony %.3f\n",
                    onceMs([&] { runGrep("chalcedony", "Chalcedony", paths); }));
    };
    if (!reverse)
        others();
    for (const char* word : {"lord", "chalcedony"})
        for (int whole : {0, 1})
            std::printf("once find-%s%s %.3f\n", word, whole ? "-whole" : "",
                        onceMs([&] { find.run(word, whole); }));
    if (reverse)
        others();
}

} // namespace

int main(int argc, char** argv) {
    bool onceMode = false, reverse = false;
    std::string dir = TESSARY_LIBRARY;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--once")
            onceMode = true;
        else if (arg == "--reverse")
            reverse = true;
        else
            dir = arg;
    }
    const std::vector<std::string> stems = bibleStems(dir);
    std::vector<std::string> paths;
    double mb = 0;
    for (const std::string& stem : stems) {
        paths.push_back(dir + "/" + stem + ".TXV");
        struct stat st {};
        if (::stat(paths.back().c_str(), &st) != 0) {
            std::fprintf(stderr, "missing %s\n", paths.back().c_str());
            return 1;
        }
        mb += static_cast<double>(st.st_size) / 1e6;
    }
    FindAll find(dir, stems);
    if (onceMode) {
        once(find, paths, reverse);
        return 0;
    }
    std::printf("books: %zu, %.1f MB, median of %d runs\n", stems.size(), mb, kRuns);

    std::vector<char> buffer;
    const double floor = medianMs([&] { readAll(paths, buffer); });
    std::printf("%-34s %7.2f ms\n", "reading the files (floor)", floor);
    const double grepLord = medianMs([&] { runGrep("lord", "Lord", paths); });
    const double grepRare = medianMs([&] { runGrep("chalcedony", "Chalcedony", paths); });
    std::printf("%-34s %7.2f ms\n", "grep -c -F -e lord -e Lord", grepLord);
    std::printf("%-34s %7.2f ms\n", "grep -c -F -e chalcedony -e Ch...", grepRare);

    bool worse = false;
    for (const char* word : {"lord", "chalcedony"})
        for (int whole : {0, 1}) {
            const double ms = medianMs([&] { find.run(word, whole); });
            const double grep = std::string(word) == "lord" ? grepLord : grepRare;
            const std::string name =
                std::string("Find All \"") + word + "\"" + (whole ? ", whole word" : "");
            std::printf("%-34s %7.2f ms  Tessary/grep %.2f  Tessary/floor %.2f  (%zu shown)\n",
                        name.c_str(), ms, ms / grep, ms / floor, find.w.TextF.text().size());
            worse = worse || ms / grep > 1.0 || ms / floor > 1.5;
        }
    std::printf("%s\n", worse ? "target missed: Tessary/grep <= 1.0 and Tessary/floor <= 1.5"
                              : "target met: Tessary/grep <= 1.0 and Tessary/floor <= 1.5");
    return 0;
}
