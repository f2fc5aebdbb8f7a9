#include "shell/messages.h"

namespace shell {

std::string missingFileMessage(const std::string& name) {
    return "Missing or corrupt file " + name;
}

} // namespace shell
