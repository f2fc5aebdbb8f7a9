// The page history items "STEM=page": finding a book's saved page and
// recording the page it was left at.
#pragma once

#include <string>

namespace ui {
class ListBox;
}

namespace reader {

// The file name without its last four characters (the "." and extension).
std::string historyName(const std::string& bookFile);

// The saved page of bookFile: the text after the stem and "=" of the first
// item that begins with the stem; empty when there is none, when it is "0"
// or when it holds anything but digits.
std::string savedPage(const ui::ListBox& history, const std::string& bookFile);

// Replaces the first item that begins with the stem by "STEM=page", or adds it.
void recordPage(ui::ListBox& history, const std::string& bookFile, long page);

} // namespace reader
