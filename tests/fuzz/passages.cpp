// Passage gathering: line 1 a list key (its byte 0 a topic grid or not), the rest the book.
#include <string>

#include "app/program.h"
#include "catalogue/passages.h"
#include "formats/book_file.h"
#include "formats/passage_refs.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::FuzzProgram f;
    const auto [key, book] = fuzz::firstLine(fuzz::textOf(data, size));
    f.write("GEN.TXV", book);
    f.write("QCELLS.TXV", book);
    app::State& s = f.p->s;
    s.SelectForm = !key.empty() && (key[0] & 1) ? "frmSelectA" : "";
    const auto entries = formats::passageEntries(std::string(key));
    catalogue::gatherPassages(*f.p, entries);
    // The last line adds itself, a reference and a break; each "%" becomes a blank line.
    fuzz::require(s.PageText.size() <= 4 * (formats::kMaxPageChars + 2 * book.size() + 64),
                  "the gathered text stops near its limit");
    const std::string single =
        formats::singlePassageEntry(std::string(key), std::string(key), "gen 1:1\\1");
    if (!single.empty())
        catalogue::gatherPassages(*f.p, {single});
    return 0;
}
