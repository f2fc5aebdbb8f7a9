#include "platform/data_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/text_file.h"

namespace fs = std::filesystem;

namespace platform {

namespace {

constexpr const char* kTempMark = ".tmp-";
constexpr size_t kTempLetters = 6;
constexpr const char* kTempAlphabet =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

std::string tempLetters() {
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, std::strlen(kTempAlphabet) - 1);
    std::string letters;
    for (size_t i = 0; i < kTempLetters; ++i)
        letters += kTempAlphabet[pick(random)];
    return letters;
}

// Creates a new file beside path for writing, under a name nobody has used:
// a name that exists already, as a file or a link, is never opened. Returns
// the descriptor, or -1 when no file could be created (temp is then not ours).
int createTemp(const std::string& path, std::string& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = path + kTempMark + tempLetters();
        const int fd =
            ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes all of content; false with errno set when it could not.
bool writeAll(int fd, const std::string& content) {
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// The reason of a failed call in the system's words.
std::string reason(int error) {
    return std::generic_category().message(error != 0 ? error : EIO);
}

constexpr const char* kNotAFile = "Not a regular file";

// Makes a rename in dir durable.
void syncFolder(const std::string& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_size = other.m_size;
    }
    return *this;
}

OpenFile::~OpenFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

DataFolder::DataFolder(std::string root, NameFold fold) : m_root(std::move(root)), m_fold(fold) {}

bool DataFolder::isSafeName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
        return false;
    if (name.find("..") != std::string::npos)
        return false;
    if (name.find('\0') != std::string::npos)
        return false;
    if (name.size() >= 2 && name[1] == ':')
        return false;
    return true;
}

const std::string& DataFolder::realRoot() const {
    if (m_realRoot.empty()) {
        std::error_code ec;
        m_realRoot = fs::canonical(m_root, ec).string();
        if (ec)
            m_realRoot.clear();
        else if (m_realRoot.back() != '/')
            m_realRoot += '/';
    }
    return m_realRoot;
}

bool DataFolder::inside(const std::string& path) const {
    if (realRoot().empty())
        return false;
    std::error_code ec;
    const std::string real = fs::canonical(path, ec).string();
    return !ec && real.size() > m_realRoot.size() &&
           real.compare(0, m_realRoot.size(), m_realRoot) == 0;
}

const DataFolder::Listing& DataFolder::listing() const {
    // A file system stamps a change with a clock that may be as coarse as two
    // seconds: a change soon after a listing can leave the folder's time as
    // it was. A listing made that soon after the folder's last change serves
    // until the time is safely past, and is then made once more.
    constexpr long kStampGrain = 3;
    struct stat folder {};
    if (::stat(m_root.c_str(), &folder) != 0) {
        m_listing = Listing{};
        return m_listing;
    }
    std::timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const bool settled = now.tv_sec - folder.st_mtim.tv_sec > kStampGrain;
    Listing& l = m_listing;
    if (l.made && l.device == folder.st_dev && l.inode == folder.st_ino &&
        l.changed.tv_sec == folder.st_mtim.tv_sec && l.changed.tv_nsec == folder.st_mtim.tv_nsec &&
        (l.trusted || !settled))
        return l;
    l = Listing{};
    ++m_listings;
    l.made = true;
    l.trusted = settled;
    l.device = folder.st_dev;
    l.inode = folder.st_ino;
    l.changed = folder.st_mtim;
    std::error_code ec;
    for (fs::directory_iterator it(m_root, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        l.byFolded[m_fold(name)].push_back(std::move(name));
    }
    return l;
}

std::optional<std::string> DataFolder::resolve(const std::string& name) const {
    if (!isSafeName(name))
        return std::nullopt;
    // A safe name is one entry of the folder: a regular file under it that is
    // no link lies inside the folder (one lstat); only a link has its whole
    // path resolved, which costs a look-up per folder of the path.
    const auto readable = [this](const fs::path& path) {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(path, ec);
        if (fs::is_regular_file(status))
            return !realRoot().empty();
        return fs::is_symlink(status) && fs::is_regular_file(path, ec) && inside(path.string());
    };
    const fs::path exact = fs::path(m_root) / name;
    if (readable(exact))
        return exact.string();
    const Listing& names = listing();
    const auto found = names.byFolded.find(m_fold(name));
    if (found == names.byFolded.end())
        return std::nullopt;
    for (const std::string& candidate : found->second) {
        const fs::path path = fs::path(m_root) / candidate;
        if (readable(path))
            return path.string();
    }
    return std::nullopt;
}

OpenFile DataFolder::openRegular(const std::string& name) const {
    // Not blocking: a pipe put in the file's place must not hang the open.
    const auto open = [](const std::string& path, int flags) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | flags);
        struct stat info {};
        if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
            return OpenFile(fd, static_cast<size_t>(info.st_size));
        if (fd >= 0)
            ::close(fd);
        return OpenFile();
    };
    if (!isSafeName(name) || realRoot().empty())
        return {};
    // A safe name is one entry of the folder, so a regular file opened under
    // it without following a link lies inside the folder. Anything else (a
    // link, another letter case, no such file) is found as resolve finds it.
    std::string exact = m_root;
    if (!exact.empty() && exact.back() != '/')
        exact += '/';
    exact += name;
    if (OpenFile file = open(exact, O_NOFOLLOW))
        return file;
    const auto path = resolve(name);
    return path ? open(*path, 0) : OpenFile();
}

