#include "search/findit.h"

#include "app/program.h"
#include "formats/file_names.h"
#include "formats/trim.h"
#include "platform/data_folder.h"
#include "search/book_buffer.h"
#include "search/frm_find6.h"
#include "shell/messages.h"

namespace search {

namespace {

constexpr size_t kReservedResults = size_t{1} << 16;

// The buffer every search reads its books into: kept from search to search,
// so that a search reads into memory that is already mapped and warm.
BookBuffer& sharedBuffer() {
    static thread_local BookBuffer buffer;
    return buffer;
}

// Reads one book into the buffer and appends its entries.
bool searchOne(const platform::DataFolder& folder, const std::string& dataPath,
               const std::string& file, BookBuffer& buffer, const SearchText& text,
               const FindOptions& options, std::string_view prefix, size_t enough,
               SearchOutcome& out) {
    if (!buffer.read(folder.openRegular(dataPath + file))) {
        if (out.firstMissing.empty())
            out.firstMissing = file;
        return false;
    }
    if (searchBook(buffer.bytes(), text, options, prefix, out.results, enough) > 0)
        out.hit = true;
    return true;
}

} // namespace

std::string listEntryFile(const std::string& entry) {
    const std::string_view stem = formats::trimBlanks(entry);
    return stem.empty() ? std::string() : formats::bookFileOfStem(stem);
}

SearchOutcome searchBookFile(const platform::DataFolder& folder, const std::string& name,
                             const SearchText& text, const FindOptions& options, size_t enough) {
    SearchOutcome out;
    out.results.reserve(kReservedResults);
    searchOne(folder, {}, name, sharedBuffer(), text, options, {}, enough, out);
    return out;
}

SearchOutcome searchBookList(const platform::DataFolder& folder, const std::string& dataPath,
                             std::span<const std::string> list, const SearchText& text,
                             const FindOptions& options,
                             const std::function<void(size_t)>& progress, size_t enough) {
    SearchOutcome out;
    out.results.reserve(kReservedResults);
    BookBuffer& buffer = sharedBuffer();
    std::string prefix;
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string file = listEntryFile(list[i]);
        if (file.empty())
            break;
        if (progress)
            progress(i);
        if (out.results.size() > enough) {
            // Hits past those wanted are not looked for; a book that cannot
            // be opened is still named.
            if (!out.firstMissing.empty())
                break;
            if (!folder.openRegular(dataPath + file))
                out.firstMissing = file;
            continue;
        }
        prefix = formats::trimBlanks(list[i]);
        prefix += ' ';
        searchOne(folder, dataPath, file, buffer, text, options, prefix, enough, out);
    }
    return out;
}

bool Findit(app::Program& p, const std::vector<std::string>* listBooks) {
    app::State& s = p.s;
    FrmFind6& w = p.frmFind6();
    s.HiliteText = w.txtInput.text();
    if (s.HiliteText.empty())
        return false;
    s.HiliteLen = static_cast<int>(s.HiliteText.size());
    const bool phrase = s.HiliteText.find(' ') != std::string::npos;
    s.CaseSearch = w.btnRadioCase.value() != 0;
    if (!s.CaseSearch && phrase &&
        p.message("All Phrase Searches are Case Sensitive. Do you wish to Continue?",
                  ui::Buttons::YesNo, ui::Icon::Question) != ui::Answer::Yes)
        return false;
    s.WholeWordSearch = w.btnRadioWhole.value() != 0;
    if (s.WholeWordSearch && phrase) {
        p.message("'Whole-Word' Searches function with Single Words Only");
        return false;
    }

    const SearchText text(s.HiliteText, s.CaseSearch);
    const FindOptions options{s.CaseSearch, s.WholeWordSearch, s.FindFromText3, s.BibleMode};
    SearchOutcome out;
    if (s.SearchAllBooks) {
        const int last = std::min(s.FindAllLast, static_cast<int>(s.FindAllFiles.size()) - 1);
        const std::span<const std::string> list =
            listBooks ? std::span<const std::string>(*listBooks)
                      : std::span<const std::string>(s.FindAllFiles.data(),
                                                     static_cast<size_t>(std::max(last + 1, 0)));
        const std::string count = std::to_string(list.size());
        out = searchBookList(
            p.data(), s.DataPath, list, text, options,
            [&](size_t i) { w.btnReFind.setCaption(std::to_string(i + 1) + " of " + count); },
            kMaxShown);
    } else {
        out = searchBookFile(p.data(), s.DataPath + s.BookFile, text, options, kMaxShown);
    }

    if (out.hit) {
        if (out.results.size() > kMaxShown) {
            out.results.resize(kMaxShown);
            w.txtInput.setText("Too Many Found - Refine Search");
        }
        w.TextF.setText(out.results);
        // The hits are shown even when a hit's context was in view.
        w.resultsView();
        w.setCaption("Click to View Context");
        w.btnReFind.setCaption("ReFind");
        w.TextF.refresh();
    } else {
        w.txtInput.setText("Cannot find \"" + s.HiliteText + "\"");
    }
    if (!out.firstMissing.empty())
        p.message(shell::missingFileMessage(out.firstMissing));
    return out.hit;
}

} // namespace search
