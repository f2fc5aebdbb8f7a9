// The program's shared variables. Strings start empty, numbers and flags at
// zero; arrays are fixed and indexed from 0, as the procedures expect.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/text_file.h"

namespace app {

// A paragraph as a page text shows it: where it begins in the text (the
// index of its ">") and its key.
struct ShownParagraph {
    size_t start = 0;
    std::string key;
    bool operator==(const ShownParagraph&) const = default;
};

struct State {
    // Catalogue and start-up.
    std::string DataPath;
    std::string PadText;
    std::array<std::string, 151> Abbrev;
    int AbbrevLast = -1;
    std::array<std::string, 21> StartTitles;
    std::array<std::string, 1201> StartKeys;
    std::array<std::string, 1201> List1Keys;
    std::array<std::string, 901> FindAllFiles;
    int FindAllLast = 0;
    std::array<std::string, 901> List2Refs;
    std::string ListTitle;
    std::string SxxTitle;
    std::string BookKind;
    bool BibleMode = false;
    std::string LangStem;
    bool BookLists = false;
    std::string BackTo;
    std::string SelectForm;
    bool NoHistory = false;
    // Why the history file, or the bookmark file, could not be read at
    // start; while set, nothing is written over that file in this run.
    std::string HistoryUnread, BookmarksUnread;
    int RefLines = 0;

    // Book reading.
    std::string BookFile;
    std::string BookTitle;
    bool TitleKnown = false;
    std::string IndexFile;
    std::string IndexLine;
    long IndexLen = 0;
    // IndexFile as it stood when IndexLine was read: a file changed since is
    // read afresh.
    platform::FileStamp IndexStamp;
    long FirstPage = 0, LastPage = 0, CurPage = 0, ShownPage = 0, NavPage = 0;
    std::string FirstEntry, LastEntry;
    std::string PageText;
    // Every paragraph PageText shows, in order: the page loader knows where
    // each begins, so that a click is mapped by the page's structure and not
    // by what its text holds.
    std::vector<ShownParagraph> PageParas;
    bool PageGiven = false;
    bool KeyFound = false;
    long ParaCount = 0;
    long CurPara = 0;
    std::array<std::string, 2001> ParaList;
    std::array<std::string, 2001> VerseList;
    bool SearchHit = false;
    bool MarkPending = false;

    // Search.
    std::string HiliteText;
    int HiliteLen = 0;
    bool CaseSearch = false, WholeWordSearch = false, SearchAllBooks = false, FindFromText3 = false;
    std::string FindCaller, HitFile, HitKey;

    // Original-language study.
    bool DefShown = false;
    std::string SavedText32, SavedText33;

    // The value of a variable by name ("CurPage", "FindAllFiles(3)") as text:
    // integers in decimal, flags True/False. False for an unknown name.
    bool get(const std::string& name, std::string& out) const;
};

} // namespace app
