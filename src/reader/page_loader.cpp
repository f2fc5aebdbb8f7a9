#include "reader/page_loader.h"

#include <optional>

#include "app/program.h"
#include "formats/book_file.h"
#include "formats/file_names.h"
#include "formats/trim.h"
#include "platform/text_file.h"
#include "shell/messages.h"

namespace reader {

namespace {

// What a load is about to read: everything is decided before any shared
// variable changes, so that a failed load leaves them all as they were. The
// held index is used where it is, never copied; a fresh one replaces it only
// when the load goes ahead.
struct Plan {
    std::optional<formats::BookIndex> fresh;
    long firstPage = 0, navPage = 0, curPage = 0;
    std::string entry;
};

} // namespace

void getBookTitle(app::Program& p) {
    app::State& s = p.s;
    const std::string stem = formats::titleStem(s.BookFile);
    for (int i = 0; i <= s.AbbrevLast - 1; ++i) {
        const std::string& entry = s.Abbrev[static_cast<size_t>(i)];
        if (entry.compare(0, stem.size(), stem) != 0 || entry.size() < stem.size())
            continue;
        std::string title = entry.substr(std::min(entry.find('=') + 1, entry.size()));
        s.BookTitle = title.substr(0, title.find(','));
        s.TitleKnown = true;
        return;
    }
    s.BookTitle = "Unknown";
    s.TitleKnown = false;
}

bool showPage(app::Program& p, const std::string& fileArg, const std::string& page,
              IfMissing ifMissing) {
    app::State& s = p.s;
    const std::string file = fileArg.empty() ? s.BookFile : fileArg;
    const std::string corrupt = shell::missingFileMessage(file);
    auto path = p.data().resolve(s.DataPath + file);
    platform::TextFile book;
    if (!path || !book.open(*path)) {
        p.message(corrupt);
        return false;
    }

    Plan plan{std::nullopt, s.FirstPage, s.NavPage, s.CurPage, {}};
    // The index is read afresh for a book not held, and for the book held
    // once its file has changed since (a hand edit, a new index): the held
    // index would lead to the wrong bytes. Paging commands otherwise work on
    // the held index.
    const bool command = page == "First" || page == "Next" || page == "Prev" || page == "Last";
    const platform::FileStamp stamp = book.stamp();
    const bool changed = file == s.IndexFile && stamp != s.IndexStamp;
    if (changed || (!command && file != s.IndexFile)) {
        auto head = formats::readIndexHead(book);
        plan.fresh = head ? formats::bookIndexOf(std::move(*head)) : std::nullopt;
        if (!plan.fresh) {
            p.message(corrupt);
            return false;
        }
        plan.firstPage = plan.navPage = plan.fresh->firstPage;
    }
    // The index line the page is looked up in: the held one, or the fresh one.
    const std::string* index = plan.fresh ? &plan.fresh->head.line : &s.IndexLine;
    const long lastPage = plan.fresh ? plan.fresh->lastPage : s.LastPage;
    if (page == "First") {
        plan.navPage = plan.curPage = plan.firstPage;
        plan.entry = plan.fresh ? plan.fresh->firstEntry : s.FirstEntry;
    } else if (page == "Next") {
        // The entry after the current page's last one; that one itself when none follows.
        auto at = formats::findLastPageEntry(*index, std::to_string(s.CurPage));
        if (!at)
            at = formats::firstEntry(*index);
        if (auto next = at ? formats::entryAfter(*index, *at) : std::nullopt)
            at = next;
        auto n = at ? formats::pageOfKey(formats::keyAt(*index, *at)) : std::nullopt;
        if (!n) {
            p.message(corrupt);
            return false;
        }
        plan.entry = formats::keyAt(*index, *at);
        plan.navPage = plan.curPage = *n;
    } else if (page == "Prev") {
        // The highest page below the current one that has an entry.
        const auto below = formats::findHighestPageBelow(*index, plan.firstPage, s.CurPage);
        if (!below) {
            p.message("Beginning of Book");
            return false;
        }
        plan.entry = formats::keyAt(*index, below->at);
        plan.navPage = plan.curPage = below->page;
    } else if (page == "Last") {
        plan.navPage = plan.curPage = lastPage;
        auto at = formats::findPageEntry(*index, std::to_string(lastPage));
        plan.entry = at ? std::string(formats::keyAt(*index, *at))
                        : (plan.fresh ? plan.fresh->lastEntry : s.LastEntry);
    } else {
        if (page.empty()) {
            plan.curPage = plan.firstPage;
            plan.entry = plan.fresh ? plan.fresh->firstEntry : s.FirstEntry;
        } else {
            const std::string_view wanted =
                formats::trimBlanks(std::string_view(page).substr(0, page.find(':')));
            auto at = formats::findPageEntry(*index, wanted);
            if (!at && ifMissing == IfMissing::FirstPage)
                at = formats::firstEntry(*index);
            if (!at) {
                p.message("Page Not Found");
                return false;
            }
            plan.entry = formats::keyAt(*index, *at);
            auto n = formats::pageOfKey(plan.entry);
            if (!n) {
                p.message(corrupt);
                return false;
            }
            plan.curPage = *n;
        }
    }

    // One seek to the entry's line.
    const long indexLen = plan.fresh ? plan.fresh->head.length : s.IndexLen;
    auto offset = formats::offsetOfKey(*index, plan.entry, formats::IndexEnd::Star);
    if (!offset || !formats::seekToOffset(book, indexLen, *offset)) {
        p.message(corrupt);
        return false;
    }

    // The load goes ahead: from here on the shared variables change.
    const std::string wantedKey = page.find(':') != std::string::npos ? page : plan.entry;
    s.PageGiven = !page.empty();
    if (plan.fresh) {
        s.IndexLine = std::move(plan.fresh->head.line);
        s.IndexLen = plan.fresh->head.length;
        s.FirstEntry = std::move(plan.fresh->firstEntry);
        s.LastEntry = std::move(plan.fresh->lastEntry);
        s.FirstPage = plan.fresh->firstPage;
        s.LastPage = plan.fresh->lastPage;
        s.IndexStamp = stamp;
    }
    s.NavPage = plan.navPage;
    s.CurPage = plan.curPage;
    s.BookFile = file;
    s.IndexFile = file;
    s.ParaCount = 0;
    getBookTitle(p);
    s.PageText.clear();
    s.PageParas.clear();

    const std::string stem = formats::bookStem(file);
    // The page's length as the limit counts it: before "%" becomes an empty line.
    size_t built = 0;
    bool showing = false;
    std::string line;
    while (book.readLine(line)) {
        if (formats::isEndMarker(line))
            break;
        if (formats::isFiller(line) && !book.readLine(line))
            break;
        const formats::PageLine at = formats::pageLineOf(line, s.BibleMode);
        const std::string key(at.key);
        if (key == wantedKey) {
            showing = true;
            s.KeyFound = true;
        }
        auto n = formats::pageOfKey(key);
        if (!n || *n > s.CurPage)
            break;
        s.ShownPage = *n;
        if (built + at.text.size() > formats::kMaxPageChars ||
            s.ParaCount >= formats::kMaxPageLines)
            break;
        const std::string shown(at.shown);
        if (showing) {
            const std::string paragraph = ">" + shown + " {" + stem + " " + key + "}\r\n\r\n";
            built += paragraph.size();
            s.PageParas.push_back({s.PageText.size(), key});
            s.PageText += formats::withParagraphBreaks(paragraph, "\r\n\r\n");
        }
        ++s.ParaCount;
        s.ParaList[static_cast<size_t>(s.ParaCount)] = key + ">" + shown;
        if (s.BibleMode)
            s.VerseList[static_cast<size_t>(s.ParaCount)] = std::string(at.rest);
    }
    s.PageText += std::string(600, ' ');
    return true;
}

} // namespace reader
