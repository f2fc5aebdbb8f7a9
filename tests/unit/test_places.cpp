// Where the library and the reader's files are.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/places.h"
#include "test_support.h"

namespace fs = std::filesystem;
using platform::Environment;
using platform::FolderState;

namespace {

struct Tree : testing_support::TempDir {
    fs::path root = dir;
    std::string folder(const std::string& name) const {
        fs::create_directories(root / name);
        return (root / name).string();
    }
    void file(const std::string& name) const {
        fs::create_directories((root / name).parent_path());
        std::ofstream(root / name) << "x";
    }
};

// A build folder and an installation: bin/ beside share/tessary/library.
struct Layout {
    Tree t;
    platform::LibraryLocations where{t.folder("build"), t.folder("src/library"),
                                     "../share/tessary/library"};
    std::string installed = t.folder("usr/share/tessary/library");
    std::string bin = t.folder("usr/bin");
    Environment env(const std::string& cwd, const std::string& programFolder) const {
        return {cwd, programFolder, "/home/reader", ""};
    }
};

} // namespace

TEST(ReaderDataFolder, FromXdgDataHomeElseHome) {
    const struct {
        const char *name, *home, *xdg, *expected;
    } rows[] = {
        {"xdg wins", "/home/r", "/data", "/data/tessary"},
        {"xdg unset", "/home/r", "", "/home/r/.local/share/tessary"},
        {"relative xdg ignored", "/home/r", "data", "/home/r/.local/share/tessary"},
        {"xdg without home", "", "/data", "/data/tessary"},
        {"relative home", "home/r", "", ""},
        {"neither", "", "", ""},
    };
    for (const auto& r : rows) {
        const Environment env{"/cwd", "/usr/bin", r.home, r.xdg};
        EXPECT_EQ(platform::readerDataFolder(env), r.expected) << r.name;
    }
}

// Each entry is made in a folder of its own; a trailing "/" makes a folder.
TEST(HoldsStartList, ARegularFileOfThatNameInAnyLetterCase) {
    Tree t;
    int n = 0;
    for (const auto& [entry, holds] : {std::pair{"START.SEL", true},
                                       {"start.sel", true},
                                       {"Start.Sel", true},
                                       {"BOOKS.SEL", false},
                                       {"START.SELX", false},
                                       {"START.SEL/", false}}) {
        const std::string dir = t.folder("f" + std::to_string(n++));
        if (std::string(entry).ends_with('/'))
            fs::create_directories(dir + "/" + entry);
        else
            std::ofstream(dir + "/" + entry) << "x";
        EXPECT_EQ(platform::holdsStartList(dir), holds) << entry;
    }
    EXPECT_FALSE(platform::holdsStartList((t.root / "missing").string()));
}

TEST(ChoosePlaces, TheProgramsOwnLibraryAndPortableOnlyInAForeignOne) {
    Layout l;
    EXPECT_EQ(platform::programLibrary(l.env("/", l.where.buildFolder), l.where),
              l.where.sourceLibrary);
    EXPECT_EQ(platform::programLibrary(l.env("/", l.bin), l.where), l.installed);
    // The build folder reached through a link is still the build folder.
    fs::create_directory_symlink(l.where.buildFolder, l.t.root / "link");
    EXPECT_EQ(platform::programLibrary(l.env("/", (l.t.root / "link").string()), l.where),
              l.where.sourceLibrary);
    l.t.file("portable/START.SEL");
    l.t.file("usr/share/tessary/library/START.SEL");
    l.t.file("src/library/START.SEL");
    const std::string portable = (l.t.root / "portable").string();
    const std::string home = l.t.folder("home");
    const std::string data = "/home/reader/.local/share/tessary";
    struct Row {
        const char* name;
        std::string cwd, program, library, readerFiles;
        bool portable;
    };
    const Row rows[] = {
        {"portable library", portable, l.bin, portable, portable, true},
        {"portable from the build", portable, l.where.buildFolder, portable, portable, true},
        {"installed, started in the home", home, l.bin, l.installed, data, false},
        {"started inside the installed library", l.installed, l.bin, l.installed, data, false},
        {"build, started in the home", home, l.where.buildFolder, l.where.sourceLibrary, data,
         false},
        {"build, started inside the source library", l.where.sourceLibrary, l.where.buildFolder,
         l.where.sourceLibrary, data, false},
        // Another program's library is a library like any other.
        {"installed, started inside the source library", l.where.sourceLibrary, l.bin,
         l.where.sourceLibrary, l.where.sourceLibrary, true},
    };
    for (const Row& r : rows) {
        const platform::Places p = platform::choosePlaces(l.env(r.cwd, r.program), l.where);
        EXPECT_EQ(p.library, r.library) << r.name;
        EXPECT_EQ(p.readerFiles, r.readerFiles) << r.name;
        EXPECT_EQ(p.portable, r.portable) << r.name;
    }
}

TEST(MakeFolder, MadeWithItsParentsForTheOwnerAlone) {
    Tree t;
    const fs::path folder = t.root / "home" / ".local" / "share" / "tessary";
    EXPECT_EQ(platform::makeFolder(folder.string()), FolderState::Created);
    EXPECT_TRUE(fs::is_directory(folder));
    for (const fs::path& made : {t.root / "home", folder}) {
        struct stat st {};
        ASSERT_EQ(stat(made.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << made;
    }
    EXPECT_EQ(platform::makeFolder(folder.string()), FolderState::Existed);
    EXPECT_EQ(platform::makeFolder(folder.string() + "/"), FolderState::Existed);
    // A file in the way fails even for root.
    t.file("plain");
    std::string why;
    EXPECT_EQ(platform::makeFolder((t.root / "plain").string(), &why), FolderState::Failed);
    EXPECT_EQ(why, (t.root / "plain").string() + ": not a folder");
}

TEST(EnvironmentOfProcess, ReadsTheReadersVariables) {
    const char* names[] = {"HOME", "XDG_DATA_HOME"};
    std::optional<std::string> saved[2];
    for (int i = 0; i < 2; ++i)
        if (const char* v = std::getenv(names[i]))
            saved[i] = v;
    setenv("HOME", "/tmp/reader-home", 1);
    setenv("XDG_DATA_HOME", "/tmp/reader-data", 1);
    Environment env = platform::environmentOfProcess();
    EXPECT_EQ(env.home, "/tmp/reader-home");
    EXPECT_EQ(env.xdgDataHome, "/tmp/reader-data");
    EXPECT_EQ(env.currentFolder, fs::current_path().string());
    EXPECT_TRUE(fs::exists(fs::path(env.programFolder) / "tessary_unit_tests"));

    // A relative HOME is no home: the account's own is taken instead.
    setenv("HOME", "relative", 1);
    unsetenv("XDG_DATA_HOME");
    env = platform::environmentOfProcess();
    EXPECT_EQ(env.home.front(), '/');
    EXPECT_EQ(env.xdgDataHome, "");

    for (int i = 0; i < 2; ++i)
        saved[i] ? setenv(names[i], saved[i]->c_str(), 1) : unsetenv(names[i]);
}
