#include "app/control_names.h"

#include <string>

#include "app/program.h"
#include "ui/controls.h"
#include "ui/window.h"

namespace app {

namespace {

struct ControlName {
    const char* window;
    const char* control;
    const char* name;
};

constexpr ControlName kNames[] = {
    {"frmList0", "lstMain0", "Start list"},
    {"frmList1", "txtSubject", "Heading"},
    {"frmList1", "lstMain1", "Sections"},
    {"frmList2", "txtSubject", "Heading"},
    {"frmList2", "lstMain2", "Entries"},
    {"frmText1", "Text1", "Page"},
    {"frmPage", "LstPg0", "Pages 1 to 25"},
    {"frmPage", "lstPg25", "Pages 26 to 50"},
    {"frmPage", "lstPg50", "Pages 51 to 75"},
    {"frmPage", "lstPg75", "Pages 76 to 100"},
    {"frmPage", "lstPg100", "Pages 101 to 125"},
    {"frmPage", "lstPgLast", "Pages 126 to 150"},
    {"frmBkMrk", "lstBkMrk", "Bookmarks"},
    {"frmFind6", "txtInput", "Search text"},
    {"frmFind6", "TextF", "Search results"},
    {"frmFind6", "TextF2", "Hit in its paragraph"},
    {"frmText3", "Text31", "Verse"},
    {"frmText3", "Text32", "Original-language words"},
    {"frmText3", "Text33", "Notes and definitions"},
    {"frmtext0", "Text1", "Text"},
    {"frmtext2", "Text1", "Passages"},
    {"frmtext2", "Note", "Note"},
    {"frmMsg", "Message", "Help"},
};

} // namespace

void nameControls(Program& p) {
    for (const ControlName& n : kNames)
        if (ui::Window* w = p.window(n.window))
            if (ui::Control* c = w->control(n.control))
                c->AccessibleName = n.name;
    for (const char* grid : {"frmSelectA", "frmSelectP"}) {
        ui::Window* w = p.window(grid);
        for (int i = 0; w; ++i) {
            ui::Control* cell = w->control("Cell(" + std::to_string(i) + ")");
            if (!cell)
                break;
            cell->AccessibleName = "Topic " + std::to_string(i);
        }
    }
}

} // namespace app
