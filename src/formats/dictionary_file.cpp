#include "formats/dictionary_file.h"

#include "formats/file_names.h"

namespace formats {

namespace {

DictionaryChoice none(std::string why) {
    return {std::nullopt, std::move(why)};
}

std::string noDictionaryFor(char letter) {
    return std::string("there is no dictionary for words beginning with \"") + letter + "\"";
}

} // namespace

DictionaryChoice dictionaryFor(std::string_view key, std::string_view lang) {
    if (key.empty())
        return none("it holds no word");
    char letter = key[0];
    if (letter == 'f' || letter == 'j' || letter == 'w')
        return none(noDictionaryFor(letter));
    if (letter == '\'' || letter == '-' || letter == '[') {
        if (key.size() < 2)
            return none("it holds no letter");
        letter = key[1];
    }
    if (static_cast<unsigned char>(letter) < 'A')
        return none(noDictionaryFor(letter));
    std::string name = dictionaryFileName(letter, lang);
    if (name == "qgrkdict.txd" || name == "ugrkdict.txd" || name == "vgrkdict.txd" ||
        name == "ygrkdict.txd")
        name = dictionaryFileName(letter, "heb");
    if (name == "xhebdict.txd")
        return none("there is no Hebrew dictionary for words beginning with \"x\"");
    return {name, {}};
}

std::string dictionaryLineKey(const std::string& line) {
    const size_t colon = line.find(": ");
    return colon == std::string::npos ? std::string() : line.substr(0, colon);
}

std::optional<std::string> readDefinition(platform::TextFile& file, const IndexHead& head,
                                          std::string_view key) {
    return readEntryLine(file, head, key, IndexEnd::Bracket);
}

} // namespace formats
