// Page-loader benchmark: builds a 20 MB book of 5,000 pages in a temporary
// folder and prints the median and maximum time of a page load, for random
// page numbers and for Next through the whole book.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/program.h"
#include "reader/page_loader.h"
#include "ui/dialogs.h"

namespace {

struct QuietDialogs : ui::Dialogs {
    ui::Answer message(const std::string& text, ui::Buttons, ui::Icon) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return ui::Answer::OK;
    }
};

void writeBook(const std::filesystem::path& path, int pages, int parasPerPage, size_t paraChars) {
    std::string index, body;
    long offset = 1;
    const std::string text(paraChars, 'w');
    for (int page = 1; page <= pages; ++page)
        for (int para = 1; para <= parasPerPage; ++para) {
            const std::string key = std::to_string(page) + ":" + std::to_string(para);
            const std::string line = key + ">" + text + "\r\n";
            if (para == 1 || para == parasPerPage / 2)
                index += "<" + key + ">" + std::to_string(offset);
            body += line;
            offset += static_cast<long>(line.size());
        }
    std::ofstream(path, std::ios::binary) << index << "*\r\n" << body << " \r\n";
}

void report(const char* what, std::vector<double> us) {
    std::sort(us.begin(), us.end());
    std::printf("%-28s n=%zu median %.1f us, max %.1f us\n", what, us.size(), us[us.size() / 2],
                us.back());
}

} // namespace

int main() {
    char tmpl[] = "/tmp/tessary-bench-XXXXXX";
    const std::filesystem::path dir = mkdtemp(tmpl);
    const int pages = 5000;
    writeBook(dir / "BIG.TXV", pages, 10, 390);
    std::printf("book: %d pages, %.1f MB\n", pages,
                static_cast<double>(std::filesystem::file_size(dir / "BIG.TXV")) / 1e6);

    QuietDialogs dialogs;
    app::Program p(dialogs, dir.string());
    using clock = std::chrono::steady_clock;
    auto timed = [&](const std::string& file, const std::string& page) {
        auto t0 = clock::now();
        if (!reader::showPage(p, file, page))
            std::exit(1);
        return std::chrono::duration<double, std::micro>(clock::now() - t0).count();
    };
    const double first = timed("BIG.TXV", "");
    std::printf("%-28s %.1f us (reads the index line)\n", "first load", first);

    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pick(1, pages);
    std::vector<double> random;
    for (int i = 0; i < 1000; ++i)
        random.push_back(timed("", std::to_string(pick(rng))));
    report("random page numbers", random);

    timed("", "First");
    std::vector<double> next;
    for (int i = 1; i < pages; ++i)
        next.push_back(timed("", "Next"));
    report("Next through the book", next);

    std::filesystem::remove_all(dir);
    return 0;
}
