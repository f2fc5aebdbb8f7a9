// Line-oriented reading of a data file with 1-based byte positions.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace platform {

// The bytes a UTF-8 editor may put at the very start of a file. The library
// is Windows-1252 text, in which they would read as three letters ("ï»¿"):
// a reader of a whole file or of its first line leaves them out.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// text without a byte-order mark at its start.
std::string_view withoutByteOrderMark(std::string_view text);

// Which file was read, and as it stood: its device and inode (a file
// replaced by a rename is another), size and the time of its last change.
struct FileStamp {
    unsigned long long device = 0, inode = 0;
    long long size = -1;
    long long changed = 0; // nanoseconds since the epoch
    bool operator==(const FileStamp&) const = default;
};

// Reads a text file line by line. A line is returned without its line end
// (CR LF or a bare LF); the line read from the file's first byte on is
// returned without a byte-order mark. Positions count from 1 and are the
// file's own: position() is the byte at which the next read starts, seek(1)
// goes back to the first byte (before the mark, when there is one).
class TextFile {
public:
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    // Opens path for reading; false when it cannot be opened.
    [[nodiscard]] bool open(const std::string& path);
    // The open file's stamp; a stamp of size -1 when there is none.
    FileStamp stamp() const;
    bool isOpen() const { return m_file != nullptr; }
    void close();

    // Reads the next line into line; false at end of file (line is emptied).
    bool readLine(std::string& line);
    bool eof();
    long position() const;
    // Moves to 1-based byte position pos; false when pos is out of range.
    [[nodiscard]] bool seek(long pos);

private:
    std::FILE* m_file = nullptr;
    bool m_atStart = false; // the next read starts at the file's first byte
};

} // namespace platform
