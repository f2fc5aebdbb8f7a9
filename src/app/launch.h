// Starting the program as a reader launches it: the folders of the library
// and of the reader's files chosen once, the reader's folder made on first
// use. The scenario runners build their Program on one folder instead.
#pragma once

#include <string>

#include "platform/places.h"

namespace app {

class Program;

struct Launch {
    platform::Places places;
    platform::FolderState readerFolder = platform::FolderState::Existed;
    std::string why; // why the reader's folder could not be made
};

// Chooses the folders and makes the reader's folder when it is missing.
Launch prepareLaunch(const platform::Environment& env, const platform::LibraryLocations& where);

// Runs the entry procedure on p, built on launch's folders. A reader's
// folder made by this start gets an empty page history, so that a first
// start is not greeted as if a history had been lost; a folder that could
// not be made, or no folder at all, is reported.
void launch(Program& p, const Launch& launch);

} // namespace app
