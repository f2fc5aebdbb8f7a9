// The files of a library folder as the check reads them: each file read once
// into memory and split into lines the way the program's line reader splits
// them (at LF, a CR before it dropped, a byte-order mark at the start left
// out), with the byte offset of every line.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace library::check {

class SourceFile {
public:
    SourceFile(std::string name, std::string bytes);

    const std::string& name() const { return m_name; }
    const std::string& bytes() const { return m_bytes; }
    long size() const { return static_cast<long>(m_bytes.size()); }
    // The file begins with a UTF-8 byte-order mark, which line 0 leaves out.
    bool byteOrderMark() const { return m_byteOrderMark; }

    size_t lineCount() const { return m_starts.size(); }
    // Line i (0-based) without its line end.
    std::string_view line(size_t i) const;
    // The 0-based byte offset of the first byte of line i.
    long start(size_t i) const { return m_starts[i]; }
    // The 0-based offset just after line i's line end.
    long next(size_t i) const;

    // The 1-based number of the line that holds byte offset (the last line
    // for offsets past the end; 1 for an empty file).
    long lineNumber(long offset) const;
    // The index of the line that starts exactly at offset, if one does.
    std::optional<size_t> lineStartingAt(long offset) const;

private:
    std::string m_name;
    std::string m_bytes;
    std::vector<long> m_starts;
    std::vector<long> m_lengths;
    bool m_byteOrderMark = false;
};

// The folder: names resolved as the program resolves them (the exact name,
// else a match without regard to letter case), every file read at most once.
class Library {
public:
    explicit Library(std::string dir);

    bool readable() const { return m_readable; }
    const std::string& dir() const { return m_dir; }
    // Every regular file of the folder, sorted.
    const std::vector<std::string>& names() const { return m_names; }

    // The folder's name for the file the program opens as name; nothing for
    // unsafe or missing names.
    std::optional<std::string> resolve(const std::string& name) const;

    // The file the program opens as name, read into memory; nullptr when it
    // is missing or cannot be read (cannotRead() tells which).
    const SourceFile* open(const std::string& name);
    bool cannotRead(const std::string& folderName) const;

private:
    std::string m_dir;
    bool m_readable = false;
    std::vector<std::string> m_names;
    std::map<std::string, std::string> m_folded; // lower-case name -> folder name
    std::map<std::string, std::unique_ptr<SourceFile>> m_files;
};

} // namespace library::check
