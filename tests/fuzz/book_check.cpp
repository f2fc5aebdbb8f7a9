// The library check reads the input as a book, notes and a dictionary without a crash.
#include <sstream>

#include "fuzz_support.h"
#include "library/check_index.h"
#include "library/check_report.h"
#include "library/check_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace library::check;
    const SourceFile file("GEN.TXV", std::string(fuzz::textOf(data, size)));
    Report report;
    const Index book = readIndex(file, FileKind::Book, report);
    checkBook(file, book, {false, true}, report);
    readIndex(file, FileKind::Notes, report);
    checkNotes(file, report);
    readIndex(file, FileKind::Dictionary, report);
    std::ostringstream out;
    report.print(out);
    return 0;
}
