// The message texts that several subsystems show alike.
#pragma once

#include <string>

namespace shell {

// The message for a data file (catalogue list, book, text) that cannot be read.
std::string missingFileMessage(const std::string& name);

} // namespace shell
