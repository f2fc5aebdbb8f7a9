#include "catalogue/book_language.h"

#include "app/program.h"
#include "formats/file_names.h"
#include "formats/letter_case.h"
#include "formats/list_syntax.h"

namespace catalogue {

namespace {

// Whether the third-level list file key holds an item that opens bookFile.
bool listHolds(app::Program& p, const std::string& key, const std::string& bookFile) {
    const std::string kind = formats::listKind(key);
    if (kind != "STX" && kind != "SEL")
        return false; // only these lists open books
    const auto lines = p.data().readLines(p.s.DataPath + key);
    if (!lines)
        return false;
    for (const std::string& line : *lines) {
        if (line.empty())
            break;
        const auto item = formats::thirdLevelItem(kind, line);
        if (item && !item->key.empty() &&
            formats::bookFileOfKey(formats::upperText(item->key)) == bookFile)
            return true;
    }
    return false;
}

} // namespace

std::string bookLanguage(app::Program& p, const std::string& bookFile) {
    const std::string wanted = formats::upperText(bookFile);
    for (const std::string& start : p.s.StartKeys) {
        if (start.empty() || start == "ADVICE.SNV" || start == "QCELLS.SNV" ||
            start == "QCELLSP.SNV")
            continue;
        const auto lines = p.data().readLines(p.s.DataPath + start);
        if (!lines)
            continue;
        for (const std::string& line : *lines) {
            const formats::Split item = formats::splitAt(line, '@');
            const std::string language = item.found ? formats::languageOf(item.right) : "";
            if (!language.empty() && listHolds(p, formats::upperText(item.left), wanted))
                return language;
        }
    }
    return {};
}

} // namespace catalogue
