#include "search/book_buffer.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace search {

namespace {
// Closes a file descriptor when it goes out of scope.
struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0)
            ::close(fd);
    }
};
constexpr size_t kPage = 4096;
} // namespace

void BookBuffer::Free::operator()(char* p) const {
    std::free(p);
}

bool BookBuffer::read(const std::string& path) {
    m_size = 0;
    Fd file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    if (file.fd < 0 || ::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const auto want = static_cast<size_t>(st.st_size);
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
        const ssize_t n = ::read(file.fd, m_data.get() + got, want - got);
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
