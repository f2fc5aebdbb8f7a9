#include "library/check_words.h"

#include <unordered_map>

#include "formats/clicked_word.h"
#include "formats/dictionary_file.h"
#include "formats/file_names.h"
#include "formats/letter_case.h"
#include "formats/notes_file.h"

namespace library::check {

namespace {

std::string quoted(std::string_view text) {
    return "\"" + excerpt(text, 40) + "\"";
}

// Lets a map keyed by strings be searched with a string_view.
struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
};

// Whether text holds a Windows-1252 letter: a word, not a number or a
// punctuation mark standing on its own.
bool hasLetter(std::string_view text) {
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
            (c >= 0xC0 && c != 0xD7 && c != 0xF7) || c == 0x8A || c == 0x8C || c == 0x8E ||
            c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F || c == 0xAA || c == 0xB5 || c == 0xBA)
            return true;
    }
    return false;
}

// The index of the dictionary file name, or nullptr when it is missing; a
// missing dictionary is reported once, where it was first needed.
const Index* dictionaryIndex(Context& ctx, const std::string& name, const SourceFile& from, long at,
                             const std::string& word) {
    auto cached = ctx.dictionaries.find(name);
    if (cached != ctx.dictionaries.end())
        return cached->second;
    const Index* index = nullptr;
    if (const SourceFile* dict = ctx.library.open(name))
        index = &ctx.index(*dict, FileKind::Dictionary);
    else
        ctx.report.at(from, at,
                      "dictionary file " + name +
                          (ctx.library.resolve(name) ? " cannot be read" : " is missing") +
                          " (first needed by " + quoted(word) + ")");
    ctx.dictionaries.emplace(name, index);
    return index;
}

// The byte offsets at which the blank-separated words of text start.
template <typename Visit>
void eachWord(std::string_view text, Visit visit) {
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] != ' ' && (i == 0 || text[i - 1] == ' '))
            visit(i, text.substr(i, text.find(' ', i) - i));
}

void checkNoteKeys(Context& ctx, const SourceFile& book, const std::string& notesName,
                   std::string_view keys, long keysAt) {
    // The verse's keys as the notes box reads them.
    const std::vector<formats::NoteKey> list = formats::noteKeys(keys);
    const Index* notes = nullptr;
    bool notesRead = false;
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string& key = list[i].key;
        const long pos = keysAt + static_cast<long>(list[i].at);
        if (i >= formats::kMaxNoteKeys) {
            ctx.report.at(book, pos,
                          "more than " + std::to_string(formats::kMaxNoteKeys) +
                              " note keys: the rest are never shown");
            return;
        }
        if (key.empty()) {
            ctx.report.at(book, pos, "empty note key");
            continue;
        }
        if (!notesRead) {
            notesRead = true;
            if (const SourceFile* f = ctx.library.open(notesName))
                notes = &ctx.index(*f, FileKind::Notes);
            else if (ctx.firstMiss("notes " + notesName))
                ctx.report.at(book, pos,
                              "notes file " + notesName + " is missing (first needed by note " +
                                  quoted(key) + ")");
        }
        if (notes && !notes->first.count(key))
            ctx.report.at(book, pos,
                          "note key " + quoted(key) + " is not in the index of " + notesName);
    }
}

} // namespace

Lookup lookupWord(std::string_view text, size_t pos, bool bracketRule, const std::string& lang) {
    // A click on the word's first character leaves the caret just after it.
    return formats::clickedWord(text, pos + 1, bracketRule, lang);
}

