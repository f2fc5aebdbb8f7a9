// Line-oriented reading of a data file with 1-based byte positions.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// Reads a text file line by line. A line is returned without its line end
// (CR LF or a bare LF). Positions count from 1: position() is the byte at
// which the next read starts, seek(1) goes back to the first byte.
class TextFile {
public:
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    // Opens path for reading; false when it cannot be opened.
    [[nodiscard]] bool open(const std::string& path);
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
};

} // namespace platform
