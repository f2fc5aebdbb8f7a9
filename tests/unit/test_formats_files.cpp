// The indexed files: the line at an offset, notes, dictionaries, books.
#include <gtest/gtest.h>

#include "formats/book_file.h"
#include "formats/dictionary_file.h"
#include "formats/notes_file.h"
#include "platform/data_folder.h"
#include "test_support.h"

namespace {

// A file in a temporary folder, opened for reading.
struct OpenFile : testing_support::TempDir {
    platform::TextFile file;
    explicit OpenFile(const std::string& content) {
        write("F", content);
        EXPECT_TRUE(file.open((dir / "F").string()));
    }
};

} // namespace

TEST(IndexedFile, LinesFromLineOneNotesAndDefinitionsByKey) {
    OpenFile f("<a>1<b>8*\r\na>one\r\nb>two\r\n");
    auto head = formats::readIndexHead(f.file);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->line, "<a>1<b>8*");
    EXPECT_EQ(head->length, 11); // with its CR LF
    EXPECT_EQ(formats::readLineAt(f.file, head->length, 8), "b>two");
    EXPECT_EQ(formats::readLineAt(f.file, head->length, 1), "a>one");
    EXPECT_EQ(formats::readLineAt(f.file, head->length, 3), "one"); // inside a line: from there
    EXPECT_FALSE(formats::readLineAt(f.file, head->length, 0));
    EXPECT_FALSE(formats::readLineAt(f.file, head->length, 15)); // at the end of the file
    EXPECT_FALSE(formats::readLineAt(f.file, head->length, 500));

    OpenFile empty("");
    EXPECT_FALSE(formats::readIndexHead(empty.file));
    // A bare LF after line 1 counts one byte.
    OpenFile lf("<a>1*\na>x\n");
    EXPECT_EQ(formats::readIndexHead(lf.file)->length, 6);
    // Notes at offsets 1, 15 and 27.
    OpenFile notes("<1>1<ab>15<a3>27*\r\n1>First note\r\nplain note\r\nlabel>Third\r\n");
    const auto notesHead = formats::readIndexHead(notes.file);
    ASSERT_TRUE(notesHead);
    EXPECT_EQ(formats::readNote(notes.file, *notesHead, "1"), ">First note");
    EXPECT_EQ(formats::readNote(notes.file, *notesHead, "ab"), "plain note"); // no ">": shown whole
    EXPECT_EQ(formats::readNote(notes.file, *notesHead, "a3"), ">Third");     // ended by "*"
    EXPECT_FALSE(formats::readNote(notes.file, *notesHead, "a"));  // a prefix of two keys
    EXPECT_FALSE(formats::readNote(notes.file, *notesHead, "A3")); // keys keep their case
    // After a failed lookup the next one still works.
    EXPECT_EQ(formats::readNote(notes.file, *notesHead, "1"), ">First note");
    const formats::VerseNotes verse = formats::splitVerseNotes("en arche<3,12");
    EXPECT_EQ(verse.verse, "en arche");
    EXPECT_EQ(verse.keys, "3,12");
    EXPECT_EQ(formats::splitVerseNotes("no notes").keys, "");
    auto keys = [](std::string_view list) {
        std::vector<std::string> found;
        for (const formats::NoteKey& k : formats::noteKeys(list))
            found.push_back(k.key);
        return found;
    };
    using List = std::vector<std::string>;
    EXPECT_EQ(keys("a,b,"), (List{"a", "b"}));
    EXPECT_EQ(keys("3,,9"), (List{"3", "", "9"}));
    EXPECT_EQ(keys(","), List{});
    EXPECT_EQ(formats::noteKeys("3,,9")[2].at, 3u);
    // Definitions by key.
    OpenFile dict("<lego>1<logos>15<\r\nlego: to say\r\nlogos: a word\r\n");
    const auto dictHead = formats::readIndexHead(dict.file);
    ASSERT_TRUE(dictHead);
    EXPECT_EQ(formats::readDefinition(dict.file, *dictHead, "logos"), "logos: a word");
    EXPECT_EQ(formats::readDefinition(dict.file, *dictHead, "lego"), "lego: to say");
    EXPECT_FALSE(formats::readDefinition(dict.file, *dictHead, "log"));
    // Without the closing "<" the last entry's offset cannot be read.
    OpenFile open("<lego>1<logos>15\r\nlego: to say\r\nlogos: a word\r\n");
    const auto openHead = formats::readIndexHead(open.file);
    EXPECT_FALSE(formats::readDefinition(open.file, *openHead, "logos"));
    EXPECT_EQ(formats::readDefinition(open.file, *openHead, "lego"), "lego: to say");
    EXPECT_EQ(formats::dictionaryLineKey("logos: a word: the"), "logos");
    EXPECT_EQ(formats::dictionaryLineKey("logos:a word"), "");
    const struct {
        const char *key, *lang, *file; // file "" when there is none
    } rows[] = {
        {"logos", "Grk", "lgrkdict.txd"},
        {"ab'", "Heb", "ahebdict.txd"},
        {"'ayin", "Heb", "ahebdict.txd"}, // the second letter after "'" or "-"
        {"-nun", "Heb", "nhebdict.txd"},
        {"qara", "Grk", "qhebdict.txd"}, // Greek q, u, v, y: the Hebrew files
        {"yesu", "Grk", "yhebdict.txd"},
        {"xenos", "Grk", "xgrkdict.txd"},
        {"xenos", "Heb", ""},
        {"fish", "Grk", ""},
        {"word", "Heb", ""},
        {"'", "Heb", ""},
        {"7up", "Grk", ""},
        {"Abba", "Heb", "Ahebdict.txd"}, // from "A" up a letter has its file
        {"plain", "", "pdict.txd"},
    };
    for (const auto& row : rows) {
        const formats::DictionaryChoice choice = formats::dictionaryFor(row.key, row.lang);
        EXPECT_EQ(choice.file.value_or(""), row.file) << row.key << " " << row.lang;
        EXPECT_EQ(choice.why.empty(), choice.file.has_value()) << row.key;
    }
}

