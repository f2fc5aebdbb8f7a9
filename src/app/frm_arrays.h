// The hidden window whose list boxes serve as the program's string lists.
#pragma once

#include "ui/window.h"

namespace app {

class FrmArrays : public ui::Window {
public:
    explicit FrmArrays(ui::Screen& screen);
    // The page history: one "STEM=page" item per book.
    ui::ListBox lstSavePages;
    // Sort keys of topic-grid entries, kept in case-insensitive order.
    ui::ListBox lstSorted;
};

} // namespace app
