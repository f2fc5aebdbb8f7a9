// Bookmarks set and followed, and their file: read at start, saved at every change, failures told.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "book_builder.h"
#include "formats/bookmark_file.h"
#include "platform/data_folder.h"
#include "reader/bookmark_store.h"
#include "reader/bookmarks.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_text1.h"
#include "reader/page_loader.h"
#include "test_support.h"
#include "ui/value.h"

namespace fs = std::filesystem;

namespace {

const std::string kFile = "!Bookmarks.ini";
const std::string kReadFailure = "The book marks could not be read from !Bookmarks.ini: ";
const std::string kReadEnd = ". The list starts empty; the file is left as it is until you set "
                             "or clear book marks.";
const std::string kUnreadEnd = ". The list starts empty; the file is left as it is, and book "
                               "marks set until Tessary ends are not saved in it.";
std::string leftAlone(const std::string& why) {
    return "it could not be read when Tessary started (" + why + ") and is left as it is";
}
std::string saveFailure(const fs::path& dir) {
    return "The book marks could not be saved in " + (dir / "!Bookmarks.ini").string() + ": ";
}
const std::string kSaveEnd =
    ". They are kept until Tessary ends; the next start shows the book marks last saved.";

// An essay book and a Bible book in the abbreviation table.
struct Marks : testing_support::TestProgram {
    reader::FrmText1& reading;
    Marks() : reading(p->frmText1()) {
        write("ESS.TXV", testing_books::makeBook({
                             {"1:1>Opening words"},
                             {"2:1>Second page"},
                             {"2:2>The marked paragraph"},
                         }));
        write("JN.TXV", testing_books::makeBook({
                            {"1:1>In the beginning^ en arche"},
                            {"3:1>There was a man^ en de"},
                            {"3:16>For God so loved^ houtos gar"},
                        }));
        const char* table[] = {"ess=Short-Stories, collected", "jn=John", "end=End of table"};
        for (size_t i = 0; i < 3; ++i)
            s().Abbrev[i] = table[i];
        s().AbbrevLast = 2;
        s().BookTitle = "Letters, collected";
    }
    void open(const std::string& file, bool bible) {
        s().BibleMode = bible;
        ASSERT_TRUE(reader::showPage(*p, file, ""));
        reading.showText();
        reading.show();
    }
    std::vector<std::string> items() {
        ui::Window* w = p->window("frmBkMrk");
        return w->loaded() ? p->frmBkMrk().lstBkMrk.items() : std::vector<std::string>{};
    }
    void mark(const std::string& key) { reader::setBookmark(*p, key); }
    void clear() { p->frmBkMrk().btnClear.click(); }
    std::string read() const { return testing_support::readFile(dir / kFile); }
    std::vector<std::string> names() const { // but the books
        std::vector<std::string> all = testing_support::namesIn(dir);
        std::erase_if(all, [](const std::string& n) { return n.ends_with(".TXV"); });
        return all;
    }
};

// Whether this process is refused what root is not: reading path, creating a file in dir.
bool cannotRead(const fs::path& path) {
    return !std::ifstream(path, std::ios::binary).is_open();
}
bool cannotCreateIn(const fs::path& dir) {
    const bool created = std::ofstream(dir / "probe").is_open();
    std::error_code ec;
    fs::remove(dir / "probe", ec);
    return !created;
}

} // namespace

// A title names its book by case-sensitive containment, a book its title by the first entry
// its stem begins; the last filled slot is not examined.
TEST(Bookmarks, TheTitleNamesItsBook) {
    Marks t;
    for (const auto& [file, title] : {std::pair{"E.TXV", "Short-Stories"},
                                      {"JNX.TXV", "Unknown"},
                                      {"JN.TXV", "John"},
                                      {"END.TXV", "Unknown"}}) {
        t.s().BookFile = file;
        reader::getBookTitle(*t.p);
        EXPECT_EQ(t.s().BookTitle, title) << file;
    }
    EXPECT_FALSE(t.s().TitleKnown);
    for (const auto& [title, file] :
         {std::pair{"Short-Stories", "ESS.TXV"}, std::pair{"John", "JN.TXV"}, std::pair{"john", ""},
          std::pair{"End of table", ""}})
        EXPECT_EQ(reader::bookFileOfTitle(t.s(), title), file) << title;
    t.s().Abbrev[0] = " ess =Short-Stories";
    EXPECT_EQ(reader::bookFileOfTitle(t.s(), "Short-Stories"), "ESS.TXV");
}

