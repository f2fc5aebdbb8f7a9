// The page loader and chooser on a book file; byte 0 chooses the mode and the requests.
#include <string>

#include "app/program.h"
#include "formats/book_file.h"
#include "fuzz_support.h"
#include "reader/frm_page.h"
#include "reader/page_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::FuzzProgram f;
    const std::string_view input = fuzz::textOf(data, size);
    const unsigned char choice = input.empty() ? 0 : static_cast<unsigned char>(input[0]);
    f.write("B.TXV", input.empty() ? input : input.substr(1));
    app::State& s = f.p->s;
    s.IndexFile.clear(); // the book is read afresh
    s.BibleMode = (choice & 1) != 0;
    const auto ifMissing =
        (choice & 2) != 0 ? reader::IfMissing::FirstPage : reader::IfMissing::Report;
    if (!reader::showPage(*f.p, "B.TXV", (choice & 4) != 0 ? "2:1" : "", ifMissing))
        return 0;
    for (const char* page : {"Next", "Next", "Prev", "Last", "Prev", "First", "Prev", "3", "1:2",
                             "999999999", "Next"}) {
        reader::showPage(*f.p, "", page, ifMissing);
        fuzz::require(s.ParaCount >= 0 && s.ParaCount <= formats::kMaxPageLines,
                      "a page holds at most 2000 lines");
    }
    if ((choice & 8) != 0)
        f.p->frmPage().getNewPara();
    return 0;
}