TEST(BookFile, TheIndexBodyLinesAndPageKeys) {
    auto index = [](const std::string& line) {
        return formats::bookIndexOf({line, static_cast<long>(line.size()) + 2});
    };
    auto book = index("<1:1>1<1:2>23< 2:1 >42*");
    ASSERT_TRUE(book);
    EXPECT_EQ(book->firstEntry, "1:1");
    EXPECT_EQ(book->lastEntry, "2:1"); // trimmed
    EXPECT_EQ(book->firstPage, 1);
    EXPECT_EQ(book->lastPage, 2);
    EXPECT_EQ(book->head.length, 25);
    for (const char* bad :
         {"<1:1>1<2:1>42", "no entries*", "<1:1>1<2:1*", "<a>1<2:1>5*", "<1:1>1<x:1>5*", ""})
        EXPECT_FALSE(index(bad)) << bad;
    // What the page shows of these is in ShowPage.MarkersInTheBodyAndTheOriginalLanguagePart.
    EXPECT_EQ(formats::pageLineOf("1:1>In the beginning^ hebrew<a,b", true).text,
              "In the beginning^ hebrew<a,b");
    EXPECT_EQ(formats::pageLineOf("1:1>ends in^", true).rest, "");
    EXPECT_EQ(formats::pageLineOf("1:1>no caret", true).shown, "no caret");
    // Other books: a ">References:" cuts the text, which then counts towards the cap.
    EXPECT_EQ(formats::pageLineOf("3:1>Faith>References: Heb 11", false).text,
              "References: Heb 11");
    EXPECT_EQ(formats::pageLineOf("3:1>a^b", false).shown, "a^b");
    auto bare = formats::splitBodyLine("no mark");
    EXPECT_EQ(bare.key, "no mark");
    EXPECT_FALSE(bare.keyClosed);
    EXPECT_TRUE(formats::isEndMarker(" "));
    EXPECT_TRUE(formats::isFiller(""));
    EXPECT_FALSE(formats::isFiller("1:"));
    struct Row {
        std::string key;
        std::optional<long> read, written; // as the loader reads it, as index lines write it
    };
    for (const Row& row : {
             Row{"12:5", 12, 12},
             Row{"012:1", 12, std::nullopt},
             Row{"1:a<b", 1, std::nullopt},
             Row{"0:1", 0, 0},
             Row{"x:1", std::nullopt, std::nullopt},
             Row{"12", std::nullopt, std::nullopt},
         }) {
        EXPECT_EQ(formats::pageOfKey(row.key), row.read) << row.key;
        EXPECT_EQ(formats::writtenPageOfKey(row.key), row.written) << row.key;
    }
}
