// Passage lists: references "stem page:para\", "stem page:first-last\" or
// "stm page:first,page:last\" gathered from several books into one text.
#pragma once

#include <string>
#include <vector>

namespace app {
class Program;
}

namespace catalogue {

// The entries "stem page:para\lines" of a passage list key; the list ends
// at the first reference without ":" or without a stem. At most 150.
std::vector<std::string> passageEntries(const std::string& key);

// The entry of a single-passage (PBD) key, or empty when it opens nothing.
// A key without "\" is taken from next (the item after the chosen one).
std::string singlePassageEntry(std::string key, const std::string& text, const std::string& next);

// Gathers the entries' lines into PageText; false when an entry is malformed
// (nothing is shown then).
bool gatherPassages(app::Program& p, const std::vector<std::string>& entries);

} // namespace catalogue
