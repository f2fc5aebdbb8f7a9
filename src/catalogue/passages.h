// Passage lists: the entries of a list key (formats/passage_refs.h) gathered
// from several books into one text.
#pragma once

#include <string>
#include <vector>

namespace app {
class Program;
}

namespace catalogue {

// Gathers the entries' lines into PageText; false when an entry is malformed
// (nothing is shown then).
bool gatherPassages(app::Program& p, const std::vector<std::string>& entries);

} // namespace catalogue
