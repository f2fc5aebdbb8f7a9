#include <gtest/gtest.h>

#include "book_builder.h"
#include "reader/bookmarks.h"
#include "reader/frm_bkmrk.h"
#include "reader/frm_text1.h"
#include "reader/page_loader.h"
#include "test_support.h"
#include "ui/value.h"

namespace {

using reader::bookmarkItem;
using reader::bookmarkTitlePart;
using reader::parseBookmark;

// Two books in the abbreviation table: an essay book and a Bible book.
struct Marks : testing_support::TestProgram {
    reader::FrmBkMrk& list;
    reader::FrmText1& reading;
    Marks() : list(p->frmBkMrk()), reading(p->frmText1()) {
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
    }
    // Opens a book at its first page in the reading window.
    void open(const std::string& file, bool bible) {
        s().BibleMode = bible;
        ASSERT_TRUE(reader::showPage(*p, file, ""));
        reading.showText();
        reading.show();
    }
    const std::vector<std::string>& items() const { return list.lstBkMrk.items(); }
};

} // namespace

TEST(BookmarkItem, TitlePartAndSeparator) {
    EXPECT_EQ(bookmarkTitlePart("Collected Letters by an author"), "Collected Letters");
    // "," comes first, also when " by" stands before it.
    EXPECT_EQ(bookmarkTitlePart("Words by Night, a memoir"), "Words by Night");
    // Only a small " by" cuts.
    EXPECT_EQ(bookmarkTitlePart("Stand By Me"), "Stand By Me");
    EXPECT_EQ(bookmarkTitlePart("Nearby"), "Nearby");
    EXPECT_EQ(bookmarkTitlePart(""), "");
    EXPECT_EQ(bookmarkItem("Collected Letters by an author", false, "12:3"),
              "Collected Letters-12:3");
    EXPECT_EQ(bookmarkItem("John", true, "3:16"), "John--3:16");
}

TEST(BookmarkItem, ReadBackAtTheLastSeparatorBeforeTheColon) {
    struct Row {
        std::string item;
        bool bible;
        std::string title, key;
    };
    for (const Row& r : std::vector<Row>{
             {"Short-Stories-12:3", false, "Short-Stories", "12:3"},
             {"John--3:16", true, "John", "3:16"},
             {"Half-Bible--3:16", true, "Half-Bible", "3:16"},
             {"  Spaced  -1:2", false, "Spaced", "1:2"},
             // Separators after the first ":" belong to the key.
             {"Book-1:2-3", false, "Book", "1:2-3"},
         }) {
        const auto place = parseBookmark(r.item);
        ASSERT_TRUE(place) << r.item;
        EXPECT_EQ(place->bible, r.bible) << r.item;
        EXPECT_EQ(place->title, r.title) << r.item;
        EXPECT_EQ(place->key, r.key) << r.item;
    }
    EXPECT_FALSE(parseBookmark("no colon-here"));
    EXPECT_FALSE(parseBookmark("Title 12:3"));
    EXPECT_FALSE(parseBookmark(""));
}

TEST(BookmarkItem, TheTitleNamesItsBookThroughTheAbbreviations) {
    Marks t;
    EXPECT_EQ(reader::bookFileOfTitle(t.s(), "Short-Stories"), "ESS.TXV");
    EXPECT_EQ(reader::bookFileOfTitle(t.s(), "John"), "JN.TXV");
    // Containment is case-sensitive, and the last filled slot is not examined.
    EXPECT_EQ(reader::bookFileOfTitle(t.s(), "john"), "");
    EXPECT_EQ(reader::bookFileOfTitle(t.s(), "End of table"), "");
    t.s().Abbrev[0] = " ess =Short-Stories";
    EXPECT_EQ(reader::bookFileOfTitle(t.s(), "Short-Stories"), "ESS.TXV");
}

TEST(SetBookmark, AddsEachPlaceOnceInTheOrderSet) {
    Marks t;
    t.s().BookTitle = "John";
    t.s().BibleMode = true;
    reader::setBookmark(*t.p, "3:16");
    t.s().BibleMode = false;
    reader::setBookmark(*t.p, "3:16"); // another separator: another bookmark
    reader::setBookmark(*t.p, "1:1");
    EXPECT_TRUE(t.dialogs.shown.empty());
    reader::setBookmark(*t.p, "3:16");
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>{"Book Mark already exists"});
    EXPECT_EQ(t.items(), (std::vector<std::string>{"John--3:16", "John-3:16", "John-1:1"}));
    EXPECT_FALSE(t.list.visible());
}

