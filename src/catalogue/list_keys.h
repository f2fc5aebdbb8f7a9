// What a third-level list or a topic grid holds behind its items: the key of
// each item, the list's kind and mode, the notes of a list of references,
// where its Up One Level leads. The catalogue fills the shared variables; the
// window that shows the list keeps a copy and puts it back before one of its
// items is opened, so that a list filled since in another window cannot
// change what an item opens.
#pragma once

#include <array>
#include <string>

namespace app {
struct State;
}

namespace catalogue {

struct ListKeys {
    std::array<std::string, 901> FindAllFiles, List2Refs;
    int FindAllLast = -1;
    std::string BookKind, LangStem, SxxTitle, BackTo, SelectForm;
    bool BibleMode = false;

    // Takes the list the shared variables hold.
    void takeFrom(const app::State& s);
    // Puts the list back into the shared variables.
    void putInto(app::State& s) const;
};

} // namespace catalogue
