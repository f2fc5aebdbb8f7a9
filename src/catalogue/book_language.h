// The original language of a Bible book, found through the catalogue: the
// Bible division (a second-level item naming its language) whose list holds
// the book.
#pragma once

#include <string>

namespace app {
class Program;
}

namespace catalogue {

// "Heb" or "Grk" for a book that a Bible division of the start list's
// second-level lists holds; "" when none does. Reads the list files, reports
// nothing.
std::string bookLanguage(app::Program& p, const std::string& bookFile);

} // namespace catalogue
