#include "runner.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "app/program.h"
#include "driver.h"
#include "scenario.h"
#include "ui/dialogs.h"
#include "ui/value.h"
#include "ui/window.h"

namespace fs = std::filesystem;

namespace script {

namespace {

struct Box {
    std::string text;
};

// Answers message boxes from the queue and records every box shown.
class ScriptDialogs : public ui::Dialogs {
public:
    std::deque<ui::Answer> answers;
    std::deque<Box> unchecked;
    ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon) override {
        unchecked.push_back({text});
        if (buttons == ui::Buttons::OK)
            return ui::Answer::OK;
        if (answers.empty())
            throw Failure{"expected an answer queued, got question " + escapeValue(text)};
        ui::Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

bool compare(const std::string& op, const std::string& actual, const std::string& expected) {
    if (op == "==")
        return actual == expected;
    if (op == "!=")
        return actual != expected;
    if (op == "contains")
        return actual.find(expected) != std::string::npos;
    if (op == "!contains")
        return actual.find(expected) == std::string::npos;
    if (op == "startswith")
        return actual.compare(0, expected.size(), expected) == 0 &&
               actual.size() >= expected.size();
    if (op == "endswith")
        return actual.size() >= expected.size() &&
               actual.compare(actual.size() - expected.size(), expected.size(), expected) == 0;
    if (op == "length")
        return std::to_string(actual.size()) == expected;
    throw Failure{"expected an operator, got " + escapeValue(op)};
}

class Run {
public:
    Run(const fs::path& scenario, Driver& driver, const Options& options)
        : m_scenarioDir(scenario.parent_path()), m_driver(driver), m_options(options) {
        char tmpl[] = "/tmp/tessary-scenario-XXXXXX";
        if (!mkdtemp(tmpl))
            throw Failure{"expected a temporary folder, got none"};
        m_data = tmpl;
    }
    ~Run() {
        stop();
        std::error_code ec;
        fs::remove_all(m_data, ec);
    }

    void execute(const Command& c);
    void settle() {
        if (m_program)
            m_driver.settle();
    }
    void finish() {
        if (!m_dialogs.unchecked.empty())
            throw Failure{"expected no message, got " +
                          escapeValue(m_dialogs.unchecked.front().text)};
    }

private:
    // A fresh program on the run's data folder, after the entry procedure.
    void start() {
        stop();
        m_program = std::make_unique<app::Program>(m_dialogs, m_data.string());
        m_driver.starting(*m_program);
        app::entry(*m_program);
        m_driver.started();
    }
    void stop() {
        if (m_program)
            m_driver.stopping();
        m_program.reset();
    }
    app::Program& program() {
        if (!m_program)
            throw Failure{"expected start before this command, got none"};
        return *m_program;
    }
    ui::Window& window(const std::string& name) {
        ui::Window* w = program().window(name);
        if (!w)
            throw Failure{"expected a window, got " + escapeValue(name)};
        return *w;
    }
    ui::Control& control(const std::string& target) {
        auto dot = target.find('.');
        if (dot == std::string::npos)
            throw Failure{"expected W.C, got " + escapeValue(target)};
        ui::Window& w = window(target.substr(0, dot));
        ui::Control* c = w.control(target.substr(dot + 1));
        if (!c)
            throw Failure{"expected a control, got " + escapeValue(target)};
        return *c;
    }
    std::string property(const std::string& target);
    void setProperty(const std::string& target, const std::string& value);
    static ui::MouseButton mouseButton(const std::string& word) {
        if (word == "left")
            return ui::MouseButton::Left;
        if (word == "right")
            return ui::MouseButton::Right;
        if (word == "middle")
            return ui::MouseButton::Middle;
        throw Failure{"expected left, right or middle, got " + escapeValue(word)};
    }
    void check(const std::string& what, const std::string& op, const std::string& actual,
               const std::string& expected) {
        if (!compare(op, actual, expected))
            throw Failure{"expected " + what + " " + op + " " + escapeValue(expected) + ", got " +
                          escapeValue(actual)};
    }
    fs::path filePath(const std::string& name) const {
        if (!platform::DataFolder::isSafeName(name))
            throw Failure{"expected a file name, got " + escapeValue(name)};
        return m_data / name;
    }

    fs::path m_scenarioDir;
    Driver& m_driver;
    const Options& m_options;
    fs::path m_data;
    ScriptDialogs m_dialogs;
    std::unique_ptr<app::Program> m_program;
};

std::string Run::property(const std::string& target) {
    auto last = target.rfind('.');
    if (last == std::string::npos)
        throw Failure{"expected W.P or W.C.P, got " + escapeValue(target)};
    const std::string owner = target.substr(0, last), prop = target.substr(last + 1);
    std::string out;
    bool ok = owner.find('.') == std::string::npos ? window(owner).get(prop, out)
                                                   : control(owner).get(prop, out);
    if (!ok)
        throw Failure{"expected a property, got " + escapeValue(target)};
    return out;
}

void Run::setProperty(const std::string& target, const std::string& value) {
    auto last = target.rfind('.');
    if (last == std::string::npos)
        throw Failure{"expected W.P or W.C.P, got " + escapeValue(target)};
    const std::string owner = target.substr(0, last), prop = target.substr(last + 1);
    bool ok = owner.find('.') == std::string::npos ? window(owner).set(prop, value)
                                                   : control(owner).set(prop, value);
    if (!ok)
        throw Failure{"expected a settable property and value, got " +
                      escapeValue(target + " " + value)};
}

void Run::execute(const Command& c) {
    const auto& w = c.words;
    const std::string& cmd = w[0];
    auto need = [&](size_t n) {
        if (w.size() < n + 1)
            throw Failure{"expected " + std::to_string(n) + " arguments to " + cmd + ", got " +
                          std::to_string(w.size() - 1)};
    };
    if (cmd == "library") {
        need(1);
        std::error_code ec;
        fs::copy(m_scenarioDir / w[1], m_data,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
        if (ec)
            throw Failure{"expected a library folder, got " + escapeValue(w[1])};
    } else if (cmd == "write") {
        need(2);
        std::ofstream(filePath(w[1]), std::ios::binary) << w[2];
    } else if (cmd == "remove") {
        need(1);
        std::error_code ec;
        fs::remove(filePath(w[1]), ec);
    } else if (cmd == "start") {
        start();
    } else if (cmd == "restart") {
        // The old program is dropped as a killed process would be: no window
        // is closed and no quit handling runs. Boxes shown and not yet
        // checked, answers queued and the data folder stay.
        program();
        start();
    } else if (cmd == "answer") {
        need(1);
        const std::string& a = w[1];
        if (a == "OK")
            m_dialogs.answers.push_back(ui::Answer::OK);
        else if (a == "Yes")
            m_dialogs.answers.push_back(ui::Answer::Yes);
        else if (a == "No")
            m_dialogs.answers.push_back(ui::Answer::No);
        else if (a == "Cancel")
            m_dialogs.answers.push_back(ui::Answer::Cancel);
        else
            throw Failure{"expected OK, Yes, No or Cancel, got " + escapeValue(a)};
    } else if (cmd == "click") {
        need(1);
        if (w[1].find('.') == std::string::npos) {
            m_driver.clickWindow(window(w[1]));
            return;
        }
        ui::Control& ctl = control(w[1]);
        if (w.size() > 2) {
            auto* list = dynamic_cast<ui::ListBox*>(&ctl);
            auto index = ui::parseLong(w[2]);
            if (!list || !index)
                throw Failure{"expected a list box and an index, got " +
                              escapeValue(w[1] + " " + w[2])};
            m_driver.clickListItem(*list, static_cast<int>(*index));
            return;
        }
        m_driver.clickControl(ctl);
    } else if (cmd == "press" || cmd == "release") {
        need(2);
        ui::Control& ctl = control(w[1]);
        if (cmd == "press")
            m_driver.press(ctl, mouseButton(w[2]));
        else
            m_driver.release(ctl, mouseButton(w[2]));
    } else if (cmd == "caret") {
        need(2);
        auto* box = dynamic_cast<ui::TextBox*>(&control(w[1]));
        auto n = ui::parseLong(w[2]);
        if (!box || !n)
            throw Failure{"expected a text box and a position, got " +
                          escapeValue(w[1] + " " + w[2])};
        m_driver.caret(*box, static_cast<int>(*n));
    } else if (cmd == "set") {
        need(2);
        setProperty(w[1], w[2]);
    } else if (cmd == "focus") {
        need(1);
        m_driver.focus(control(w[1]));
    } else if (cmd == "key") {
        need(2);
        auto code = ui::parseLong(w[2]);
        if (!code)
            throw Failure{"expected a key code, got " + escapeValue(w[2])};
        m_driver.key(window(w[1]), static_cast<int>(*code));
    } else if (cmd == "activate") {
        need(1);
        m_driver.activate(window(w[1]));
    } else if (cmd == "deactivate") {
        need(1);
        m_driver.deactivate(window(w[1]));
    } else if (cmd == "menu") {
        need(1);
        ui::Control* item = window("frmMain").control(w[1]);
        if (!item || item->kind() != ui::ControlKind::Menu)
            throw Failure{"expected a menu item, got " + escapeValue(w[1])};
        m_driver.menu(*item);
    } else if (cmd == "resize") {
        need(1);
        window("frmMain");
        if (w[1] == "max") {
            m_driver.resize(std::nullopt);
        } else {
            auto h = ui::parseLong(w[1]);
            if (!h)
                throw Failure{"expected a height or max, got " + escapeValue(w[1])};
            m_driver.resize(static_cast<int>(*h));
        }
    } else if (cmd == "close") {
        program();
        if (m_driver.close())
            program().end();
    } else if (cmd == "expect") {
        need(1);
        const std::string& what = w[1];
        if (what == "ended" || what == "running") {
            const bool ended = m_program && m_program->ended();
            if (ended != (what == "ended"))
                throw Failure{"expected " + what + ", got " + (ended ? "ended" : "running")};
        } else if (what == "nomessage") {
            if (!m_dialogs.unchecked.empty())
                throw Failure{"expected no message, got " +
                              escapeValue(m_dialogs.unchecked.front().text)};
        } else if (what == "message") {
            need(2);
            if (m_dialogs.unchecked.empty())
                throw Failure{"expected message " + escapeValue(w[2]) + ", got none"};
            Box box = m_dialogs.unchecked.front();
            m_dialogs.unchecked.pop_front();
            if (box.text != w[2])
                throw Failure{"expected message " + escapeValue(w[2]) + ", got " +
                              escapeValue(box.text)};
        } else if (what == "var") {
            need(4);
            std::string value;
            if (!program().s.get(w[2], value))
                throw Failure{"expected a variable, got " + escapeValue(w[2])};
            check(w[2], w[3], value, w[4]);
        } else if (what == "file") {
            need(3);
            const fs::path path = filePath(w[2]);
            const bool exists = fs::is_regular_file(path);
            if (w[3] == "exists" || w[3] == "missing") {
                if (exists != (w[3] == "exists"))
                    throw Failure{"expected file " + w[2] + " " + w[3] + ", got " +
                                  (exists ? "exists" : "missing")};
                return;
            }
            need(4);
            if (!exists)
                throw Failure{"expected file " + w[2] + " " + w[3] + " " + escapeValue(w[4]) +
                              ", got missing"};
            std::ifstream in(path, std::ios::binary);
            std::stringstream content;
            content << in.rdbuf();
            check("file " + w[2], w[3], content.str(), w[4]);
        } else {
            need(3);
            check(what, w[2], property(what), w[3]);
        }
    } else if (cmd == "dump") {
        need(1);
        std::string value;
        try {
            if (w[1].rfind("var.", 0) == 0 && m_program)
                m_program->s.get(w[1].substr(4), value);
            else
                value = property(w[1]);
        } catch (const Failure& f) {
            value = "<" + f.message + ">";
        }
        std::cout << w[1] << " = " << escapeValue(value, m_options.wholeValues) << "\n";
    } else {
        throw Failure{"expected a command, got " + escapeValue(cmd)};
    }
}

} // namespace

std::optional<Options> takeOptions(std::vector<std::string>& args, std::string& error) {
    Options options;
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] == "--whole-values") {
            options.wholeValues = true;
        } else if (args[i] == "--step-limit" && i + 1 < args.size()) {
            char* end = nullptr;
            options.stepLimit = std::strtod(args[i + 1].c_str(), &end);
            if (end == args[i + 1].c_str() || *end || !(options.stepLimit > 0)) {
                error = "expected a number of seconds after --step-limit, got " + args[i + 1];
                return std::nullopt;
            }
            ++i;
        } else {
            error = "expected --whole-values or --step-limit SECONDS, got " + args[i];
            return std::nullopt;
        }
    }
    args.erase(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(i));
    return options;
}

