#include "library/import.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "library/import_parts.h"
#include "library/index_line.h"
#include "library/text1252.h"

namespace fs = std::filesystem;

namespace library {

void Library::report(const std::string& where, const std::string& what) {
    ++problems;
    err << where << ": " << what << "\n";
}

OutFile& Library::add(std::string name, OutFile::Kind kind) {
    files.push_back({std::move(name), {}, kind});
    return files.back();
}

namespace {

std::string shellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Module folders: the system one, and a private copy of the configuration
// for modules whose packaged configuration names the wrong driver.
struct Modules {
    std::string system;
    std::string privateDir;
    ~Modules() {
        if (!privateDir.empty()) {
            std::error_code ec;
            fs::remove_all(privateDir, ec);
        }
    }
};

// The section names of every module configuration ("[KJV]" → "KJV").
std::vector<std::pair<std::string, std::string>> moduleConfs(const std::string& swordPath) {
    std::vector<std::pair<std::string, std::string>> confs;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(swordPath) / "mods.d", ec)) {
        auto text = readWholeFile(entry.path().string());
        if (!text)
            continue;
        const size_t open = text->find('[');
        const size_t close = text->find(']', open);
        if (open == std::string::npos || close == std::string::npos)
            continue;
        confs.emplace_back(text->substr(open + 1, close - open - 1), *text);
    }
    std::sort(confs.begin(), confs.end());
    return confs;
}

std::string confValue(const std::string& conf, const std::string& name) {
    std::string value;
    size_t at = 0;
    while ((at = conf.find(name + "=", at)) != std::string::npos) {
        if (at == 0 || conf[at - 1] == '\n') {
            const size_t end = conf.find('\n', at);
            value = conf.substr(at + name.size() + 1, end - at - name.size() - 1);
            break;
        }
        ++at;
    }
    while (!value.empty() && (value.back() == '\r' || value.back() == ' '))
        value.pop_back();
    return value;
}

struct Source {
    std::string module;
    std::string package; // the Debian package that ships the module
    std::string conf;
    std::vector<ImpEntry> entries;
};

bool exportModule(const ImportOptions& options, Modules& modules, Source& source,
                  std::ostream& err) {
    std::optional<std::string> text;
    if (!options.sourceDir.empty()) {
        text = readWholeFile((fs::path(options.sourceDir) / (source.module + ".imp")).string());
    } else {
        std::string path = modules.system;
        if (confValue(source.conf, "ModDrv") == "zCom4") {
            // The packaged commentary is in the zCom layout although its
            // configuration says zCom4: export it through a private copy.
            if (modules.privateDir.empty()) {
                char tmpl[] = "/tmp/tessary-modules-XXXXXX";
                if (!mkdtemp(tmpl)) {
                    err << "cannot create a private module folder\n";
                    return false;
                }
                modules.privateDir = tmpl;
                fs::create_directories(fs::path(modules.privateDir) / "mods.d");
                fs::create_directory_symlink(fs::absolute(fs::path(modules.system) / "modules"),
                                             fs::path(modules.privateDir) / "modules");
            }
            std::string conf = source.conf;
            conf.replace(conf.find("ModDrv=zCom4"), 12, "ModDrv=zCom");
            std::ofstream(fs::path(modules.privateDir) / "mods.d" / (source.module + ".conf"))
                << conf;
            path = modules.privateDir;
        }
        const std::string command = "SWORD_PATH=" + shellQuoted(path) + " " + options.exporter +
                                    " " + shellQuoted(source.module) + " 2>/dev/null";
        std::FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) {
            err << "cannot run " << options.exporter << "\n";
            return false;
        }
        std::string out;
        char buf[1 << 16];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
            out.append(buf, n);
        if (pclose(pipe) != 0 && out.empty()) {
            err << options.exporter << " failed for " << source.module << "\n";
            return false;
        }
        text = std::move(out);
    }
    if (!text || text->empty()) {
        err << "no export of module " << source.module << "\n";
        return false;
    }
    source.entries = parseImp(*text);
    return true;
}

bool writeFiles(const Library& lib, const std::string& out, std::ostream& err) {
    std::error_code ec;
    fs::create_directories(out, ec);
    for (const OutFile& f : lib.files) {
        const std::string path = (fs::path(out) / f.name).string();
        std::string error;
        bool ok = true;
        switch (f.kind) {
        case OutFile::Book:
        case OutFile::Notes:
            ok = writeIndexedFile(path, f.lines, IndexEnd::Star, hasKey, error);
            break;
        case OutFile::Dictionary: {
            std::string content =
                buildIndexLineWith(f.lines, IndexEnd::Bracket, dictionaryLineKey) + "\r\n";
            for (const std::string& line : f.lines)
                content += line + "\r\n";
            std::ofstream o(path, std::ios::binary);
            ok = static_cast<bool>(o << content);
            break;
        }
        case OutFile::Plain: {
            std::string content;
            for (const std::string& line : f.lines)
                content += line + "\r\n";
            std::ofstream o(path, std::ios::binary);
            ok = static_cast<bool>(o << content);
            break;
        }
        }
        if (!ok) {
            err << "cannot write " << path << (error.empty() ? "" : ": " + error) << "\n";
            return false;
        }
    }
    return true;
}

} // namespace

