// Temporary folders, files, a child under a size limit, a program with its boxes recorded.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/data_folder.h"
#include "ui/dialogs.h"

namespace testing_support {

// A temporary folder, removed with all it holds.
struct TempDir {
    std::filesystem::path dir;
    TempDir() {
        char tmpl[] = "/tmp/tessary-unit-XXXXXX";
        dir = mkdtemp(tmpl);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(dir / name, std::ios::binary) << content;
    }
};

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The names in a folder, sorted.
inline std::vector<std::string> namesIn(const std::filesystem::path& dir) {
    std::vector<std::string> all;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        all.push_back(e.path().filename().string());
    std::sort(all.begin(), all.end());
    return all;
}

// The exit status of act run in a child whose writes past limit bytes fail: 0 when true, else 3.
template <class Act>
int inChildWithSizeLimit(rlim_t limit, Act act) {
    const pid_t child = fork();
    if (child == 0) {
        platform::failWritesPastTheSizeLimit();
        const rlimit bound{limit, limit};
        setrlimit(RLIMIT_FSIZE, &bound);
        _exit(act() ? 0 : 3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct RecordingDialogs : ui::Dialogs {
    std::vector<std::string> shown;
    ui::Answer next = ui::Answer::OK;
    ui::Answer message(const std::string& text, ui::Buttons, ui::Icon) override {
        shown.push_back(text);
        return next;
    }
};

struct TestProgram : TempDir {
    RecordingDialogs dialogs;
    std::unique_ptr<app::Program> p;

    TestProgram() {
        p = std::make_unique<app::Program>(dialogs, dir.string());
        p->s.PadText = std::string(890, ' ');
    }
    app::State& s() { return p->s; }
};

} // namespace testing_support
