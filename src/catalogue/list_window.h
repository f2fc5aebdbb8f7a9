// The shape shared by the second- and third-level list windows: a logo strip,
// a subject line, an Up One Level button, an item count and the list.
#pragma once

#include "ui/window.h"

namespace app {
class Program;
}

namespace catalogue {

class ListWindow : public ui::Window {
public:
    ListWindow(app::Program& p, const std::string& name, const std::string& listName,
               const std::string& backHelp);

    ui::Picture pnlLogo;
    ui::TextBox txtSubject;
    ui::Button btnBack;
    ui::Label lblStatus;
    ui::ListBox list;

    void onLoad() override;
    // A list that opens shows the next one with the keys in it.
    void onShown() override;

protected:
    // The Up One Level action (left button released on btnBack).
    virtual void goBack() = 0;
    app::Program& m_p;
};

} // namespace catalogue
