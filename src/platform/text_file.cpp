#include "platform/text_file.h"

#include <sys/stat.h>

namespace platform {

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

FileStamp TextFile::stamp() const {
    struct stat st {};
    if (!m_file || ::fstat(::fileno(m_file), &st) != 0)
        return {};
    return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
            static_cast<long long>(st.st_size),
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

TextFile::~TextFile() {
    close();
}

bool TextFile::open(const std::string& path) {
    close();
    m_file = std::fopen(path.c_str(), "rb");
    m_atStart = true;
    return m_file != nullptr;
}

void TextFile::close() {
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

bool TextFile::readLine(std::string& line) {
    line.clear();
    if (!m_file)
        return false;
    const bool first = m_atStart;
    m_atStart = false;
    int c = getc_unlocked(m_file);
    if (c == EOF)
        return false;
    while (c != EOF && c != '\n') {
        line.push_back(static_cast<char>(c));
        c = getc_unlocked(m_file);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (first && line.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0)
        line.erase(0, kByteOrderMark.size());
    return true;
}

bool TextFile::eof() {
    if (!m_file)
        return true;
    int c = getc_unlocked(m_file);
    if (c == EOF)
        return true;
    std::ungetc(c, m_file);
    return false;
}

long TextFile::position() const {
    return m_file ? std::ftell(m_file) + 1 : 0;
}

bool TextFile::seek(long pos) {
    if (!m_file || pos < 1)
        return false;
    if (std::fseek(m_file, pos - 1, SEEK_SET) != 0)
        return false;
    m_atStart = pos == 1;
    return true;
}

} // namespace platform
