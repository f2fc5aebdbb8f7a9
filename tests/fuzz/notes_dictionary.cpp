// Line 1 a verse (note keys after "<") or a word, looked up in the rest as notes and dictionary.
#include <string>

#include "formats/dictionary_file.h"
#include "formats/notes_file.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::FuzzProgram f;
    const auto [verse, file] = fuzz::firstLine(fuzz::textOf(data, size));
    f.write("GENCOM.TXV", file);
    const formats::VerseNotes notes = formats::splitVerseNotes(verse);
    const auto keys = formats::noteKeys(notes.keys);
    for (const formats::NoteKey& k : keys)
        fuzz::require(k.at + k.key.size() <= notes.keys.size(), "a key lies in its list");
    platform::TextFile text;
    if (!text.open(f.dir + "/GENCOM.TXV"))
        return 0;
    const auto head = formats::readIndexHead(text);
    if (!head)
        return 0;
    size_t looked = 0;
    for (const formats::NoteKey& k : keys) {
        if (looked++ == formats::kMaxNoteKeys)
            break;
        (void)formats::readNote(text, *head, k.key);
        (void)formats::readDefinition(text, *head, k.key);
        for (const char* lang : {"Grk", "Heb", ""})
            formats::dictionaryFor(k.key, lang);
    }
    (void)formats::readDefinition(text, *head, verse);
    std::string line;
    while (text.readLine(line)) {
        formats::dictionaryLineKey(line);
        formats::noteShown(line);
    }
    return 0;
}
