// Word definitions in the parallel window: a click on a word of the verse
// box shows its definition in the notes box, a click on a G[...] or H[...]
// root word of the notes box shows the root's definition in the verse box.
#pragma once

#include <optional>
#include <string>

namespace app {
class Program;
}

namespace study {

// The box a word was clicked in.
enum class WordBox {
    Verse, // Text32: in books of kind STX; G[ and H[ words only while DefShown
    Notes, // Text33: in Bible books; G[ and H[ words only
};

// The definition line of key in dictionary file name: one open, one index
// line and one seek; nothing when the file, the key or its line is missing.
// The file is closed on every path.
[[nodiscard]] std::optional<std::string>
readDictionaryLine(app::Program& p, const std::string& name, const std::string& key);

// Looks up the word at the caret of the box clicked and writes its
// definition into the other box, repainted at once; then a verse click puts
// Reset in place of Find and a notes click sets DefShown. Any failure
// changes nothing.
void getWordDef(app::Program& p, WordBox from);

} // namespace study
