// Opening a third-level item: a book, a text file or gathered passages.
#pragma once

#include <string>

namespace app {
class Program;
}

namespace catalogue {

// Opens the item shown as text whose key is FindAllFiles(index), by BookKind.
void openItem(app::Program& p, const std::string& text, int index);

} // namespace catalogue
