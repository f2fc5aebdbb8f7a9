#include "platform/places.h"

#include <pwd.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace platform {

namespace {

bool isAbsolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

bool sameFolder(const std::string& a, const std::string& b) {
    std::error_code ec;
    return !a.empty() && !b.empty() && fs::equivalent(a, b, ec) && !ec;
}

std::string accountHome() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return found->pw_dir;
}

} // namespace

std::string readerDataFolder(const Environment& env) {
    // A relative XDG_DATA_HOME is invalid and ignored, as is a relative home:
    // either would put the reader's files wherever the program was started.
    if (isAbsolute(env.xdgDataHome))
        return (fs::path(env.xdgDataHome) / "tessary").string();
    if (isAbsolute(env.home))
        return (fs::path(env.home) / ".local" / "share" / "tessary").string();
    return {};
}

std::string programLibrary(const Environment& env, const LibraryLocations& where) {
    if (sameFolder(env.programFolder, where.buildFolder))
        return where.sourceLibrary;
    return (fs::path(env.programFolder) / where.installedLibrary).lexically_normal().string();
}

bool holdsStartList(const std::string& folder) {
    std::error_code ec;
    if (fs::is_regular_file(fs::path(folder) / kStartList, ec))
        return true;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (::strcasecmp(it->path().filename().c_str(), kStartList) == 0 &&
            it->is_regular_file(typeError))
            return true;
    }
    return false;
}

Places choosePlaces(const Environment& env, const LibraryLocations& where) {
    const std::string library = programLibrary(env, where);
    if (holdsStartList(env.currentFolder) && !sameFolder(env.currentFolder, library))
        return {env.currentFolder, env.currentFolder, true};
    return {library, readerDataFolder(env), false};
}

Environment environmentOfProcess() {
    Environment env;
    std::error_code ec;
    env.currentFolder = fs::current_path(ec).string();
    env.programFolder = fs::read_symlink("/proc/self/exe", ec).parent_path().string();
    const char* home = std::getenv("HOME");
    env.home = home && isAbsolute(home) ? std::string(home) : accountHome();
    const char* data = std::getenv("XDG_DATA_HOME");
    env.xdgDataHome = data ? data : "";
    return env;
}

FolderState makeFolder(const std::string& folder, std::string* why) {
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return FolderState::Existed;
    // Each missing folder on the way is made for the owner alone: the
    // reader's files are nobody else's business.
    fs::path made;
    for (const fs::path& part : fs::path(folder).lexically_normal()) {
        made /= part;
        if (part.empty() || fs::is_directory(made, ec))
            continue;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) {
            if (why)
                *why = made.string() + ": " + std::strerror(errno);
            return FolderState::Failed;
        }
    }
    if (!fs::is_directory(folder, ec)) {
        if (why)
            *why = folder + ": not a folder";
        return FolderState::Failed;
    }
    return FolderState::Created;
}

} // namespace platform
