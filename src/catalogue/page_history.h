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

// Writes lstSavePages to the history file, replacing it atomically; false
// when it could not be written (the old file is then kept).
[[nodiscard]] bool writeHistory(app::Program& p);

// The quit menu items and the history option.
void quitWithSaving(app::Program& p);
void quitDeletingHistory(app::Program& p);
void deleteHistory(app::Program& p);

// Asks whether to save the history as the main window closes; false when
// the reader cancelled the closing.
bool closingMainWindow(app::Program& p);

} // namespace catalogue
