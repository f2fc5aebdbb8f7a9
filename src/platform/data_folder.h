// The folder that holds the library: name resolution confined to it, whole-file
// reading, and atomic replacement of the files the program writes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

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
    // is used. Unsafe names and missing files give nothing.
    std::optional<std::string> resolve(const std::string& name) const;

    // The path at which a new file called name would be written (the path
    // resolve gives when the file exists).
    std::optional<std::string> pathForWriting(const std::string& name) const;

    // Every line of the file (without line ends); nothing when it is missing.
    std::optional<std::vector<std::string>> readLines(const std::string& name) const;

    // Replaces the file with content: a temporary file of a new, unique name
    // in the same folder (see isTempName) is created exclusively, never
    // through a link, written and synced to disk, then renamed over the old
    // one, and the folder is synced so that the rename survives a power loss.
    // On any failure the old file is left as it was, false is returned and
    // why (when given) gets the path and the reason.
    bool writeAtomic(const std::string& name, const std::string& content,
                     std::string* why = nullptr) const;

    // Whether file is a temporary file that writeAtomic makes for name:
    // name, ".tmp-" and six letters or digits.
    static bool isTempName(const std::string& file, const std::string& name);

    // Deletes the temporary files of name that an interrupted writeAtomic
    // left behind; returns how many were deleted. Other files are untouched.
    int removeStaleTemps(const std::string& name) const;

    // Deletes the file; false when it did not exist or could not be removed.
    bool remove(const std::string& name) const;

private:
    std::string m_root;
    NameFold m_fold;
};

} // namespace platform
