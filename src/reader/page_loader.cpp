#include "reader/page_loader.h"

#include <optional>

#include "app/program.h"
#include "catalogue/list_syntax.h"
#include "platform/text_file.h"
#include "shell/messages.h"

namespace reader {

namespace {

constexpr size_t kMaxPageChars = 32000;
constexpr long kMaxLines = 2000;

std::string trim(const std::string& s) {
    auto b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// A whole decimal number, blanks around it allowed; nothing otherwise.
std::optional<long> number(const std::string& text) {
    const std::string t = trim(text);
    if (t.empty() || t.size() > 9)
        return std::nullopt;
    long v = 0;
    for (char c : t) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// The page number of a key page:para.
std::optional<long> pageOf(const std::string& key) {
    auto colon = key.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    return number(key.substr(0, colon));
}

// The key of the index entry whose "<" stands at pos.
std::string keyAt(const std::string& index, size_t pos) {
    auto close = index.find('>', pos);
    if (close == std::string::npos)
        return index.substr(pos + 1);
    return index.substr(pos + 1, close - pos - 1);
}

// The last occurrence of needle, which starts with "<": walking back over
// the "<" marks is much faster than a general backwards substring search.
size_t lastEntryOf(const std::string& index, const std::string& needle) {
    for (size_t at = index.rfind('<'); at != std::string::npos;
         at = at ? index.rfind('<', at - 1) : std::string::npos)
        if (index.compare(at, needle.size(), needle) == 0)
            return at;
    return std::string::npos;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// What a load is about to read: everything is decided before any shared
// variable changes, so that a failed load leaves them all as they were.
struct Plan {
    std::string indexLine;
    long indexLen = 0;
    std::string firstEntry, lastEntry;
    long firstPage = 0, lastPage = 0, navPage = 0, curPage = 0;
    std::string entry;
    long seekTo = 0;
};

// Reads line 1 of an open book into plan; false when it is not an index.
bool readIndex(platform::TextFile& file, Plan& plan) {
    if (!file.readLine(plan.indexLine))
        return false;
    plan.indexLen = file.position() - 1;
    const std::string& line = plan.indexLine;
    auto first = line.find('<');
    auto last = line.rfind('<');
    if (first == std::string::npos || line.find('*') == std::string::npos)
        return false;
    auto firstClose = line.find('>', first);
    auto lastClose = line.find('>', last);
    if (firstClose == std::string::npos || lastClose == std::string::npos)
        return false;
    plan.firstEntry = trim(line.substr(first + 1, firstClose - first - 1));
    plan.lastEntry = trim(line.substr(last + 1, lastClose - last - 1));
    auto fp = pageOf(plan.firstEntry);
    auto lp = pageOf(plan.lastEntry);
    if (!fp || !lp)
        return false;
    plan.firstPage = *fp;
    plan.lastPage = *lp;
    plan.navPage = plan.firstPage;
    return true;
}

} // namespace

std::string bookStem(const std::string& file) {
    auto dot = file.find('.');
    if (dot == std::string::npos)
        return {};
    return catalogue::lower(file.substr(0, dot));
}

void getBookTitle(app::Program& p) {
    app::State& s = p.s;
    auto dot = s.BookFile.find('.');
    const std::string stem = catalogue::lower(
        trim(dot == std::string::npos ? std::string() : s.BookFile.substr(0, dot)));
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

    Plan plan{s.IndexLine, s.IndexLen, s.FirstEntry, s.LastEntry, s.FirstPage,
              s.LastPage,  s.NavPage,  s.CurPage,    {},          0};
    const std::string& index = plan.indexLine;
    if (page == "First") {
        plan.navPage = plan.curPage = plan.firstPage;
        plan.entry = plan.firstEntry;
    } else if (page == "Next") {
        auto at = lastEntryOf(index, "<" + std::to_string(s.CurPage) + ":");
        if (at == std::string::npos)
            at = index.find('<');
        auto next = index.find('<', at + 1);
        plan.entry = keyAt(index, next == std::string::npos ? at : next);
        auto n = pageOf(plan.entry);
        if (!n) {
            p.message(corrupt);
            return false;
        }
        plan.navPage = plan.curPage = *n;
    } else if (page == "Prev") {
        long n = s.CurPage - 1;
        size_t at = std::string::npos;
        for (; n >= plan.firstPage; --n)
            if ((at = index.find("<" + std::to_string(n) + ":")) != std::string::npos)
                break;
        if (at == std::string::npos) {
            p.message("Beginning of Book");
            return false;
        }
        plan.entry = keyAt(index, at);
        plan.navPage = plan.curPage = n;
    } else if (page == "Last") {
        plan.navPage = plan.curPage = plan.lastPage;
        auto at = index.find("<" + std::to_string(plan.lastPage) + ":");
        plan.entry = at == std::string::npos ? plan.lastEntry : keyAt(index, at);
    } else {
        if (file != s.IndexFile && !readIndex(book, plan)) {
            p.message(corrupt);
            return false;
        }
        if (page.empty()) {
            plan.curPage = plan.firstPage;
            plan.entry = plan.firstEntry;
        } else {
            const std::string wanted = trim(page.substr(0, page.find(':')));
            auto at = plan.indexLine.find("<" + wanted + ":");
            if (at == std::string::npos && ifMissing == IfMissing::FirstPage)
                at = plan.indexLine.find('<');
            if (at == std::string::npos) {
                p.message("Page Not Found");
                return false;
            }
            plan.entry = keyAt(plan.indexLine, at);
            auto n = pageOf(plan.entry);
            if (!n) {
                p.message(corrupt);
                return false;
            }
            plan.curPage = *n;
        }
    }

    // The byte offset of the entry, counted from the first byte of line 2.
    auto at = plan.indexLine.find("<" + plan.entry + ">");
    if (at == std::string::npos) {
        p.message(corrupt);
        return false;
    }
    const size_t from = at + plan.entry.size() + 2;
    size_t to = plan.indexLine.find('<', from);
    if (to == std::string::npos)
        to = plan.indexLine.find('*', from);
    auto offset = number(
        plan.indexLine.substr(from, to == std::string::npos ? std::string::npos : to - from));
    if (!offset || *offset < 1 || !book.seek(plan.indexLen + *offset) || book.eof()) {
        p.message(corrupt);
        return false;
    }

    // The load goes ahead: from here on the shared variables change.
    const std::string wantedKey = page.find(':') != std::string::npos ? page : plan.entry;
    s.PageGiven = !page.empty();
    s.IndexLine = plan.indexLine;
    s.IndexLen = plan.indexLen;
    s.FirstEntry = plan.firstEntry;
    s.LastEntry = plan.lastEntry;
    s.FirstPage = plan.firstPage;
    s.LastPage = plan.lastPage;
    s.NavPage = plan.navPage;
    s.CurPage = plan.curPage;
    s.BookFile = file;
    s.IndexFile = file;
    s.ParaCount = 0;
    getBookTitle(p);
    s.PageText.clear();

    const std::string stem = bookStem(file);
    bool showing = false;
    std::string line;
    while (book.readLine(line)) {
        if (line == " ")
            break;
        if (line.size() < 2 && !book.readLine(line))
            break;
        auto gt = line.find('>');
        std::string key = line.substr(0, gt);
        std::string text = gt == std::string::npos ? std::string() : line.substr(gt + 1);
        if (key == wantedKey) {
            showing = true;
            s.KeyFound = true;
        }
        auto n = pageOf(key);
        if (!n || *n > s.CurPage)
            break;
        s.ShownPage = *n;
        std::string shown, rest;
        if (s.BibleMode) {
            auto caret = text.find('^');
            shown = text.substr(0, caret);
            if (caret != std::string::npos && caret + 2 <= text.size())
                rest = text.substr(caret + 2);
        } else {
            if (auto ref = text.find(">References:"); ref != std::string::npos)
                text = text.substr(ref + 1);
            shown = text;
        }
        if (s.PageText.size() + text.size() > kMaxPageChars || s.ParaCount >= kMaxLines)
            break;
        if (showing)
            s.PageText += ">" + shown + " {" + stem + " " + key + "}\r\n\r\n";
        ++s.ParaCount;
        s.ParaList[static_cast<size_t>(s.ParaCount)] = key + ">" + shown;
        if (s.BibleMode)
            s.VerseList[static_cast<size_t>(s.ParaCount)] = rest;
    }
    replaceAll(s.PageText, "%", "\r\n\r\n");
    s.PageText += std::string(600, ' ');
    return true;
}

} // namespace reader
