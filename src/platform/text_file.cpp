#include "platform/text_file.h"

namespace platform {

TextFile::~TextFile() {
    close();
}

bool TextFile::open(const std::string& path) {
    close();
    m_file = std::fopen(path.c_str(), "rb");
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
    int c = getc_unlocked(m_file);
    if (c == EOF)
        return false;
    while (c != EOF && c != '\n') {
        line.push_back(static_cast<char>(c));
        c = getc_unlocked(m_file);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
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
    return std::fseek(m_file, pos - 1, SEEK_SET) == 0;
}

} // namespace platform
