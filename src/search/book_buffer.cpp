#include "search/book_buffer.h"

#include <cerrno>

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
} // namespace

bool BookBuffer::read(const std::string& path) {
    m_size = 0;
    Fd file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    if (file.fd < 0 || ::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const auto want = static_cast<size_t>(st.st_size);
    if (want > m_capacity) {
        // Uninitialised on purpose: every byte used is read from the file.
        m_data.reset(new char[want]);
        m_capacity = want;
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
