// The search procedure: the current book or every book of the Find All list
// searched for the text of the search window, the hits shown in its results
// pane.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "search/line_search.h"

namespace app {
class Program;
}
namespace platform {
class DataFolder;
}

namespace search {

// What a search over one or more book files found.
struct SearchOutcome {
    std::string results;      // the entries in the order of the books and their lines,
                              // up to the first that makes them longer than enough
    bool hit = false;         // at least one entry
    std::string firstMissing; // the first book file that could not be read, or ""
};

// The results pane shows at most this many characters of the results.
constexpr size_t kMaxShown = 32670;

// Searches the book file name (resolved in folder); entries carry no prefix.
// The search stops once the results are longer than enough characters.
SearchOutcome searchBookFile(const platform::DataFolder& folder, const std::string& name,
                             const SearchText& text, const FindOptions& options,
                             size_t enough = std::string::npos);

// Searches the books of a Find All list in order: each entry, blanks trimmed,
// names the file dataPath + entry upper-cased + ".TXV", and its entries begin
// with the trimmed entry and a blank. A blank entry ends the search. A file
// that cannot be read is skipped (the first is named in the outcome).
// Once the results are longer than enough characters, the books after are
// only opened, to name the first that cannot be. progress(i) runs before
// book i is read.
SearchOutcome searchBookList(const platform::DataFolder& folder, const std::string& dataPath,
                             std::span<const std::string> list, const SearchText& text,
                             const FindOptions& options,
                             const std::function<void(size_t)>& progress = {},
                             size_t enough = std::string::npos);

// The file name a Find All list entry names ("genesis" gives "GENESIS.TXV"),
// or "" for a blank entry.
std::string listEntryFile(const std::string& entry);

// Runs the search that the search window asks for: the text of txtInput with
// the options of its check boxes, in the current book (SearchAllBooks False)
// or in the books of listBooks, when given, else of FindAllFiles(0) to
// FindAllFiles(FindAllLast). Asks before a phrase search without case,
// refuses a whole-word phrase, and puts the hits (at most kMaxShown
// characters) into TextF or "Cannot find" into txtInput. True when hits were
// put into TextF.
bool Findit(app::Program& p, const std::vector<std::string>* listBooks = nullptr);

} // namespace search
