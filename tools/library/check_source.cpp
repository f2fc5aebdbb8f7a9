#include "library/check_source.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "formats/letter_case.h"
#include "platform/data_folder.h"
#include "platform/text_file.h"

namespace fs = std::filesystem;

namespace library::check {

SourceFile::SourceFile(std::string name, std::string bytes)
    : m_name(std::move(name)), m_bytes(std::move(bytes)) {
    const size_t n = m_bytes.size();
    // The program reads line 1 without a byte-order mark; so does the check.
    m_byteOrderMark = std::string_view(m_bytes).substr(0, platform::kByteOrderMark.size()) ==
                      platform::kByteOrderMark;
    size_t at = m_byteOrderMark ? platform::kByteOrderMark.size() : 0;
    bool markOnly = m_byteOrderMark && at == n; // one empty line, as the program reads it
    while (at < n || markOnly) {
        markOnly = false;
        size_t lf = m_bytes.find('\n', at);
        const size_t end = lf == std::string::npos ? n : lf;
        size_t length = end - at;
        if (length > 0 && m_bytes[end - 1] == '\r')
            --length;
        m_starts.push_back(static_cast<long>(at));
        m_lengths.push_back(static_cast<long>(length));
        at = lf == std::string::npos ? n : lf + 1;
    }
}

std::string_view SourceFile::line(size_t i) const {
    return std::string_view(m_bytes).substr(static_cast<size_t>(m_starts[i]),
                                            static_cast<size_t>(m_lengths[i]));
}

long SourceFile::next(size_t i) const {
    return i + 1 < m_starts.size() ? m_starts[i + 1] : size();
}

long SourceFile::lineNumber(long offset) const {
    if (m_starts.empty())
        return 1;
    auto it = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
    return std::max<long>(1, it - m_starts.begin());
}

std::optional<size_t> SourceFile::lineStartingAt(long offset) const {
    auto it = std::lower_bound(m_starts.begin(), m_starts.end(), offset);
    if (it == m_starts.end() || *it != offset)
        return std::nullopt;
    return static_cast<size_t>(it - m_starts.begin());
}

Library::Library(std::string dir) : m_dir(std::move(dir)) {
    std::error_code ec;
    fs::directory_iterator it(m_dir, ec);
    m_readable = !ec;
    // A link whose file lies outside the folder is missing to the program, and so here.
    const platform::DataFolder folder(m_dir, formats::lowerText);
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code fileEc;
        if (it->is_regular_file(fileEc) &&
            (!it->is_symlink(fileEc) || folder.inside(it->path().string())))
            m_names.push_back(it->path().filename().string());
    }
    std::sort(m_names.begin(), m_names.end());
    for (const std::string& name : m_names)
        m_folded.emplace(formats::lowerText(name), name);
}

std::optional<std::string> Library::resolve(const std::string& name) const {
    if (!platform::DataFolder::isSafeName(name))
        return std::nullopt;
    if (std::binary_search(m_names.begin(), m_names.end(), name))
        return name;
    auto it = m_folded.find(formats::lowerText(name));
    if (it == m_folded.end())
        return std::nullopt;
    return it->second;
}

const SourceFile* Library::open(const std::string& name) {
    auto folderName = resolve(name);
    if (!folderName)
        return nullptr;
    auto it = m_files.find(*folderName);
    if (it == m_files.end()) {
        std::unique_ptr<SourceFile> file;
        std::ifstream in(fs::path(m_dir) / *folderName, std::ios::binary);
        std::error_code ec;
        const auto size = fs::file_size(fs::path(m_dir) / *folderName, ec);
        if (in && !ec) {
            std::string bytes(static_cast<size_t>(size), '\0');
            in.read(bytes.data(), static_cast<std::streamsize>(size));
            bytes.resize(static_cast<size_t>(in.gcount()));
            if (!in.bad())
                file = std::make_unique<SourceFile>(*folderName, std::move(bytes));
        }
        it = m_files.emplace(*folderName, std::move(file)).first;
    }
    return it->second.get();
}

bool Library::cannotRead(const std::string& folderName) const {
    auto it = m_files.find(folderName);
    return it != m_files.end() && !it->second;
}

} // namespace library::check