Outcome runScenarioFile(const std::string& path, const Options& options) {
    Driver headless;
    return runScenarioFile(path, headless, options);
}

Outcome runScenarioFile(const std::string& path, Driver& driver, const Options& options) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {false, 0, "expected a scenario file, got none"};
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    int errorLine = 0;
    auto commands = parseScenario(text.str(), error, errorLine);
    if (!error.empty())
        return {false, errorLine, "expected a command line, got " + error};
    int line = 0;
    try {
        Run run{fs::path(path), driver, options};
        for (const Command& c : commands) {
            line = c.line;
            const auto started = std::chrono::steady_clock::now();
            run.execute(c);
            run.settle();
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
            // The runner's own filling of the data folder is no step of the program.
            const std::string& command = c.words.front();
            const bool setup = command == "library" || command == "write" || command == "remove";
            if (options.stepLimit > 0 && !setup && took.count() > options.stepLimit) {
                char message[120];
                std::snprintf(message, sizeof message,
                              "expected a step of at most %g s, got %.2f s", options.stepLimit,
                              took.count());
                throw Failure{message};
            }
        }
        run.finish();
    } catch (const Failure& f) {
        return {false, line, f.message};
    } catch (const std::exception& e) {
        return {false, line, std::string("expected no error, got ") + e.what()};
    }
    return {};
}

int runScenarioFiles(const std::vector<std::string>& paths,
                     const std::function<Outcome(const std::string&)>& run) {
    int passed = 0, failed = 0;
    for (const std::string& path : paths) {
        const std::string name = fs::path(path).filename().string();
        Outcome outcome = run(path);
        if (outcome.passed) {
            ++passed;
            std::cout << "PASS " << name << "\n";
        } else {
            ++failed;
            std::cout << "FAIL " << name << ":" << outcome.line << ": " << outcome.message << "\n";
        }
    }
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 && passed > 0 ? 0 : 1;
}

int runCommandLine(const std::string& program, std::vector<std::string> args,
                   const std::function<Outcome(const std::string&, const Options&)>& run) {
    std::string error;
    const auto options = takeOptions(args, error);
    if (!options) {
        std::cerr << program << ": " << error << "\n";
        return 2;
    }
    return runScenarioFiles(args, [&](const std::string& path) { return run(path, *options); });
}

} // namespace script
