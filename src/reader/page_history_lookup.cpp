#include "reader/page_history_lookup.h"

#include "formats/history_file.h"
#include "ui/controls.h"

namespace reader {

namespace {

// The first item whose name part is the book's name exactly: a book whose
// name begins another's ("GEN", "GEN2") never takes the other's item.
int findItem(const ui::ListBox& history, const std::string& name) {
    for (int i = 0; i < history.listCount(); ++i)
        if (formats::isHistoryItemOf(history.list(i), name))
            return i;
    return -1;
}

} // namespace

std::string savedPage(const ui::ListBox& history, const std::string& bookFile) {
    const int i = findItem(history, formats::historyName(bookFile));
    if (i < 0)
        return {};
    const std::string item = history.list(i);
    return formats::usablePage(formats::parseHistoryItem(item)->page);
}

void recordPage(ui::ListBox& history, const std::string& bookFile, long page) {
    const std::string name = formats::historyName(bookFile);
    const std::string entry = name + "=" + std::to_string(page);
    const int i = findItem(history, name);
    if (i >= 0)
        history.setItem(i, entry);
    else
        history.addItem(entry);
}

} // namespace reader
