// The catalogue walk: from START.SEL through the second- and third-level
// lists and the topic grids to every book, text and passage they open,
// read as the program reads them.
#pragma once

#include <map>
#include <set>
#include <string>

#include "library/check_context.h"

namespace library::check {

struct Reached {
    // Books opened in the reading window (folder name -> the languages of the
    // divisions they are opened from; "" outside the Bible).
    std::map<std::string, std::set<std::string>> books;
    // The name the program gives each of those books (BookFile, upper case).
    std::map<std::string, std::string> bookFiles;
    std::set<std::string> passageBooks; // books that passages are read from
    std::set<std::string> texts;        // files shown whole
    std::set<std::string> files;        // every file reached
};

// Walks the catalogue, reporting lines the program skips or misreads, items
// that name missing files and passage references that do not resolve.
Reached walkCatalogue(Context& ctx);

} // namespace library::check