// Items the file could not give back are refused, as is one past the limit; the file stays.
TEST(Bookmarks, ItemsTheFileCannotHoldAreRefused) {
    Marks t;
    t.mark("7");                      // no ":" to follow
    t.s().BookTitle = "Bad\x01Title"; // a control character from a damaged table
    t.mark("1:1");
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>(2, "Book Mark cannot be set here"));
    EXPECT_TRUE(t.items().empty());
    EXPECT_TRUE(t.names().empty());
    Marks full;
    std::vector<std::string> items;
    for (size_t i = 0; i < formats::kMaxBookmarks; ++i)
        items.push_back("Letters-1:" + std::to_string(i));
    full.write(kFile, formats::bookmarkFileText(items));
    reader::readBookmarks(*full.p);
    full.mark("9:9");
    EXPECT_EQ(full.dialogs.shown,
              std::vector<std::string>{"Book Mark list is full (4096 book marks)"});
    EXPECT_EQ(full.items().size(), formats::kMaxBookmarks);
    EXPECT_EQ(full.read(), formats::bookmarkFileText(items));
}

// Following a bookmark opens its page in its book's mode with the paragraph selected.
TEST(Bookmarks, GotoOpensThePageWithTheParagraphMarked) {
    Marks t;
    t.open("JN.TXV", true);
    t.reading.btnNext.setEnabled(false);
    t.s().DefShown = true;
    t.s().HiliteText = "marked";
    t.s().HiliteLen = 6;
    t.p->frmBkMrk().show();
    reader::gotoBookmark(*t.p, "Short-Stories-2:2", 0);
    EXPECT_EQ(t.s().BookFile, "ESS.TXV");
    EXPECT_FALSE(t.reading.page().BibleMode);
    EXPECT_EQ(t.s().CurPara, 2);
    EXPECT_EQ(t.reading.Text1.text(), t.s().PageText + t.s().PadText);
    EXPECT_EQ(t.reading.Text1.selStart(), static_cast<int>(t.reading.Text1.text().find("marked")));
    EXPECT_EQ(t.reading.Text1.selLength(), 6);
    EXPECT_TRUE(t.reading.btnNext.Enabled);
    EXPECT_EQ(t.reading.btnPrev.backColor(), ui::kLightGrey);
    EXPECT_FALSE(t.s().DefShown);
    EXPECT_TRUE(t.reading.front());
    EXPECT_FALSE(t.s().MarkPending);             // its activation took the mark request
    reader::gotoBookmark(*t.p, "John--3:16", 0); // CurPara: the line, not the page
    EXPECT_TRUE(t.reading.page().BibleMode);
    EXPECT_EQ(t.s().CurPara, 2);
    EXPECT_EQ(t.s().VerseList[2], "houtos gar");
    reader::gotoBookmark(*t.p, "Unknown--3:1", 0); // the current book
    EXPECT_EQ(t.s().BookFile, "JN.TXV");
    EXPECT_EQ(t.s().CurPara, 1);
}

// A page the book lacks or an item without "-...:" leaves the window as it was.
TEST(Bookmarks, AKeyThatCannotBeLoadedLeavesTheWindowAsItWas) {
    Marks t;
    t.open("JN.TXV", true);
    const std::string shown = t.reading.Text1.text();
    reader::gotoBookmark(*t.p, "Short-Stories-9:1", 0);
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>{"Page Not Found"});
    EXPECT_EQ(t.s().BookFile, "JN.TXV");
    EXPECT_TRUE(t.s().BibleMode);
    t.s().KeyFound = true;
    reader::gotoBookmark(*t.p, "Short-Stories-2:7", 0);
    EXPECT_FALSE(t.s().KeyFound);
    EXPECT_FALSE(t.s().MarkPending);
    reader::gotoBookmark(*t.p, "Short-Stories", 0);
    reader::gotoBookmark(*t.p, "Nothing 2:2", 0);
    EXPECT_EQ(t.reading.Text1.text(), shown);
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
}

