#include "library/check_index.h"

#include <map>

#include "reader/page_loader.h"

namespace library::check {

namespace {

constexpr size_t kMaxPageChars = 32000;
constexpr long kMaxPageLines = 2000;

std::string quoted(std::string_view text) {
    return "\"" + excerpt(text) + "\"";
}

std::string_view trimBlanks(std::string_view s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// A decimal number of at most maxDigits digits, nothing else.
std::optional<long> digits(std::string_view s, size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits)
        return std::nullopt;
    long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// Where the offset of an entry reaches: its line when that line starts
// exactly there and begins with key + ">"; otherwise the fault is reported.
std::optional<size_t> target(const SourceFile& file, const Index& index, const Entry& e,
                             FileKind kind, long offsetPos, Report& report) {
    const std::string what = "offset " + std::to_string(*e.offset) + " of " + quoted(e.key);
    if (*e.offset < 1) {
        report.at(file, offsetPos, what + " is not a byte offset (they count from 1)");
        return std::nullopt;
    }
    const long at = index.length + *e.offset - 1;
    if (at >= file.size()) {
        report.at(file, offsetPos, what + " points past the end of the file");
        return std::nullopt;
    }
    auto line = file.lineStartingAt(at);
    if (!line) {
        report.at(file, offsetPos,
                  what + " points inside line " + std::to_string(file.lineNumber(at)) +
                      ", not at the start of a line");
        return std::nullopt;
    }
    // A definition line is shown whole: it names its word as "key: ...".
    const std::string_view text = file.line(*line);
    const std::string_view after = kind == FileKind::Dictionary ? ": " : ">";
    const bool keyed = text.size() >= e.key.size() + after.size() &&
                       text.compare(0, e.key.size(), e.key) == 0 &&
                       text.substr(e.key.size(), after.size()) == after;
    if (!keyed) {
        report.at(file, offsetPos,
                  what + " points at line " + std::to_string(*line + 1) + ", which begins " +
                      quoted(text) + ", not " + quoted(e.key + std::string(after)));
        return std::nullopt;
    }
    return line;
}

} // namespace

std::optional<long> pageOfKey(std::string_view key) {
    const size_t colon = key.find(':');
    if (colon == std::string_view::npos || key.find('<') != std::string_view::npos)
        return std::nullopt;
    const std::string_view page = key.substr(0, colon);
    if (page.size() > 1 && page[0] == '0')
        return std::nullopt;
    return digits(page, 9);
}

std::optional<long> loaderPage(std::string_view key) {
    const size_t colon = key.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    return digits(trimBlanks(key.substr(0, colon)), 9);
}

Index readIndex(const SourceFile& file, FileKind kind, Report& report) {
    Index index;
    if (file.lineCount() == 0) {
        report.file(file.name(), "empty file: no index line");
        return index;
    }
    index.length = file.next(0);
    const std::string_view line = file.line(0);
    const bool star = kind != FileKind::Dictionary;
    size_t limit = line.size();
    if (star) {
        const size_t at = line.find('*');
        if (at == std::string_view::npos)
            report.at(file, static_cast<long>(line.size()),
                      "the index line does not end with \"*\"");
        else if (at + 1 < line.size())
            report.at(file, static_cast<long>(at + 1),
                      "text after the \"*\" that ends the index line");
        limit = std::min(limit, at);
    }
    size_t a = line.find('<');
    if (a == std::string_view::npos || a >= limit) {
        report.at(file, 0, "the index line has no entries");
        return index;
    }
    while (a < limit) {
        size_t nextLt = line.find('<', a + 1);
        if (nextLt >= limit)
            nextLt = std::string_view::npos;
        if (!star && a + 1 == line.size())
            break; // the closing "<"
        const size_t gt = line.find('>', a + 1);
        const size_t stop = nextLt == std::string_view::npos ? limit : nextLt;
        if (gt == std::string_view::npos || gt > stop) {
            report.at(file, static_cast<long>(a), "index entry without \">\"");
            a = stop;
            continue;
        }
        Entry e;
        e.key = std::string(line.substr(a + 1, gt - a - 1));
        e.pos = static_cast<long>(a);
        const long offsetPos = static_cast<long>(gt + 1);
        if (!star && nextLt == std::string_view::npos) {
            report.at(file, offsetPos,
                      "the offset of " + quoted(e.key) +
                          " is not followed by \"<\": the index line does not end with \"<\"");
        } else {
            const std::string_view text = line.substr(gt + 1, stop - gt - 1);
            e.offset = digits(trimBlanks(text), 12);
            if (!e.offset)
                report.at(file, offsetPos,
                          "offset " + quoted(text) + " of " + quoted(e.key) + " is not a number");
        }
        auto [it, fresh] = index.first.emplace(e.key, index.entries.size());
        if (!fresh) {
            report.at(file, e.pos,
                      "key " + quoted(e.key) + " appears again in the index (first at byte " +
                          std::to_string(index.entries[it->second].pos + 1) +
                          "); only the first is ever found");
        }
        if (e.offset)
            e.line = target(file, index, e, kind, offsetPos, report);
        index.entries.push_back(std::move(e));
        a = stop;
    }
    return index;
}

void checkBook(const SourceFile& file, const Index& index, const std::set<bool>& bibleModes,
               Report& report) {
    // The index: page:para keys, pages never going down, entries in file order.
    std::map<long, size_t> pageEntry; // page -> its first entry
    long prevPage = -1, prevOffset = 0;
    for (size_t i = 0; i < index.entries.size(); ++i) {
        const Entry& e = index.entries[i];
        auto page = pageOfKey(e.key);
        if (!page) {
            report.at(file, e.pos, "index key " + quoted(e.key) + " is not page:paragraph");
            continue;
        }
        pageEntry.emplace(*page, i);
        if (*page < prevPage)
            report.at(file, e.pos,
                      "page " + std::to_string(*page) + " comes after page " +
                          std::to_string(prevPage) + " in the index");
        else if (e.offset && *e.offset <= prevOffset)
            report.at(file, e.pos,
                      "entry " + quoted(e.key) + " is out of file order (offset " +
                          std::to_string(*e.offset) + " after " + std::to_string(prevOffset) + ")");
        prevPage = std::max(prevPage, *page);
        if (e.offset)
            prevOffset = std::max(prevOffset, *e.offset);
    }

    // The body: every line but fillers and the end marker is page:para>text.
    const size_t n = file.lineCount();
    if (n < 2) {
        report.file(file.name(), "the book has no lines after its index line");
        return;
    }
    std::map<long, size_t> lastLine; // page -> its last body line
    std::map<long, size_t> firstLine;
    long bodyPage = -1;
    for (size_t i = 1; i < n; ++i) {
        const std::string_view t = file.line(i);
        if (t.size() < 2)
            continue; // the end marker " " or a filler
        const size_t gt = t.find('>');
        if (gt == std::string_view::npos) {
            report.at(file, file.start(i), "line has no \">\" (not page:paragraph>text)");
            continue;
        }
        auto page = pageOfKey(t.substr(0, gt));
        if (!page) {
            report.at(file, file.start(i),
                      "line key " + quoted(t.substr(0, gt)) + " is not page:paragraph");
            continue;
        }
        if (*page < bodyPage)
            report.at(file, file.start(i),
                      "a line of page " + std::to_string(*page) + " follows page " +
                          std::to_string(bodyPage));
        bodyPage = std::max(bodyPage, *page);
        firstLine.emplace(*page, i);
        lastLine[*page] = i;
    }
    if (file.line(n - 1) != " ")
        report.at(file, file.start(n - 1), "the book does not end with the end marker \" \"");
    for (const auto& [page, line] : firstLine)
        if (!pageEntry.count(page))
            report.at(file, file.start(line),
                      "page " + std::to_string(page) + " has no index entry; it is never shown");

    // Each page as the loader reads it from its first entry.
    const std::string stem = reader::bookStem(file.name());
    for (const auto& [page, entryIndex] : pageEntry) {
        const Entry& entry = index.entries[entryIndex];
        if (!entry.line)
            continue;
        for (bool bible : bibleModes) {
            size_t i = *entry.line;
            size_t pageText = 0;
            long lines = 0;
            std::string why;
            size_t stopLine = n;
            bool showing = false;
            while (i < n) {
                std::string_view t = file.line(i++);
                if (t == " ") {
                    why = "at the end marker";
                    stopLine = i - 1;
                    break;
                }
                if (t.size() < 2) {
                    if (i >= n)
                        break;
                    t = file.line(i++);
                }
                const size_t gt = t.find('>');
                const std::string_view key = t.substr(0, gt);
                std::string_view text = gt == std::string_view::npos ? "" : t.substr(gt + 1);
                if (key == entry.key)
                    showing = true;
                auto n2 = loaderPage(key);
                if (!n2 || *n2 > page) {
                    if (!n2) {
                        why = t.size() < 2 ? "after two short lines in a row"
                                           : "at a line that is not page:paragraph";
                        stopLine = i - 1;
                    }
                    break;
                }
                std::string_view shown = text;
                if (bible) {
                    shown = text.substr(0, text.find('^'));
                } else if (auto ref = text.find(">References:"); ref != std::string_view::npos) {
                    text = text.substr(ref + 1);
                    shown = text;
                }
                if (pageText + text.size() > kMaxPageChars || lines >= kMaxPageLines) {
                    report.at(file, file.start(i - 1),
                              "page " + std::to_string(page) + " is cut here: " +
                                  (lines >= kMaxPageLines
                                       ? std::string("it has more than 2000 lines")
                                       : std::string("its text would pass 32000 characters")) +
                                  (bible ? " (as a Bible book)" : ""));
                    break;
                }
                if (showing)
                    pageText += shown.size() + stem.size() + key.size() + 9;
                ++lines;
            }
            if (!why.empty() && lastLine.count(page) && lastLine[page] > stopLine)
                report.at(file, file.start(stopLine),
                          "page " + std::to_string(page) + " stops here, " + why +
                              "; its lines up to line " + std::to_string(lastLine[page] + 1) +
                              " are never shown");
        }
    }
}

void checkNotes(const SourceFile& file, Report& report) {
    for (size_t i = 1; i < file.lineCount(); ++i) {
        const std::string_view t = file.line(i);
        const size_t gt = t.find('>');
        if (gt == std::string_view::npos)
            report.at(file, file.start(i), "note line has no \">\"");
        else if (gt == 0)
            report.at(file, file.start(i), "note line has no key before \">\"");
    }
}

} // namespace library::check
