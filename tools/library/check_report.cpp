#include "library/check_report.h"

#include <algorithm>

#include "library/check_source.h"

namespace library::check {

void Report::add(Fault fault) {
    // The catalogue can reach one list along several roads: each fault once.
    if (!m_seen.emplace(fault.file, fault.line, fault.byte, fault.message).second)
        return;
    m_faults.push_back(std::move(fault));
}

void Report::at(const SourceFile& file, long offset, const std::string& message) {
    add({file.name(), file.lineNumber(offset), offset + 1, message});
}

void Report::file(const std::string& name, const std::string& message) {
    add({name, 0, 0, message});
}

void Report::tally(const SourceFile& file, const std::string& group, long offset,
                   const std::string& message) {
    auto [it, fresh] = m_groups.emplace(std::make_pair(file.name(), group), m_faults.size());
    if (!fresh) {
        ++m_faults[it->second].repeats;
        return;
    }
    m_faults.push_back({file.name(), file.lineNumber(offset), offset + 1, message});
}

int Report::print(std::ostream& out) const {
    std::vector<const Fault*> sorted;
    for (const Fault& f : m_faults)
        sorted.push_back(&f);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Fault* a, const Fault* b) {
        return std::tie(a->file, a->line, a->byte) < std::tie(b->file, b->line, b->byte);
    });
    for (const Fault* f : sorted) {
        out << f->file;
        if (f->line > 0)
            out << ':' << f->line << ':' << f->byte;
        out << ": " << f->message;
        if (f->repeats > 1)
            out << " (" << f->repeats << " times in this file)";
        out << '\n';
    }
    return static_cast<int>(sorted.size());
}

std::string excerpt(std::string_view text, size_t max) {
    std::string out;
    for (size_t i = 0; i < text.size() && i < max; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        out += c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
    }
    if (text.size() > max)
        out += "...";
    return out;
}

} // namespace library::check
