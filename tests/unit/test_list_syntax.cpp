// The catalogue's list files: lines split at "@", third-level kinds, division markers.
#include <gtest/gtest.h>

#include "formats/list_syntax.h"

using formats::thirdLevelItem;

// Lines without "@" are no items, later ones belong to the text; the list has a limit.
TEST(ListLines, EntriesTheirKindAndWhatItsItemsOpen) {
    const std::vector<std::string> lines = {"GEN@Genesis@1", "no separator", "", "@no key", "EXO@"};
    const auto all = formats::listEntries(lines, 10);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].key, "GEN");
    EXPECT_EQ(all[0].text, "Genesis@1");
    EXPECT_EQ(all[1].key, "");
    EXPECT_EQ(all[2].text, "");
    EXPECT_EQ(formats::listEntries(lines, 2).size(), 2u);
    EXPECT_TRUE(formats::listEntries(lines, 0).empty());
    // The kind is the upper-cased text after the key's first "."; items open by it.
    EXPECT_EQ(formats::listKind("oldhist.stx"), "STX");
    EXPECT_EQ(formats::listKind("A.B.pre"), "B.PRE");
    EXPECT_EQ(formats::listKind("horvel"), "HORVEL");
    using formats::ItemsOpen;
    for (const auto& [kind, opens] :
         {std::pair{"STX", ItemsOpen::Book}, std::pair{"SEL", ItemsOpen::Book},
          std::pair{"SXX", ItemsOpen::TextFile}, std::pair{"PNV", ItemsOpen::Passages},
          std::pair{"PRE", ItemsOpen::Passages}, std::pair{"PTQ", ItemsOpen::Passages},
          std::pair{"PBD", ItemsOpen::OnePassage}, std::pair{"STQ", ItemsOpen::Nothing},
          std::pair{"stx", ItemsOpen::Nothing}, std::pair{"TXT", ItemsOpen::Nothing},
          std::pair{"", ItemsOpen::Nothing}})
        EXPECT_EQ(formats::itemsOpen(kind), opens) << kind;
}

// Headings from an empty part, "." items, PRE's reference; lines that add no item at all.
TEST(ThirdLevelItem, ShownTextKeyAndReferenceByKindAndDivisionMarkers) {
    const struct {
        const char *kind, *line;
        std::optional<formats::ListItem> item;
    } rows[] = {
        {"PBD", "Creation@", formats::ListItem{"Creation:-", "", ""}},
        {"PNV", "Faith@", formats::ListItem{"Faith:-", "", ""}},
        {"PTQ", "@Quotes", formats::ListItem{"Quotes:-", "", ""}},
        {"PRE", "@Refs", formats::ListItem{"Refs:-", "", ""}},
        {"PNV", "Love@joh 3:16\\", formats::ListItem{".Love", "joh 3:16\\", ""}},
        {"PTQ", "mat 5:3\\@Blessed", formats::ListItem{"Blessed", "mat 5:3\\", ""}},
        {"STX", "GEN@Genesis", formats::ListItem{"Genesis", "GEN", ""}},
        {"STQ", "Question@answer", formats::ListItem{"Question", "answer", ""}},
        {"PRE", "gen 1:1\\@Creation>Genesis 1:1",
         formats::ListItem{" .Creation", "gen 1:1\\", "Genesis 1:1"}},
        {"PRE", "gen 1:1\\@Creation", formats::ListItem{" .Creation", "gen 1:1\\", "   "}},
        {"STX", "@Orphan title", std::nullopt},
        {"SXX", "@Orphan title", std::nullopt},
        {"STX", "no separator here", std::nullopt},
        {"HORVEL", "a@b", std::nullopt},
    };
    for (const auto& row : rows) {
        const auto item = thirdLevelItem(row.kind, row.line);
        ASSERT_EQ(item.has_value(), row.item.has_value()) << row.kind << " " << row.line;
        if (item) {
            EXPECT_EQ(item->shown, row.item->shown) << row.line;
            EXPECT_EQ(item->key, row.item->key) << row.line;
            EXPECT_EQ(item->ref, row.item->ref) << row.line;
        }
    }
    // The first division marker wins in its fixed order; the marker includes its ".".
    for (const auto& [text, language] :
         {std::pair{".Prophetic Books", "Heb"}, std::pair{"NEW Testament", "Grk"},
          std::pair{"OLD Testament .The Gospels", "Grk"}, std::pair{"Study Texts", ""},
          std::pair{"The Gospels", ""}})
        EXPECT_EQ(formats::languageOf(text), language) << text;
}
