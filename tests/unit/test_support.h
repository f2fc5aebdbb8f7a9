// A program on a temporary data folder, with message boxes recorded.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "ui/dialogs.h"

namespace testing_support {

struct RecordingDialogs : ui::Dialogs {
    std::vector<std::string> shown;
    ui::Answer next = ui::Answer::OK;
    ui::Answer message(const std::string& text, ui::Buttons, ui::Icon) override {
        shown.push_back(text);
        return next;
    }
};

struct TestProgram {
    std::filesystem::path dir;
    RecordingDialogs dialogs;
    std::unique_ptr<app::Program> p;

    TestProgram() {
        char tmpl[] = "/tmp/tessary-unit-XXXXXX";
        dir = mkdtemp(tmpl);
        p = std::make_unique<app::Program>(dialogs, dir.string());
        p->s.PadText = std::string(890, ' ');
    }
    ~TestProgram() {
        p.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(dir / name, std::ios::binary) << content;
    }
    app::State& s() { return p->s; }
};

} // namespace testing_support
