// Where the program reads its library and where it keeps the reader's own
// files (the page history and the bookmarks). A current folder that holds the
// start list is a portable library and keeps the reader's files itself;
// otherwise the library that belongs to the program is read and the reader's
// files live in the reader's data folder. Nothing here writes under the
// program's installation.
#pragma once

#include <string>

namespace platform {

// The start list: a folder that holds it is a library.
constexpr const char* kStartList = "START.SEL";

// What the choice looks at; environmentOfProcess() fills it from the process.
struct Environment {
    std::string currentFolder; // absolute
    std::string programFolder; // the folder of the running executable
    std::string home;          // $HOME, or the home of the user's account entry
    std::string xdgDataHome;   // $XDG_DATA_HOME as set, possibly empty
};

// Where a build finds its library, compiled into the program.
struct LibraryLocations {
    // The folder into which the build puts the program, and the library that
    // a program running from there reads (the source tree's).
    std::string buildFolder;
    std::string sourceLibrary;
    // The installed library relative to the installed program's folder.
    std::string installedLibrary;
};

struct Places {
    std::string library;     // read only
    std::string readerFiles; // page history and bookmarks; empty when no home is known
    bool portable = false;   // the current folder is the library and keeps the reader's files
};

// $XDG_DATA_HOME/tessary when XDG_DATA_HOME is an absolute path, else
// HOME/.local/share/tessary; empty when no absolute home is known.
std::string readerDataFolder(const Environment& env);

// The library that belongs to the running program: the source tree's for a
// program in its build folder, else the installed one beside the program.
std::string programLibrary(const Environment& env, const LibraryLocations& where);

// Whether folder holds the start list (the name's letter case aside).
bool holdsStartList(const std::string& folder);

// The one choice of folders, made when the program starts. The program's own
// library is never taken as a portable one, even when started inside it, so
// that nothing is written there.
Places choosePlaces(const Environment& env, const LibraryLocations& where);

Environment environmentOfProcess();

enum class FolderState { Existed, Created, Failed };

// Makes sure folder exists, creating it and its missing parents readable by
// the owner only; why gets the reason of a failure.
FolderState makeFolder(const std::string& folder, std::string* why = nullptr);

} // namespace platform
