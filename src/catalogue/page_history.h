// The page history: the last page read of every book, kept in lstSavePages
// and in !Tessary.ini between runs, and the ways of ending the program.
#pragma once

#include <string>

namespace app {
class Program;
}

namespace catalogue {

constexpr const char* kHistoryFile = "!Tessary.ini";

// Reads the history file into lstSavePages (start-up).
void readHistory(app::Program& p);

// Writes lstSavePages to the history file in the folder of the reader's
// files, replacing it atomically; false when it could not be written (the old
// file is then kept and why, when given, says what failed).
bool writeHistory(app::Program& p, std::string* why = nullptr);

// The quit menu items and the history option. A history that cannot be
// written or wiped is reported in a message box; the program still ends
// (or, for the option, goes on).
void quitWithSaving(app::Program& p);
void quitDeletingHistory(app::Program& p);
void deleteHistory(app::Program& p);

// Asks whether to save the history as the main window closes; false when
// the reader cancelled the closing.
bool closingMainWindow(app::Program& p);

} // namespace catalogue
