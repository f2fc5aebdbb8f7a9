#include "library/check.h"

#include <array>
#include <cstdio>

#include "formats/file_names.h"
#include "formats/letter_case.h"
#include "library/check_catalogue.h"
#include "library/check_context.h"
#include "library/check_markup.h"
#include "library/check_words.h"

namespace library {

namespace {

using check::Context;
using check::FileKind;
using check::SourceFile;

constexpr int kMaxTextFaultsPerFile = 10;

std::string extensionOf(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : formats::lowerText(name.substr(dot + 1));
}

// Bytes that Windows-1252 text lines must not hold: the five undefined
// codes, control characters but tab, and CR or LF outside a CR LF pair.
std::string badByte(const std::string& b, size_t i) {
    const auto c = static_cast<unsigned char>(b[i]);
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(c));
    if (c == '\n')
        return i == 0 || b[i - 1] != '\r' ? "lone LF: lines end with CR LF" : "";
    if (c == '\r')
        return i + 1 == b.size() || b[i + 1] != '\n' ? "lone CR: lines end with CR LF" : "";
    if (c == 0)
        return "NUL byte";
    if ((c < 0x20 && c != '\t') || c == 0x7F)
        return std::string("control character ") + hex + " inside a line";
    if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
        return std::string("byte ") + hex + " is not a Windows-1252 character";
    return "";
}

void checkText(const SourceFile& file, check::Report& report) {
    static const auto suspect = [] {
        std::array<bool, 256> t{};
        for (int c = 0; c < 0x20; ++c)
            t[static_cast<size_t>(c)] = c != '\t';
        for (int c : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D})
            t[static_cast<size_t>(c)] = true;
        return t;
    }();
    const std::string& b = file.bytes();
    const bool* isSuspect = suspect.data();
    const auto* bytes = reinterpret_cast<const unsigned char*>(b.data());
    int faults = 0;
    long more = 0, lastLine = 0;
    for (size_t i = 0, n = b.size(); i < n; ++i) {
        if (!isSuspect[bytes[i]])
            continue;
        if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') {
            ++i; // a line end
            continue;
        }
        const std::string what = badByte(b, i);
        if (what.empty())
            continue;
        const long line = file.lineNumber(static_cast<long>(i));
        if (line == lastLine)
            continue; // one fault per line
        lastLine = line;
        if (faults < kMaxTextFaultsPerFile) {
            report.at(file, static_cast<long>(i), what);
            ++faults;
        } else {
            ++more;
        }
    }
    if (more > 0)
        report.file(file.name(),
                    std::to_string(more) + " more lines that are not Windows-1252 text");
    if (!b.empty() && b.back() != '\n')
        report.at(file, file.size() - 1, "the last line has no CR LF");
}

} // namespace

int checkLibrary(const std::string& dir, std::ostream& out) {
    Context ctx(dir);
    if (!ctx.library.readable()) {
        ctx.report.file(dir, "cannot read the folder");
        return ctx.report.print(out);
    }
    const check::Reached reached = check::walkCatalogue(ctx);

    // Bible books: their verses, words and notes in each language they are read in.
    std::set<std::string> notesFiles;
    for (const auto& [name, langs] : reached.books) {
        const SourceFile* book = ctx.library.open(name);
        const std::string& bookFile = reached.bookFiles.at(name);
        for (const std::string& lang : langs)
            if (!lang.empty() && book) {
                check::checkBibleBook(ctx, *book, bookFile, lang);
                if (auto found = ctx.library.resolve(formats::notesFileOf(bookFile)))
                    notesFiles.insert(*found);
            }
    }

    // Every file by its role: what the catalogue makes of it first, else its name.
    std::set<std::string> names(ctx.library.names().begin(), ctx.library.names().end());
    names.insert(reached.files.begin(), reached.files.end());
    static const std::set<std::string> textExtensions = {"txv", "txd", "sel", "stx", "sxx",
                                                         "snv", "pnv", "pre", "ptq", "pbd",
                                                         "stq", "txt", "sbd", "ini"};
    for (const std::string& name : names) {
        const std::string ext = extensionOf(name);
        const bool wasReached = reached.files.count(name) > 0;
        if (!wasReached && !textExtensions.count(ext))
            continue;
        const SourceFile* file = ctx.library.open(name);
        if (!file) {
            ctx.report.file(name, "cannot be read");
            continue;
        }
        checkText(*file, ctx.report);
        check::checkLeftoverMarkup(*file, ctx.report);
        check::checkUtf8(*file, ctx.report);
        const std::string upperName = formats::upperText(name);
        auto modes = reached.books.find(name);
        if (modes != reached.books.end() || reached.passageBooks.count(name)) {
            std::set<bool> bible;
            if (modes != reached.books.end())
                for (const std::string& lang : modes->second)
                    bible.insert(!lang.empty());
            if (bible.empty())
                bible.insert(false);
            check::checkBook(*file, ctx.index(*file, FileKind::Book), bible, ctx.report);
        } else if (notesFiles.count(name) || (ext == "txv" && formats::isNotesFileName(name))) {
            ctx.index(*file, FileKind::Notes);
            check::checkNotes(*file, ctx.report);
        } else if (ext == "txd") {
            check::checkDictionary(ctx, *file);
        } else if (ext == "txv" && !reached.texts.count(name) && upperName != "BIBLIO.TXV" &&
                   upperName != "COPYRGT.TXV" && upperName != "HELP.TXV") {
            check::checkBook(*file, ctx.index(*file, FileKind::Book), {false}, ctx.report);
        }
    }
    return ctx.report.print(out);
}

} // namespace library
