#include "platform/data_folder.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/text_file.h"

namespace fs = std::filesystem;

namespace platform {

DataFolder::DataFolder(std::string root, NameFold fold) : m_root(std::move(root)), m_fold(fold) {}

bool DataFolder::isSafeName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
        return false;
    if (name.find("..") != std::string::npos)
        return false;
    if (name.find('\0') != std::string::npos)
        return false;
    if (name.size() >= 2 && name[1] == ':')
        return false;
    return true;
}

std::optional<std::string> DataFolder::resolve(const std::string& name) const {
    if (!isSafeName(name))
        return std::nullopt;
    std::error_code ec;
    fs::path exact = fs::path(m_root) / name;
    if (fs::is_regular_file(exact, ec))
        return exact.string();
    const std::string wanted = m_fold(name);
    for (fs::directory_iterator it(m_root, ec), end; !ec && it != end; it.increment(ec)) {
        if (m_fold(it->path().filename().string()) == wanted && it->is_regular_file(ec))
            return it->path().string();
    }
    return std::nullopt;
}

std::optional<std::string> DataFolder::pathForWriting(const std::string& name) const {
    if (!isSafeName(name))
        return std::nullopt;
    if (auto existing = resolve(name))
        return existing;
    return (fs::path(m_root) / name).string();
}

std::optional<std::vector<std::string>> DataFolder::readLines(const std::string& name) const {
    auto path = resolve(name);
    if (!path)
        return std::nullopt;
    TextFile file;
    if (!file.open(*path))
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (file.readLine(line))
        lines.push_back(line);
    return lines;
}

bool DataFolder::writeAtomic(const std::string& name, const std::string& content) const {
    auto path = pathForWriting(name);
    if (!path)
        return false;
    const std::string temp = *path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) {
        std::error_code ec;
        fs::rename(temp, *path, ec);
        ok = !ec;
    }
    if (!ok) {
        std::error_code ec;
        fs::remove(temp, ec);
    }
    return ok;
}

bool DataFolder::remove(const std::string& name) const {
    auto path = resolve(name);
    if (!path)
        return false;
    std::error_code ec;
    return fs::remove(*path, ec);
}

} // namespace platform
