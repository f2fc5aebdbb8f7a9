#include "library/check_index.h"

#include <map>

#include "formats/book_file.h"
#include "formats/file_names.h"
#include "formats/index_line.h"

namespace library::check {

namespace {

using formats::kMaxPageChars;
using formats::kMaxPageLines;

// No book skips this many page numbers between two pages; a bigger gap is a
// mistyped or damaged page number.
constexpr long kMaxPageGap = 1000;

std::string quoted(std::string_view text) {
    return "\"" + excerpt(text) + "\"";
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

Index readIndex(const SourceFile& file, FileKind kind, Report& report) {
    Index index;
    if (file.lineCount() == 0) {
        report.file(file.name(), "empty file: no index line");
        return index;
    }
    index.length = file.next(0);
    const std::string_view line = file.line(0);
    const bool star = kind != FileKind::Dictionary;
    const formats::IndexScan scan =
        formats::scanIndexLine(line, star ? formats::IndexEnd::Star : formats::IndexEnd::Bracket);
    if (star && !scan.end)
        report.at(file, static_cast<long>(line.size()), "the index line does not end with \"*\"");
    else if (scan.textAfterEnd(line))
        report.at(file, static_cast<long>(*scan.end + 1),
                  "text after the \"*\" that ends the index line");
    if (!scan.hasEntries) {
        report.at(file, 0, "the index line has no entries");
        return index;
    }
    for (const formats::ScannedEntry& scanned : scan.entries) {
        if (!scanned.keyClosed) {
            report.at(file, static_cast<long>(scanned.at), "index entry without \">\"");
            continue;
        }
        Entry e;
        e.key = std::string(scanned.key);
        e.pos = static_cast<long>(scanned.at);
        const long offsetPos = static_cast<long>(scanned.offsetAt);
        if (!scanned.offsetText) {
            report.at(file, offsetPos,
                      "the offset of " + quoted(e.key) +
                          " is not followed by \"<\": the index line does not end with \"<\"");
        } else {
            e.offset = scanned.offset;
            if (!e.offset)
                report.at(file, offsetPos,
                          "offset " + quoted(*scanned.offsetText) + " of " + quoted(e.key) +
                              " is not a number");
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
        auto page = formats::writtenPageOfKey(e.key);
        if (!page) {
            report.at(file, e.pos, "index key " + quoted(e.key) + " is not page:paragraph");
            continue;
        }
        pageEntry.emplace(*page, i);
        if (prevPage >= 0 && *page - prevPage > kMaxPageGap)
            report.at(file, e.pos,
                      "page " + std::to_string(*page) + " follows page " +
                          std::to_string(prevPage) + " in the index: a gap of more than " +
                          std::to_string(kMaxPageGap) + " page numbers means a broken key");
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
        auto page = formats::writtenPageOfKey(t.substr(0, gt));
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
    const std::string stem = formats::bookStem(file.name());
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
                if (formats::isEndMarker(t)) {
                    why = "at the end marker";
                    stopLine = i - 1;
                    break;
                }
                if (formats::isFiller(t)) {
                    if (i >= n)
                        break;
                    t = file.line(i++);
                }
                const formats::PageLine at = formats::pageLineOf(t, bible);
                if (at.key == entry.key)
                    showing = true;
                auto n2 = formats::pageOfKey(at.key);
                if (!n2 || *n2 > page) {
                    if (!n2) {
                        why = formats::isFiller(t) ? "after two short lines in a row"
                                                   : "at a line that is not page:paragraph";
                        stopLine = i - 1;
                    }
                    break;
                }
                if (pageText + at.text.size() > kMaxPageChars || lines >= kMaxPageLines) {
                    report.at(
                        file, file.start(i - 1),
                        "page " + std::to_string(page) + " is cut here: " +
                            (lines >= kMaxPageLines
                                 ? "it has more than " + std::to_string(kMaxPageLines) + " lines"
                                 : "its text would pass " + std::to_string(kMaxPageChars) +
                                       " characters") +
                            (bible ? " (as a Bible book)" : ""));
                    break;
                }
                if (showing)
                    pageText += at.shown.size() + stem.size() + at.key.size() + 9;
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
