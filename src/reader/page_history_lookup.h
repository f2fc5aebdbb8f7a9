// The page history items "NAME=page" in lstSavePages: finding a book's saved
// page and recording the page it was left at.
#pragma once

#include <string>

namespace ui {
class ListBox;
}

namespace reader {

// The saved page of bookFile: the page of the first item whose name is the
// book's (see formats/history_file.h); empty when there is none, when it is
// "0" or when it holds anything but digits.
std::string savedPage(const ui::ListBox& history, const std::string& bookFile);

// Replaces the first item of the book by "NAME=page", or adds it.
void recordPage(ui::ListBox& history, const std::string& bookFile, long page);

} // namespace reader
