// What the fuzz targets share: the input as text, promises, a program of their own.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "app/program.h"
#include "ui/dialogs.h"

namespace fuzz {

inline std::string_view textOf(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at its first LF: the line before it and the rest after it.
inline std::pair<std::string_view, std::string_view> firstLine(std::string_view input) {
    const size_t nl = input.find('\n');
    if (nl == std::string_view::npos)
        return {input, {}};
    return {input.substr(0, nl), input.substr(nl + 1)};
}

// A broken promise is a finding: libFuzzer keeps the input that showed it.
inline void require(bool promise, const char* what) {
    if (!promise) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

struct QuietDialogs : ui::Dialogs {
    ui::Answer message(const std::string&, ui::Buttons, ui::Icon) override {
        return ui::Answer::OK;
    }
};

// One program for the whole run, on a data folder made for it.
struct FuzzProgram {
    QuietDialogs dialogs;
    std::string dir;
    std::unique_ptr<app::Program> p;

    FuzzProgram() {
        char tmpl[] = "/tmp/tessary-fuzz-XXXXXX";
        if (!mkdtemp(tmpl))
            std::abort();
        dir = tmpl;
        p = std::make_unique<app::Program>(dialogs, dir);
        p->s.PadText = std::string(890, ' ');
    }
    void write(const std::string& name, std::string_view content) const {
        std::ofstream(dir + "/" + name, std::ios::binary)
            .write(content.data(), static_cast<std::streamsize>(content.size()));
    }
};

} // namespace fuzz
