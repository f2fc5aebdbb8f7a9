// The bookmark list kept between runs: read from the bookmark file at start,
// and written whole, replacing the file atomically, whenever the list
// changes (a bookmark set, the list cleared).
#pragma once

namespace app {
class Program;
}

namespace reader {

// Fills lstBkMrk from the bookmark file (start-up). A missing file is an
// empty list. A damaged file gives a message and an empty list, and is left
// as it is until the list next changes; a file that is there but cannot be
// read gives a message and an empty list, and is left as it is until the
// program ends.
void readBookmarks(app::Program& p);

// Writes lstBkMrk to the bookmark file. When it cannot, or the file is left
// alone, the reader is told which file and why, the file keeps what it held,
// and false is returned.
bool saveBookmarks(app::Program& p);

} // namespace reader
