// tessary-library: import OUT | check DIR | index FILE...
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "library/check.h"
#include "library/import.h"
#include "library/index_file.h"

namespace {

int usage() {
    std::cerr << "usage: tessary-library import OUT [--sword-path DIR] [--from DIR]\n"
                 "       tessary-library check DIR\n"
                 "       tessary-library index FILE...\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return usage();
    const std::string command = argv[1];
    if (command == "check" && argc == 3) {
        const int faults = library::checkLibrary(argv[2], std::cout);
        std::cout << faults << (faults == 1 ? " fault" : " faults") << "\n";
        return faults == 0 ? 0 : 1;
    }
    if (command == "index") {
        std::vector<std::string> files(argv + 2, argv + argc);
        return library::reindexFiles(files, std::cout) ? 0 : 1;
    }
    if (command == "import") {
        library::ImportOptions options;
        options.out = argv[2];
        for (int i = 3; i < argc; ++i) {
            if (i + 1 < argc && std::strcmp(argv[i], "--sword-path") == 0)
                options.swordPath = argv[++i];
            else if (i + 1 < argc && std::strcmp(argv[i], "--from") == 0)
                options.sourceDir = argv[++i];
            else
                return usage();
        }
        return library::importLibrary(options, std::cerr) ? 0 : 1;
    }
    return usage();
}
