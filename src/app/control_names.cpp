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
    {"frmPage", "lstPgLast", "Pages 251 and after"},
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
    // The page chooser's lists of 25 between its first and its last.
    if (ui::Window* chooser = p.window("frmPage"))
        for (int first = 25; first < 250; first += 25)
            if (ui::Control* c = chooser->control("lstPg" + std::to_string(first)))
                c->AccessibleName =
                    "Pages " + std::to_string(first + 1) + " to " + std::to_string(first + 25);
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
