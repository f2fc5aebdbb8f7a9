// Every input line read as each kind of list line, a passage list key and a file name.
#include <string>

#include "formats/dictionary_file.h"
#include "formats/file_names.h"
#include "formats/letter_case.h"
#include "formats/list_syntax.h"
#include "formats/passage_refs.h"
#include "fuzz_support.h"
#include "platform/data_folder.h"

namespace {

void asListLine(const std::string& line) {
    for (char separator : {'@', '<'}) {
        const formats::Split sp = formats::splitAt(line, separator);
        fuzz::require(!sp.found || sp.left.size() + sp.right.size() + 1 == line.size(),
                      "a split keeps every byte but the separator");
    }
    for (const char* kind : {"PBD", "STQ", "PTQ", "STX", "SXX", "PNV", "PRE", "XYZ"})
        (void)formats::thirdLevelItem(kind, line);
    formats::isListKind(formats::listKind(line));
    formats::languageOf(line);
}

void asPassages(const std::string& line) {
    const auto entries = formats::passageEntries(line);
    fuzz::require(entries.size() <= formats::kMaxPassageEntries, "at most 150 entries");
    for (const std::string& entry : entries)
        if (auto parsed = formats::parsePassageEntry(entry))
            fuzz::require(parsed->lines <= formats::kMaxPassageLines, "a bounded line count");
    const formats::Split sp = formats::splitAt(line, '@');
    formats::singlePassageEntry(sp.left, sp.right, line);
}

void asName(const std::string& line) {
    const bool safe = platform::DataFolder::isSafeName(line);
    fuzz::require(!safe || (line.find('/') == std::string::npos &&
                            line.find('\\') == std::string::npos &&
                            line.find("..") == std::string::npos && !line.empty()),
                  "a safe name stays inside the folder");
    formats::bookStem(line);
    formats::titleStem(line);
    formats::bookFileOfStem(formats::bookStem(line));
    formats::bookFileOfKey(line);
    formats::notesFileOf(line);
    formats::isNotesFileName(line);
    (void)formats::dictionaryLanguage(line);
    for (const char* lang : {"Grk", "Heb", ""})
        formats::dictionaryFor(formats::lowerText(line), lang);
    const std::string upper = formats::upperText(line);
    fuzz::require(upper.size() == line.size(), "letter case keeps the length");
    fuzz::require(!(formats::lessNoCase(line, upper) && formats::lessNoCase(upper, line)),
                  "an order without regard to case");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view rest = fuzz::textOf(data, size);
    for (int lines = 0; !rest.empty() && lines < 64; ++lines) {
        const auto [line, after] = fuzz::firstLine(rest);
        const std::string text(line);
        asListLine(text);
        asPassages(text);
        asName(text);
        rest = after;
    }
    return 0;
}