// Reading never writes: a damaged file stays until the list changes.
TEST(BookmarkStore, ReadAtStart) {
    const struct {
        const char* name;
        std::string content;
        std::vector<std::string> items;
        std::string message; // empty: no message
    } rows[] = {
        {"two bookmarks in their order",
         "Letters-2:1\r\nJohn--3:16\r\n",
         {"Letters-2:1", "John--3:16"},
         ""},
        {"a line that is no bookmark",
         "Letters-2:1\r\nChapter two\r\n",
         {},
         kReadFailure + "line 2 is not a book mark" + kReadEnd},
        {"a file too large",
         std::string(formats::kMaxBookmarkFileSize + 5, 'x'),
         {},
         kReadFailure + "it is larger than 2056192 bytes" + kReadEnd},
    };
    for (const auto& r : rows) {
        Marks t;
        t.write(kFile, r.content);
        reader::readBookmarks(*t.p);
        EXPECT_EQ(t.items(), r.items) << r.name;
        EXPECT_EQ(t.dialogs.shown,
                  r.message.empty() ? std::vector<std::string>{} : std::vector{r.message});
        EXPECT_EQ(t.read(), r.content) << r.name;
        EXPECT_EQ(t.names(), std::vector<std::string>{kFile}) << r.name;
        EXPECT_FALSE(t.p->window("frmBkMrk")->visible());
        t.mark("5:1");
        EXPECT_EQ(t.read(), formats::bookmarkFileText(t.items())) << r.name;
    }
    Marks none;
    reader::readBookmarks(*none.p);
    EXPECT_TRUE(none.dialogs.shown.empty());
    EXPECT_FALSE(none.p->window("frmBkMrk")->loaded());
    EXPECT_TRUE(none.names().empty());
}

// What cannot be read (a folder, a locked file) is told and left alone by every save.
TEST(BookmarkStore, WhatCannotBeReadIsToldAndKept) {
    Marks folder;
    fs::create_directories(folder.dir / kFile / "inside");
    reader::readBookmarks(*folder.p);
    folder.mark("2:1");
    EXPECT_EQ(folder.dialogs.shown,
              (std::vector<std::string>{kReadFailure + "Is a directory" + kUnreadEnd,
                                        saveFailure(folder.dir) + leftAlone("Is a directory") +
                                            kSaveEnd}));
    EXPECT_FALSE(reader::saveBookmarks(*folder.p));
    EXPECT_EQ(folder.items(), std::vector<std::string>{"Letters-2:1"});
    EXPECT_TRUE(fs::is_directory(folder.dir / kFile / "inside"));
    Marks locked;
    locked.write(kFile, "Letters-2:1\r\n");
    fs::permissions(locked.dir / kFile, fs::perms::none);
    const bool refused = cannotRead(locked.dir / kFile);
    reader::readBookmarks(*locked.p);
    fs::permissions(locked.dir / kFile, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(locked.dialogs.shown,
              refused ? std::vector{kReadFailure + "Permission denied" + kUnreadEnd}
                      : std::vector<std::string>{});
    EXPECT_EQ(locked.items().empty(), refused);
    EXPECT_EQ(locked.read(), "Letters-2:1\r\n");
}

// A save refused or cut short is told; the file keeps the last saved list.
TEST(BookmarkStore, AFailedSaveIsToldAndTheFileKeepsTheLastSavedList) {
    Marks t;
    t.write(kFile, "Letters-2:1\r\n");
    reader::readBookmarks(*t.p);
    fs::permissions(t.dir, fs::perms::owner_read | fs::perms::owner_exec);
    const bool refused = cannotCreateIn(t.dir);
    t.mark("3:1");
    t.clear();
    fs::permissions(t.dir, fs::perms::owner_all);
    EXPECT_TRUE(t.items().empty());
    EXPECT_EQ(t.dialogs.shown, refused ? std::vector<std::string>(
                                             2, saveFailure(t.dir) + "Permission denied" + kSaveEnd)
                                       : std::vector<std::string>{});
    EXPECT_EQ(t.read(), refused ? "Letters-2:1\r\n" : "");
    EXPECT_EQ(t.names(), std::vector<std::string>{kFile});
    t.mark("2:1");
    const auto toldTooLarge = [&t] {
        t.dialogs.shown.clear();
        t.mark("4:1");
        return t.dialogs.shown == std::vector{saveFailure(t.dir) + "File too large" + kSaveEnd};
    };
    EXPECT_EQ(testing_support::inChildWithSizeLimit(16, toldTooLarge), 0);
    EXPECT_EQ(t.read(), "Letters-2:1\r\n");
    EXPECT_EQ(t.names(), std::vector<std::string>{kFile});
}
