#include "catalogue/passages.h"

#include <cstdlib>

#include "app/program.h"
#include "catalogue/list_syntax.h"
#include "platform/text_file.h"
#include "shell/messages.h"

namespace catalogue {

namespace {

constexpr size_t kMaxEntries = 150;

std::string trim(const std::string& s) {
    auto b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

long paraOf(const std::string& pageColonPara) {
    return std::atol(pageColonPara.substr(pageColonPara.find(':') + 1).c_str());
}

// Whether a gathered line gets its reference in parentheses.
bool wantsReference(const app::State& s, const std::string& stem, const std::string& t) {
    const bool fromGrid = s.SelectForm == "frmSelectA" || s.SelectForm == "frmSelectP";
    if (!fromGrid)
        return lower(stem) != "adv";
    if (lower(stem) == "qcells" || lower(stem) == "qcellsp")
        return false;
    const auto close = t.rfind(')');
    const long lastClose = close == std::string::npos ? 0 : static_cast<long>(close) + 1;
    return lastClose < static_cast<long>(t.size()) - 10;
}

} // namespace

std::vector<std::string> passageEntries(const std::string& key) {
    std::vector<std::string> entries;
    size_t start = 0;
    for (size_t end = key.find('\\'); end != std::string::npos && entries.size() < kMaxEntries;
         start = end + 1, end = key.find('\\', start)) {
        const std::string ref = trim(key.substr(start, end - start));
        const size_t blank = ref.find(' ');
        if (ref.find(':') == std::string::npos || blank == std::string::npos ||
            blank > ref.find(':'))
            break;
        if (const size_t comma = ref.find(','); comma != std::string::npos) {
            if (ref.size() < 5)
                break;
            const std::string from = ref.substr(4, comma - 4), to = ref.substr(comma + 1);
            if (from.find(':') == std::string::npos || to.find(':') == std::string::npos)
                break;
            entries.push_back(ref.substr(0, 3) + " " + trim(from) + "\\" +
                              std::to_string(paraOf(to) - paraOf(from) + 1));
        } else if (const size_t dash = ref.find('-', ref.find(':')); dash != std::string::npos) {
            const std::string from = ref.substr(0, dash);
            const long last = std::atol(ref.substr(dash + 1).c_str());
            entries.push_back(from + "\\" + std::to_string(last - paraOf(from) + 1));
        } else {
            entries.push_back(ref + "\\1");
        }
    }
    return entries;
}

std::string singlePassageEntry(std::string key, const std::string& text, const std::string& next) {
    if (!key.empty() && key.back() == '\\') {
        if (text.empty() || text[0] != '.')
            return {};
        key += "1";
    }
    if (key.find('\\') == std::string::npos)
        key = next;
    if (key.find(' ') == std::string::npos || key.find('\\') == std::string::npos ||
        key.back() == '\\')
        return {};
    return key;
}

bool gatherPassages(app::Program& p, const std::vector<std::string>& entries) {
    app::State& s = p.s;
    s.PageText.clear();
    std::string reported;
    for (const std::string& entry : entries) {
        if (s.PageText.size() > 32000)
            break;
        const size_t blank = entry.find(' '), slash = entry.find('\\');
        if (blank == std::string::npos || slash == std::string::npos || blank >= slash ||
            entry.find(':') == std::string::npos)
            return false;
        const std::string stem = entry.substr(0, blank);
        const std::string ref = trim(entry.substr(blank + 1, slash - blank - 1));
        s.RefLines = std::atoi(entry.substr(slash + 1).c_str());
        s.BookTitle = lower(stem);
        s.BookFile = upper(stem) + ".TXV";
        platform::TextFile book;
        auto path = p.data().resolve(s.DataPath + s.BookFile);
        if (!path || !book.open(*path) || !book.readLine(s.IndexLine)) {
            // One message for a missing book, however many of its passages the list names.
            if (reported != s.BookFile)
                p.message(shell::missingFileMessage(s.BookFile));
            reported = s.BookFile;
            continue;
        }
        s.IndexLen = book.position() - 1;
        const std::string needle = "<" + ref + ">";
        const size_t at = s.IndexLine.find(needle);
        if (at == std::string::npos)
            continue; // a reference not in the book adds nothing
        const size_t from = at + needle.size();
        size_t to = s.IndexLine.find('<', from);
        if (to == std::string::npos)
            to = s.IndexLine.find('*', from);
        const long offset = std::atol(
            s.IndexLine.substr(from, to == std::string::npos ? std::string::npos : to - from)
                .c_str());
        if (offset < 1 || !book.seek(s.IndexLen + offset))
            continue;
        std::string line;
        for (int i = 0; i < s.RefLines && book.readLine(line); ++i) {
            const size_t gt = line.find('>');
            if (gt == std::string::npos)
                continue;
            const std::string k = line.substr(0, gt);
            std::string t = line.substr(gt + 1);
            t = t.substr(0, t.find('^'));
            s.PageText += t;
            if (wantsReference(s, stem, t))
                s.PageText += " (" + stem + " " + k + ")";
            s.PageText += "\r\n\r\n";
        }
    }
    std::string text;
    for (char c : s.PageText)
        text += c == '%' ? std::string("\r\n\r\n") : std::string(1, c);
    s.PageText = text;
    return true;
}

} // namespace catalogue