void checkBibleBook(Context& ctx, const SourceFile& book, const std::string& bookFile,
                    const std::string& lang) {
    const std::string notesName = formats::notesFileOf(bookFile);
    // Each word met: its lookup, its dictionary and whether that holds it.
    struct Word {
        Lookup lookup;
        const Index* dict = nullptr;
        bool known = false;
    };
    std::unordered_map<std::string, Word, Hash, std::equal_to<>> lookups;
    for (size_t i = 1; i < book.lineCount(); ++i) {
        const std::string_view t = book.line(i);
        const size_t gt = t.find('>');
        if (t.size() < 2 || gt == std::string_view::npos)
            continue; // the end marker, fillers and lines without a key are books' faults
        const std::string_view text = t.substr(gt + 1);
        const size_t caret = text.find('^');
        if (caret == std::string_view::npos) {
            ctx.report.at(book, book.start(i),
                          "verse has no \"^\": the parallel window shows no original text");
            continue;
        }
        const long restAt = book.start(i) + static_cast<long>(gt + 1 + caret + 2);
        const std::string_view rest = caret + 2 <= text.size() ? text.substr(caret + 2) : "";
        const formats::VerseNotes parts = formats::splitVerseNotes(rest);
        const std::string_view words = parts.verse;
        checkNoteKeys(ctx, book, notesName, parts.keys,
                      restAt + static_cast<long>(parts.verse.size() + 1));

        eachWord(words, [&](size_t at, std::string_view word) {
            const long pos = restAt + static_cast<long>(at);
            // Without the bracket rule a word's lookup depends on the word alone.
            auto cached = lookups.find(word);
            if (cached == lookups.end()) {
                Lookup found = lookupWord(words, at, false, lang);
                const Index* dict = found.outcome == Lookup::Found && hasLetter(word)
                                        ? dictionaryIndex(ctx, found.file, book, pos, found.key)
                                        : nullptr;
                const bool known = dict && dict->first.count(found.key);
                cached =
                    lookups.emplace(std::string(word), Word{std::move(found), dict, known}).first;
            }
            const Word& w = cached->second;
            if (w.lookup.outcome == Lookup::NotAWord || !hasLetter(word))
                return;
            if (w.lookup.outcome != Lookup::Found) {
                ctx.report.tally(book, "unusable " + std::string(word), pos,
                                 "word " + quoted(word) + " cannot be looked up: " + w.lookup.why);
                return;
            }
            if (w.dict && !w.known)
                ctx.report.tally(book, "word " + w.lookup.file + " " + w.lookup.key, pos,
                                 "word " + quoted(w.lookup.key) + " is not in " + w.lookup.file);
        });
    }
}

void checkDictionary(Context& ctx, const SourceFile& file) {
    const Index& index = ctx.index(file, FileKind::Dictionary);
    const auto lang = formats::dictionaryLanguage(file.name());
    if (!lang)
        ctx.report.file(file.name(), "no lookup opens this dictionary: its name is not a "
                                     "letter, \"grk\" or \"heb\", \"dict\" and \".txd\"");
    const std::string self = formats::lowerText(file.name());
    const std::string* prev = nullptr;
    for (const Entry& e : index.entries) {
        if (prev && e.key < *prev)
            ctx.report.at(file, e.pos,
                          "key " + quoted(e.key) + " comes after " + quoted(*prev) +
                              ": keys must increase in byte order");
        prev = &e.key;
        if (formats::lowerText(e.key) != e.key) {
            ctx.report.at(file, e.pos,
                          "key " + quoted(e.key) +
                              " holds upper-case letters: words are looked up in lower case");
            continue;
        }
        if (!lang)
            continue;
        const formats::DictionaryChoice home = formats::dictionaryFor(e.key, *lang);
        if (!home.file)
            ctx.report.at(file, e.pos, "key " + quoted(e.key) + " is never looked up: " + home.why);
        else if (*home.file != self)
            ctx.report.at(file, e.pos,
                          "key " + quoted(e.key) + " is in the wrong file: it is looked up in " +
                              *home.file);
    }

    // Links to root words in the definitions, clicked as the notes box does.
    for (size_t i = 1; i < file.lineCount(); ++i) {
        const std::string_view t = file.line(i);
        if (t.find("G[") == std::string_view::npos && t.find("H[") == std::string_view::npos)
            continue;
        eachWord(t, [&](size_t at, std::string_view word) {
            if (word.find("G[") == std::string_view::npos &&
                word.find("H[") == std::string_view::npos)
                return;
            const long pos = file.start(i) + static_cast<long>(at);
            const Lookup found = lookupWord(t, at, true, "");
            if (found.outcome != Lookup::Found || !found.prefixed) {
                ctx.report.at(
                    file, pos,
                    "link " + quoted(word) + " does not respond to a click: " +
                        (found.why.empty() ? "it is not read as a G[ or H[ link" : found.why));
                return;
            }
            const Index* dict = dictionaryIndex(ctx, found.file, file, pos, found.key);
            if (dict && !dict->first.count(found.key))
                ctx.report.tally(file, "link " + found.file + " " + found.key, pos,
                                 "link " + quoted(word) + " looks up " + quoted(found.key) +
                                     ", which is not in " + found.file);
        });
    }
}

} // namespace library::check
