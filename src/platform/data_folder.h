// The folder that holds the library: name resolution confined to it, whole-file
// reading, and atomic replacement of the files the program writes.
#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

// What reading a whole file gave.
struct FileContent {
    enum class Status { Missing, Failed, Read };
    Status status = Status::Missing;
    std::string content; // Read: the bytes read
    std::string error;   // Failed: why, in the system's words ("Permission denied")
};

// A file of the folder open for reading, closed with the object.
class OpenFile {
public:
    OpenFile() = default;
    OpenFile(int fd, size_t size) : m_fd(fd), m_size(size) {}
    OpenFile(OpenFile&& other) noexcept
        : m_fd(std::exchange(other.m_fd, -1)), m_size(other.m_size) {}
    OpenFile& operator=(OpenFile&& other) noexcept;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile();

    explicit operator bool() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    // The file's size when it was opened.
    size_t size() const { return m_size; }

private:
    int m_fd = -1;
    size_t m_size = 0;
};

class DataFolder {
public:
    // How names are compared when the exact name is missing: both sides are
    // folded with it and must then be equal. The folder knows no character
    // set; the program folds with the letter case of its library's texts.
    using NameFold = std::string (*)(std::string name);

    DataFolder(std::string root, NameFold fold);

    const std::string& root() const { return m_root; }

    // True for a plain file name: not empty, not absolute, no "/", "\" or "..".
    static bool isSafeName(const std::string& name);

    // The path of an existing file called name inside the folder. When the
    // exact name is missing, the first file whose folded name equals name's
    // is used. Unsafe names and missing files give nothing, and so does a
    // link whose file lies outside the folder: the folder's files are the
    // only ones read through it. The folder is listed for the folded match
    // once, and again only after it has changed, so that a look-up costs the
    // same in a folder of fifty files as in one of fifty thousand.
    [[nodiscard]] std::optional<std::string> resolve(const std::string& name) const;
    // The file resolve finds for name, opened for reading: a regular file,
    // never a pipe or a folder; nothing where resolve gives nothing or the
    // file cannot be opened. A regular file under the exact name that is no
    // link opens with one call and no look-up before it.
    [[nodiscard]] OpenFile openRegular(const std::string& name) const;
    // How often resolve has listed the folder.
    int listings() const { return m_listings; }

    // Whether path, an existing file, lies inside the folder once every link
    // is followed.
    bool inside(const std::string& path) const;

    // The path at which a new file called name would be written (the path
    // resolve gives when the file exists).
    [[nodiscard]] std::optional<std::string> pathForWriting(const std::string& name) const;

    // Every line of the file (without line ends); nothing when it is missing.
    [[nodiscard]] std::optional<std::vector<std::string>> readLines(const std::string& name) const;

    // The file read whole, at most limit bytes of it: Missing when there is
    // nothing of that name, Failed when something of that name cannot be
    // read (no permission, a folder, a read error), with the reason.
    [[nodiscard]] FileContent readWhole(const std::string& name, size_t limit) const;

    // Replaces the file with content: a temporary file of a new, unique name
    // in the same folder (see isTempName) is created exclusively, never
    // through a link, written and synced to disk, given the old file's
    // permissions, then renamed over the old one, and the folder is synced so
    // that the rename survives a power loss.
    // On any failure the old file is left as it was and false is returned,
    // with the reason in why when given ("Permission denied").
    [[nodiscard]] bool writeAtomic(const std::string& name, const std::string& content,
                                   std::string* why = nullptr) const;

    // Whether file is a temporary file that writeAtomic makes for name:
    // name, ".tmp-" and six letters or digits.
    static bool isTempName(const std::string& file, const std::string& name);

    // Deletes the temporary files of name that an interrupted writeAtomic
    // left behind; returns how many were deleted. Other files are untouched.
    int removeStaleTemps(const std::string& name) const;

private:
    // The folder's names by their folded form, as a listing found them, and
    // what the folder was when it was listed.
    struct Listing {
        bool made = false;
        bool trusted = false; // the folder had not changed just before the listing
        unsigned long long device = 0, inode = 0;
        std::timespec changed{};
        std::unordered_map<std::string, std::vector<std::string>> byFolded;
    };

    // The listing, made afresh when the folder changed since the last one.
    const Listing& listing() const;
    // The folder's path with every link followed and a final "/"; empty when
    // it cannot be found.
    const std::string& realRoot() const;

    std::string m_root;
    NameFold m_fold;
    mutable std::string m_realRoot; // with a final "/"; empty until known
    mutable Listing m_listing;
    mutable int m_listings = 0;
};

// One file of a data folder, named once: everything read from it and
// written to it reaches the same file.
class FolderFile {
public:
    FolderFile(const DataFolder& folder, std::string name)
        : m_folder(&folder), m_name(std::move(name)) {}

    const std::string& name() const { return m_name; }
    // Where the file is or would be written, for telling the reader.
    std::string path() const { return m_folder->pathForWriting(m_name).value_or(m_name); }
    [[nodiscard]] std::optional<std::vector<std::string>> readLines() const {
        return m_folder->readLines(m_name);
    }
    [[nodiscard]] FileContent readWhole(size_t limit) const {
        return m_folder->readWhole(m_name, limit);
    }
    [[nodiscard]] bool writeAtomic(const std::string& content, std::string* why = nullptr) const {
        return m_folder->writeAtomic(m_name, content, why);
    }
    int removeStaleTemps() const { return m_folder->removeStaleTemps(m_name); }

private:
    const DataFolder* m_folder;
    std::string m_name;
};

// Makes a write past the process's file size limit fail with "File too
// large", which the save then reports, instead of ending the program.
void failWritesPastTheSizeLimit();

} // namespace platform