bool importLibrary(const ImportOptions& options, std::ostream& err) {
    Modules modules;
    modules.system = options.swordPath.empty() ? "/usr/share/sword" : options.swordPath;
    std::map<std::string, std::string> confs;
    if (options.sourceDir.empty())
        for (auto& [name, conf] : moduleConfs(modules.system))
            confs[name] = conf;
    auto pick = [&](std::initializer_list<const char*> names) {
        Source s;
        for (const char* n : names)
            if (confs.count(n)) {
                s.module = n;
                s.conf = confs[n];
                return s;
            }
        s.module = *names.begin();
        return s;
    };
    Source kjv = pick({"KJV", "engKJV2006eb"});
    Source greek = pick({"StrongsGreek"});
    Source hebrew = pick({"StrongsHebrew"});
    Source mhcc = pick({"MHCC"});
    Source nave = pick({"Nave"});
    kjv.package = "sword-text-kjv";
    greek.package = "sword-dict-strongs-greek";
    hebrew.package = "sword-dict-strongs-hebrew";
    mhcc.package = "sword-comm-mhcc";
    nave.package = "sword-dict-naves";
    for (Source* s : {&kjv, &greek, &hebrew, &mhcc, &nave})
        if (!exportModule(options, modules, *s, err))
            return false;

    Library lib{{}, err, 0, {}};
    for (Source* s : {&kjv, &greek, &hebrew, &mhcc, &nave})
        for (const ImpEntry& e : s->entries)
            decodeEntities(e.body, &lib.counts.entities);
    const Lexicon greekLex = readLexicon(greek.entries, 'G', lib);
    const Lexicon hebrewLex = readLexicon(hebrew.entries, 'H', lib);
    writeBible(kjv.entries, mhcc.entries, greekLex, hebrewLex, lib);
    writeDictionaries(greekLex, hebrewLex, lib);
    const VerseMap verses = versesOf(lib);
    writeTopics(nave.entries, verses, lib);
    writeCatalogue(kjv.entries, verses, lib);

    OutFile& copyright = lib.add("COPYRGT.TXV", OutFile::Plain);
    copyright.lines.push_back("Copyrights");
    copyright.lines.push_back("");
    copyright.lines.push_back(
        "Every text of this library is in the public domain. It was built from "
        "these modules of the Debian archive:");
    for (Source* s : {&kjv, &greek, &hebrew, &mhcc, &nave}) {
        copyright.lines.push_back("");
        std::string about = confValue(s->conf, "Description");
        copyright.lines.push_back(s->module + (about.empty() ? "" : ": " + about));
        for (const char* field :
             {"Copyright", "ShortCopyright", "CopyrightNotes", "DistributionLicense"}) {
            const std::string v = confValue(s->conf, field);
            if (!v.empty())
                copyright.lines.push_back(std::string(field) + ": " + toWindows1252(v));
        }
        // The copyright lines of the package's own copyright file.
        if (options.sourceDir.empty()) {
            std::istringstream text(
                readWholeFile("/usr/share/doc/" + s->package + "/copyright").value_or(""));
            std::vector<std::string> seen;
            std::string line;
            while (std::getline(text, line))
                if (line.rfind("Copyright: ", 0) == 0 &&
                    std::find(seen.begin(), seen.end(), line) == seen.end()) {
                    seen.push_back(line);
                    copyright.lines.push_back(s->package + " " + toWindows1252(line));
                }
        }
    }
    // The program recreates an empty page history when it is missing; the
    // library ships with one so that a fresh copy starts the same way.
    lib.add("!Tessary.ini", OutFile::Plain);

    if (!writeFiles(lib, options.out, err))
        return false;
    const ImportCounts& c = lib.counts;
    err << lib.files.size() << " files written to " << options.out << "; " << lib.problems
        << " source entries reported\n"
        << "words " << c.words << " of " << c.taggedWords << " tagged; commentary sections "
        << c.sections << ", " << c.attached << " linked to verses, " << c.headingSlots
        << " heading slots; titles and headings " << c.headings << ", subscriptions "
        << c.subscriptions << "; entities " << c.entities << ", divine-name markers "
        << c.divineMarkers << "\n";
    return true;
}

} // namespace library
