#include "search/book_buffer.h"

#include <cerrno>
#include <cstdlib>

#include <unistd.h>

#include "platform/data_folder.h"

namespace search {

namespace {
constexpr size_t kPage = 4096;
} // namespace

void BookBuffer::Free::operator()(char* p) const {
    std::free(p);
}

bool BookBuffer::read(const platform::OpenFile& file) {
    m_size = 0;
    if (!file)
        return false;
    const size_t want = file.size();
    if (want > m_capacity) {
        // Uninitialised on purpose: every byte used is read from the file.
        // aligned_alloc takes a size that is a multiple of the alignment.
        const size_t capacity = (want + kPage - 1) / kPage * kPage;
        m_data.reset(static_cast<char*>(std::aligned_alloc(kPage, capacity)));
        if (!m_data) {
            m_capacity = 0;
            return false;
        }
        m_capacity = capacity;
    }
    size_t got = 0;
    // A file that grows while it is read is taken up to its size at the open.
    while (got < want) {
        const ssize_t n = ::read(file.fd(), m_data.get() + got, want - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    m_size = got;
    return true;
}

} // namespace search
