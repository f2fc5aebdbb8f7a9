// Whole book files read into memory for scanning: one buffer that is reused
// from book to book, so that a search over many books allocates only when a
// book is larger than every book before it.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace search {

class BookBuffer {
public:
    // Reads the whole file at path with one read; false (and no bytes) when it
    // cannot be opened or read.
    bool read(const std::string& path);
    // The bytes of the file read last.
    std::string_view bytes() const { return {m_data.get(), m_size}; }

private:
    std::unique_ptr<char[]> m_data;
    size_t m_capacity = 0;
    size_t m_size = 0;
};

} // namespace search
