#include "reader/page_history_lookup.h"

#include "ui/controls.h"

namespace reader {

namespace {

int findItem(const ui::ListBox& history, const std::string& name) {
    for (int i = 0; i < history.listCount(); ++i)
        if (history.list(i).compare(0, name.size(), name) == 0 &&
            history.list(i).size() >= name.size())
            return i;
    return -1;
}

} // namespace

std::string historyName(const std::string& bookFile) {
    return bookFile.size() > 4 ? bookFile.substr(0, bookFile.size() - 4) : std::string();
}

std::string savedPage(const ui::ListBox& history, const std::string& bookFile) {
    const std::string name = historyName(bookFile);
    const int i = findItem(history, name);
    if (i < 0)
        return {};
    const std::string item = history.list(i);
    std::string page = item.size() > name.size() + 1 ? item.substr(name.size() + 1) : std::string();
    if (page == "0" || page.find_first_not_of("0123456789") != std::string::npos)
        return {};
    return page;
}

void recordPage(ui::ListBox& history, const std::string& bookFile, long page) {
    const std::string name = historyName(bookFile);
    const std::string entry = name + "=" + std::to_string(page);
    const int i = findItem(history, name);
    if (i >= 0)
        history.setItem(i, entry);
    else
        history.addItem(entry);
}

} // namespace reader
