// The program started as a reader starts it: a read-only library, the reader's files in a home.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "app/launch.h"
#include "app/program.h"
#include "catalogue/frm_list0.h"
#include "catalogue/frm_list1.h"
#include "catalogue/frm_list2.h"
#include "catalogue/page_history.h"
#include "formats/bookmark_file.h"
#include "reader/bookmarks.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_text1.h"
#include "script/driver.h"
#include "shell/frm_main.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// A prefix with bin/ and the sample library installed in share/, and a home.
struct Installed : testing_support::TempDir {
    fs::path root = dir, bin = root / "usr/bin", library = root / "usr/share/tessary/library",
             home = root / "home";
    platform::LibraryLocations where{(root / "build").string(), (root / "src").string(),
                                     "../share/tessary/library"};

    Installed() {
        for (const fs::path& folder : {bin, library, home})
            fs::create_directories(folder);
        // Installed as the install rules do: without the reader's files.
        for (const auto& e : fs::directory_iterator(TESSARY_SAMPLE_LIBRARY))
            if (e.path().filename().string().front() != '!')
                fs::copy_file(e.path(), library / e.path().filename());
    }
    platform::Environment env(const fs::path& cwd, const std::string& xdg = "") const {
        return {cwd.string(), bin.string(), home.string(), xdg};
    }
    fs::path dataFolder() const { return home / ".local" / "share" / "tessary"; }

    std::map<std::string, std::string> libraryFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::directory_iterator(library))
            files[e.path().filename().string()] = testing_support::readFile(e.path());
        return files;
    }
};

using testing_support::readFile;

// One run of the program on a launch, driven as the headless runner does.
struct Session {
    testing_support::RecordingDialogs dialogs;
    app::Launch launch;
    app::Program p;
    script::Driver driver;

    explicit Session(const app::Launch& l)
        : launch(l), p(dialogs, l.places.library, l.places.readerFiles) {
        driver.starting(p);
        app::launch(p, launch);
    }
    void openGenesis() {
        driver.clickListItem(p.frmList0().lstMain0, 0);
        driver.clickListItem(p.frmList1().lstMain1, 0);
        driver.clickListItem(p.frmList2().lstMain2, 0);
        ASSERT_EQ(p.s.BookFile, "GEN.TXV");
    }
    void readGenesisPage2() {
        openGenesis();
        driver.clickControl(p.frmText1().btnNext);
    }
};

} // namespace

// The first start makes the data folder quietly; the next finds the page and the bookmark.
TEST(Launch, TheHistoryLivesInTheHomeAndTheLibraryStaysUntouched) {
    Installed inst;
    const auto before = inst.libraryFiles();
    {
        const app::Launch first = app::prepareLaunch(inst.env(inst.home), inst.where);
        EXPECT_EQ(first.readerFolder, platform::FolderState::Created);
        EXPECT_EQ(first.places.library, inst.library.lexically_normal().string());
        Session run(first);
        EXPECT_EQ(readFile(inst.dataFolder() / catalogue::kHistoryFile), "");
        run.readGenesisPage2();
        reader::setBookmark(run.p, "2:4");
        run.driver.menu(run.p.frmMain().mnuQuitWith);
        EXPECT_TRUE(run.p.ended());
        EXPECT_EQ(run.dialogs.shown, std::vector<std::string>{});
    }
    EXPECT_EQ(readFile(inst.dataFolder() / catalogue::kHistoryFile), "GEN=2\r\n");
    EXPECT_EQ(readFile(inst.dataFolder() / formats::kBookmarkFile), "Genesis--2:4\r\n");
    EXPECT_EQ(inst.libraryFiles(), before);

    const app::Launch again = app::prepareLaunch(inst.env(inst.home), inst.where);
    EXPECT_EQ(again.readerFolder, platform::FolderState::Existed);
    Session run(again);
    run.openGenesis();
    EXPECT_EQ(run.p.s.CurPage, 2);
    EXPECT_EQ(run.p.frmBkMrk().lstBkMrk.items(), std::vector<std::string>{"Genesis--2:4"});
    EXPECT_EQ(run.dialogs.shown, std::vector<std::string>{});
}

TEST(Launch, NoFolderForTheReadersFilesIsReported) {
    Installed inst;
    std::ofstream(inst.root / "plain") << "x";
    struct Row {
        const char* name;
        platform::Environment env;
        std::string firstMessage;
        bool ends;
    };
    const Row rows[] = {
        // Nothing would be saved: the reader is told at once, the program runs.
        {"a file in the way", inst.env(inst.home, (inst.root / "plain").string()),
         "The folder for the page history and the book marks could not be made: " +
             (inst.root / "plain").string() + "/tessary: Not a directory. They cannot be saved.",
         false},
        {"no home at all",
         {inst.home.string(), inst.bin.string(), "", ""},
         "Tessary cannot find a folder for the reader's files: neither XDG_DATA_HOME nor HOME "
         "names an absolute folder.",
         true},
    };
    for (const Row& r : rows) {
        Session run(app::prepareLaunch(r.env, inst.where));
        ASSERT_FALSE(run.dialogs.shown.empty()) << r.name;
        EXPECT_EQ(run.dialogs.shown.front(), r.firstMessage) << r.name;
        EXPECT_EQ(run.p.ended(), r.ends) << r.name;
    }
}

// The reader's folder vanishes while the program runs; FOLDER stands for it.
TEST(Launch, ReadersFilesThatCannotBeWrittenAreNeverLostSilently) {
    const std::string history = "FOLDER/!Tessary.ini: No such file or directory. The next start "
                                "shows the history last saved.";
    struct Row {
        const char* name;
        void (*act)(Session&);
        std::string message;
        bool ends;
    };
    const Row rows[] = {
        {"quit with saving", [](Session& r) { r.driver.menu(r.p.frmMain().mnuQuitWith); },
         "The page history could not be saved in " + history, true},
        {"delete the history and go on",
         [](Session& r) { r.driver.menu(r.p.frmMain().mnuOptionDelete); },
         "The page history could not be deleted in " + history, false},
        {"set a bookmark", [](Session& r) { reader::setBookmark(r.p, "2:4"); },
         "The book marks could not be saved in FOLDER/!Bookmarks.ini: No such file or directory. "
         "They are kept until Tessary ends; the next start shows the book marks last saved.",
         false},
    };
    for (const Row& r : rows) {
        Installed inst;
        Session run(app::prepareLaunch(inst.env(inst.home), inst.where));
        run.readGenesisPage2();
        fs::remove_all(inst.dataFolder());
        run.dialogs.shown.clear();
        r.act(run);
        std::string expected = r.message;
        if (const size_t at = expected.find("FOLDER"); at != std::string::npos)
            expected.replace(at, 6, inst.dataFolder().string());
        ASSERT_FALSE(run.dialogs.shown.empty()) << r.name;
        EXPECT_EQ(run.dialogs.shown.back(), expected) << r.name;
        EXPECT_EQ(run.p.ended(), r.ends) << r.name;
    }
}
