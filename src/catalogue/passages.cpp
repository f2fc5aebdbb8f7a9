#include "catalogue/passages.h"

#include "app/program.h"
#include "formats/book_file.h"
#include "formats/file_names.h"
#include "formats/letter_case.h"
#include "formats/passage_refs.h"
#include "platform/text_file.h"
#include "shell/messages.h"

namespace catalogue {

namespace {

// Whether a gathered line gets its reference in parentheses.
bool wantsReference(const app::State& s, const std::string& stem, const std::string& t) {
    const bool fromGrid = s.SelectForm == "frmSelectA" || s.SelectForm == "frmSelectP";
    const std::string lowerStem = formats::lowerText(stem);
    if (!fromGrid)
        return lowerStem != "adv";
    if (lowerStem == "qcells" || lowerStem == "qcellsp")
        return false;
    const auto close = t.rfind(')');
    const long lastClose = close == std::string::npos ? 0 : static_cast<long>(close) + 1;
    return lastClose < static_cast<long>(t.size()) - 10;
}

} // namespace

bool gatherPassages(app::Program& p, const std::vector<std::string>& entries) {
    app::State& s = p.s;
    s.PageText.clear();
    std::string reported;
    for (const std::string& text : entries) {
        if (s.PageText.size() > formats::kMaxPageChars)
            break;
        const auto entry = formats::parsePassageEntry(text);
        if (!entry)
            return false;
        s.RefLines = static_cast<int>(entry->lines);
        s.BookTitle = formats::lowerText(entry->stem);
        s.BookFile = formats::bookFileOfStem(entry->stem);
        platform::TextFile book;
        auto path = p.data().resolve(s.DataPath + s.BookFile);
        const bool opened = path && book.open(*path);
        auto head = opened ? formats::readIndexHead(book) : std::nullopt;
        if (!head) {
            if (opened)
                s.IndexLine.clear(); // an empty book: its line 1 was read as empty
            // One message for a missing book, however many of its passages the list names.
            if (reported != s.BookFile)
                p.message(shell::missingFileMessage(s.BookFile));
            reported = s.BookFile;
            continue;
        }
        s.IndexLine = std::move(head->line);
        s.IndexLen = head->length;
        // A reference not in the book adds nothing.
        const auto offset = formats::offsetOfKey(s.IndexLine, entry->ref, formats::IndexEnd::Star);
        if (!offset || !formats::seekToOffset(book, s.IndexLen, *offset))
            continue;
        std::string line;
        // The passage ends with its last key or its page, and the text stops
        // growing once it has passed the limit, also inside an entry.
        for (int i = 0;
             i < s.RefLines && s.PageText.size() <= formats::kMaxPageChars && book.readLine(line);
             ++i) {
            const formats::BodyLine body = formats::splitBodyLine(line);
            if (!body.keyClosed)
                continue;
            const formats::PassageLine read = formats::passageLine(*entry, body.key);
            if (read == formats::PassageLine::Stop)
                break;
            const std::string t(body.text.substr(0, body.text.find('^')));
            s.PageText += t;
            if (wantsReference(s, entry->stem, t))
                s.PageText += " (" + entry->stem + " " + std::string(body.key) + ")";
            s.PageText += "\r\n\r\n";
            if (read == formats::PassageLine::TakeLast)
                break;
        }
    }
    s.PageText = formats::withParagraphBreaks(s.PageText, "\r\n\r\n");
    return true;
}

} // namespace catalogue