std::optional<std::string> DataFolder::pathForWriting(const std::string& name) const {
    if (!isSafeName(name))
        return std::nullopt;
    if (auto existing = resolve(name))
        return existing;
    return (fs::path(m_root) / name).string();
}

std::optional<std::vector<std::string>> DataFolder::readLines(const std::string& name) const {
    auto path = resolve(name);
    if (!path)
        return std::nullopt;
    TextFile file;
    if (!file.open(*path))
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (file.readLine(line))
        lines.push_back(line);
    return lines;
}

FileContent DataFolder::readWhole(const std::string& name, size_t limit) const {
    FileContent result;
    auto failed = [&result](std::string why) {
        result.status = FileContent::Status::Failed;
        result.content.clear();
        result.error = std::move(why);
        return result;
    };
    const auto path = resolve(name);
    if (!path) {
        // Something that is not a plain file stands under the name.
        // A link that leads out of the folder is no file of it.
        std::error_code ec;
        const fs::path exact = fs::path(m_root) / name;
        const fs::file_status there = fs::status(exact, ec);
        if (!isSafeName(name) || ec || !fs::exists(there) || fs::is_symlink(exact, ec))
            return result;
        return failed(fs::is_directory(there) ? reason(EISDIR) : kNotAFile);
    }
    // Not blocking: a pipe put in the file's place must not hang the program.
    const int fd = ::open(path->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return failed(reason(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return failed(kNotAFile);
    }
    std::string content(std::min<size_t>(limit, 1 << 16), '\0');
    size_t done = 0;
    while (done < limit) {
        if (done == content.size())
            content.resize(std::min(limit, content.size() * 2));
        const ssize_t n = ::read(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return failed(reason(error));
        }
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    content.resize(done);
    result.status = FileContent::Status::Read;
    result.content = std::move(content);
    return result;
}

bool DataFolder::writeAtomic(const std::string& name, const std::string& content,
                             std::string* why) const {
    auto fail = [why](int error) {
        if (why)
            *why = reason(error);
        return false;
    };
    auto path = pathForWriting(name);
    if (!path)
        return fail(EINVAL);
    std::string temp;
    const int fd = createTemp(*path, temp);
    if (fd < 0)
        return fail(errno);
    int error = 0;
    // The file keeps the permissions it had (a private file stays private).
    struct stat old {};
    if (::lstat(path->c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (error == 0 && (!writeAll(fd, content) || ::fsync(fd) != 0))
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temp.c_str(), path->c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return fail(error);
    }
    // The file is in place; a folder that cannot be synced does not undo that.
    syncFolder(fs::path(*path).parent_path().string());
    removeStaleTemps(name);
    return true;
}

bool DataFolder::isTempName(const std::string& file, const std::string& name) {
    const std::string prefix = name + kTempMark;
    if (file.size() != prefix.size() + kTempLetters || file.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(file.begin() + static_cast<long>(prefix.size()), file.end(),
                       [](char c) { return c != '\0' && std::strchr(kTempAlphabet, c); });
}

int DataFolder::removeStaleTemps(const std::string& name) const {
    auto path = pathForWriting(name);
    if (!path)
        return 0;
    const std::string target = fs::path(*path).filename().string();
    std::vector<fs::path> stale;
    std::error_code ec;
    for (fs::directory_iterator it(m_root, ec), end; !ec && it != end; it.increment(ec)) {
        if (!isTempName(it->path().filename().string(), target))
            continue;
        // A link of that name is removed itself, never what it points at; a folder stays.
        std::error_code statusError;
        const fs::file_type type = it->symlink_status(statusError).type();
        if (type == fs::file_type::regular || type == fs::file_type::symlink)
            stale.push_back(it->path());
    }
    int removed = 0;
    for (const fs::path& file : stale)
        removed += fs::remove(file, ec) ? 1 : 0;
    return removed;
}

void failWritesPastTheSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace platform
