#include <gtest/gtest.h>

#include "formats/list_syntax.h"

using formats::listKind;
using formats::thirdLevelItem;

TEST(SplitAt, KeepsLaterSeparatorsInTheRightPart) {
    auto s = formats::splitAt("gen@Genesis@extra", '@');
    EXPECT_TRUE(s.found);
    EXPECT_EQ(s.left, "gen");
    EXPECT_EQ(s.right, "Genesis@extra");
    EXPECT_FALSE(formats::splitAt("no separator", '@').found);
}

TEST(ListKind, IsTheUpperCasedExtensionOrTheWholeKey) {
    EXPECT_EQ(listKind("oldhist.stx"), "STX");
    EXPECT_EQ(listKind("A.B.pre"), "B.PRE"); // the text after the first "."
    EXPECT_EQ(listKind("horvel"), "HORVEL");
}

TEST(ThirdLevelItem, HeadingsByKind) {
    // PBD and PNV: an empty right part makes a heading of the left part.
    EXPECT_EQ(thirdLevelItem("PBD", "Creation@")->shown, "Creation:-");
    auto pnv = thirdLevelItem("PNV", "Faith@");
    EXPECT_EQ(pnv->shown, "Faith:-");
    EXPECT_EQ(pnv->key, "");
    // PTQ and PRE: an empty left part makes a heading of the right part.
    EXPECT_EQ(thirdLevelItem("PTQ", "@Quotes")->shown, "Quotes:-");
    EXPECT_EQ(thirdLevelItem("PRE", "@Refs")->shown, "Refs:-");
    EXPECT_EQ(thirdLevelItem("PRE", "@Refs")->key, "");
}

TEST(ThirdLevelItem, ShownTextAndKeyByKind) {
    auto pnv = thirdLevelItem("PNV", "Love@joh 3:16\\");
    EXPECT_EQ(pnv->shown, ".Love");
    EXPECT_EQ(pnv->key, "joh 3:16\\");
    auto ptq = thirdLevelItem("PTQ", "mat 5:3\\@Blessed");
    EXPECT_EQ(ptq->shown, "Blessed");
    EXPECT_EQ(ptq->key, "mat 5:3\\");
    auto stx = thirdLevelItem("STX", "GEN@Genesis");
    EXPECT_EQ(stx->shown, "Genesis");
    EXPECT_EQ(stx->key, "GEN");
    auto stq = thirdLevelItem("STQ", "Question@answer");
    EXPECT_EQ(stq->shown, "Question");
    EXPECT_EQ(stq->key, "answer");
}

TEST(ThirdLevelItem, PreSplitsTheReferenceOff) {
    auto withRef = thirdLevelItem("PRE", "gen 1:1\\@Creation>Genesis 1:1");
    EXPECT_EQ(withRef->shown, " .Creation");
    EXPECT_EQ(withRef->key, "gen 1:1\\");
    EXPECT_EQ(withRef->ref, "Genesis 1:1");
    auto noRef = thirdLevelItem("PRE", "gen 1:1\\@Creation");
    EXPECT_EQ(noRef->shown, " .Creation");
    EXPECT_EQ(noRef->ref, "   ");
}

TEST(ThirdLevelItem, LinesThatAddNothing) {
    // An STX or SXX line without a key would break the pairing of item and key.
    EXPECT_FALSE(thirdLevelItem("STX", "@Orphan title"));
    EXPECT_FALSE(thirdLevelItem("SXX", "@Orphan title"));
    EXPECT_FALSE(thirdLevelItem("STX", "no separator here"));
    EXPECT_FALSE(thirdLevelItem("HORVEL", "a@b"));
}

TEST(LanguageOf, FirstMarkerWinsInItsFixedOrder) {
    EXPECT_EQ(formats::languageOf(".Prophetic Books"), "Heb");
    EXPECT_EQ(formats::languageOf("NEW Testament"), "Grk");
    // ".The Gospels" is tested before "OLD Testament".
    EXPECT_EQ(formats::languageOf("OLD Testament .The Gospels"), "Grk");
    EXPECT_EQ(formats::languageOf("Study Texts"), "");
    EXPECT_EQ(formats::languageOf("The Gospels"), ""); // the marker includes the "."
}

TEST(ItemsOpen, WhatAChosenItemOpensByTheKindOfItsList) {
    using formats::ItemsOpen;
    struct Row {
        const char* name;
        const char* kind;
        ItemsOpen opens;
    };
    for (const Row& row : {
             Row{"book list", "STX", ItemsOpen::Book},
             Row{"book list named like a second-level list", "SEL", ItemsOpen::Book},
             Row{"text files", "SXX", ItemsOpen::TextFile},
             Row{"passage lists", "PNV", ItemsOpen::Passages},
             Row{"passage lists with a note", "PRE", ItemsOpen::Passages},
             Row{"passage lists with their text as note", "PTQ", ItemsOpen::Passages},
             Row{"single passages", "PBD", ItemsOpen::OnePassage},
             Row{"questions naming books", "STQ", ItemsOpen::Nothing},
             Row{"kind in lower case", "stx", ItemsOpen::Nothing},
             Row{"unknown kind", "TXT", ItemsOpen::Nothing},
             Row{"no kind", "", ItemsOpen::Nothing},
         })
        EXPECT_EQ(formats::itemsOpen(row.kind), row.opens) << row.name;
}