TEST(GotoBookmark, OpensThePageWithTheParagraphMarked) {
    Marks t;
    t.open("JN.TXV", true);
    t.reading.btnNext.setEnabled(false);
    t.s().DefShown = true;
    t.list.show(); // the list is the active window when a bookmark is followed
    reader::gotoBookmark(*t.p, "Short-Stories-2:2", 0);
    EXPECT_EQ(t.s().BookFile, "ESS.TXV");
    EXPECT_FALSE(t.reading.page().BibleMode);
    EXPECT_EQ(t.s().CurPage, 2);
    // CurPara is the line's index in ParaList, not its page.
    EXPECT_EQ(t.s().CurPara, 2);
    EXPECT_EQ(t.s().ParaList[2], "2:2>The marked paragraph");
    EXPECT_EQ(t.reading.Text1.text(), t.s().PageText + t.s().PadText);
    const std::string& text = t.reading.Text1.text();
    EXPECT_EQ(text.substr(static_cast<size_t>(t.reading.Text1.selStart()),
                          static_cast<size_t>(t.reading.Text1.selLength())),
              "The marked paragraph {ess 2:2}");
    EXPECT_TRUE(t.reading.btnNext.Enabled);
    EXPECT_EQ(t.reading.btnPrev.backColor(), ui::kLightGrey);
    EXPECT_FALSE(t.s().DefShown);
    EXPECT_TRUE(t.reading.front());
    // Its activation took the mark request.
    EXPECT_FALSE(t.s().MarkPending);
}

TEST(GotoBookmark, TheSearchedTextIsSelectedWhenThePageHoldsIt) {
    Marks t;
    t.open("JN.TXV", true);
    t.s().HiliteText = "marked";
    t.s().HiliteLen = 6;
    t.list.show();
    reader::gotoBookmark(*t.p, "Short-Stories-2:2", 0);
    const std::string& text = t.reading.Text1.text();
    EXPECT_EQ(t.reading.Text1.selStart(), static_cast<int>(text.find("marked")));
    EXPECT_EQ(t.reading.Text1.selLength(), 6);
}

TEST(GotoBookmark, ABibleVerseSetsBibleMode) {
    Marks t;
    t.open("ESS.TXV", false);
    reader::gotoBookmark(*t.p, "John--3:16", 0);
    EXPECT_TRUE(t.reading.page().BibleMode);
    EXPECT_EQ(t.s().BookFile, "JN.TXV");
    EXPECT_EQ(t.s().CurPara, 2);
    EXPECT_EQ(t.s().VerseList[2], "houtos gar");
    // A title that the table does not hold: the key is looked up in the current book.
    reader::gotoBookmark(*t.p, "Unknown--3:1", 0);
    EXPECT_EQ(t.s().BookFile, "JN.TXV");
    EXPECT_EQ(t.s().CurPage, 3);
    EXPECT_EQ(t.s().CurPara, 1);
}

TEST(GotoBookmark, AKeyThatCannotBeLoadedLeavesTheWindowAsItWas) {
    Marks t;
    t.open("JN.TXV", true);
    const std::string shown = t.reading.Text1.text();
    // A page the book does not have: the loader's message, the Bible book stays.
    reader::gotoBookmark(*t.p, "Short-Stories-9:1", 0);
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>{"Page Not Found"});
    EXPECT_EQ(t.s().BookFile, "JN.TXV");
    EXPECT_TRUE(t.s().BibleMode);
    EXPECT_EQ(t.reading.Text1.text(), shown);
    // A key found by an earlier load does not count for this one: page 2
    // exists, its paragraph 7 does not.
    t.s().KeyFound = true;
    reader::gotoBookmark(*t.p, "Short-Stories-2:7", 0);
    EXPECT_FALSE(t.s().KeyFound);
    EXPECT_EQ(t.reading.Text1.text(), shown);
    EXPECT_FALSE(t.s().MarkPending);
    // Items without a ":" or without a "-" before it do nothing.
    reader::gotoBookmark(*t.p, "Short-Stories", 0);
    reader::gotoBookmark(*t.p, "Nothing 2:2", 0);
    EXPECT_EQ(t.reading.Text1.text(), shown);
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
}
