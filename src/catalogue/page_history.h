// The page history: the last page read of every book, kept in lstSavePages
// and in !Tessary.ini between runs, and the ways of ending the program.
#pragma once

#include <string>

namespace app {
class Program;
}

namespace catalogue {

constexpr const char* kHistoryFile = "!Tessary.ini";

// Reads the history file into lstSavePages (start-up): every item, whatever
// its line ends and the empty lines between. A missing file is made anew,
// empty; a file that is there but cannot be read is told and left alone:
// nothing is written over it until the program ends.
void readHistory(app::Program& p);

// Writes lstSavePages to the history file in the folder of the reader's
// files, replacing it atomically; false when it could not be written or is
// left alone (the old file is then kept and why, when given, says why).
[[nodiscard]] bool writeHistory(app::Program& p, std::string* why = nullptr);

// The quit menu items, the history option and the closing of the main
// window. A history that cannot be written or wiped is reported in a message
// box with the file and the reason; the program still ends (or, for the
// option, goes on).
void quitWithSaving(app::Program& p);
void quitDeletingHistory(app::Program& p);
void deleteHistory(app::Program& p);

// Asks whether to save the history as the main window closes; false when
// the reader cancelled the closing.
bool closingMainWindow(app::Program& p);

} // namespace catalogue
