#include "library/imp_reader.h"

#include <fstream>
#include <sstream>

#include "library/text1252.h"

namespace library {

std::vector<ImpEntry> parseImp(std::string_view text) {
    std::vector<ImpEntry> entries;
    long lineNo = 0;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++lineNo;
        if (line.substr(0, 3) == "$$$") {
            entries.push_back({std::string(line.substr(3)), {}, lineNo});
        } else if (!entries.empty()) {
            std::string& body = entries.back().body;
            if (!body.empty())
                body += '\n';
            body += line;
        }
        at = end + 1;
    }
    return entries;
}

std::optional<std::string> readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string_view Tag::attr(std::string_view a) const {
    size_t from = name.size();
    while (from < raw.size()) {
        const size_t at = raw.find(a, from);
        if (at == std::string_view::npos)
            return {};
        const size_t eq = at + a.size();
        const bool startsWord = raw[at - 1] == ' ' || raw[at - 1] == '\t' || raw[at - 1] == '\n';
        if (startsWord && eq + 1 < raw.size() && raw[eq] == '=' &&
            (raw[eq + 1] == '"' || raw[eq + 1] == '\'')) {
            const size_t close = raw.find(raw[eq + 1], eq + 2);
            if (close == std::string_view::npos)
                return {};
            return raw.substr(eq + 2, close - eq - 2);
        }
        from = at + 1;
    }
    return {};
}

Tag parseTag(std::string_view raw) {
    Tag t;
    t.raw = raw;
    std::string_view body = raw;
    if (!body.empty() && body.front() == '/') {
        t.closing = true;
        body.remove_prefix(1);
    }
    if (!body.empty() && body.back() == '/')
        t.selfClosing = true;
    size_t end = body.find_first_of(" \t\n/");
    t.name = body.substr(0, end);
    // attr() searches after the name; keep raw starting at the name.
    t.raw = t.closing ? raw.substr(1) : raw;
    return t;
}

std::string stripMarkup(std::string_view s) {
    std::string out;
    scanMarkup(
        s, [&](std::string_view text) { out += text; }, [](const Tag&) {});
    return decodeEntities(out);
}

} // namespace library
