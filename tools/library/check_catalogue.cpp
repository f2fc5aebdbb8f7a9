#include "library/check_catalogue.h"

#include <vector>

#include "formats/file_names.h"
#include "formats/index_line.h"
#include "formats/letter_case.h"
#include "formats/list_syntax.h"
#include "formats/passage_refs.h"
#include "formats/trim.h"
#include "library/check_passages.h"

namespace library::check {

namespace {

constexpr int kStartItems = 21;
constexpr int kSecondLevelItems = 1201;
constexpr int kAdviceItems = 901;
constexpr int kThirdLevelItems = 899; // two of the 901 slots stay free for Find All
constexpr int kGridCells = 38;
constexpr size_t kAbbrevSlots = 151;

std::string quoted(std::string_view text) {
    return "\"" + excerpt(text, 40) + "\"";
}

std::string trim(const std::string& s) {
    return std::string(formats::trimBlanks(s));
}

bool contains(const std::string& s, const char* part) {
    return s.find(part) != std::string::npos;
}

// An item of a list as openItem receives it.
struct Item {
    std::string shown;
    std::string key;
    long keyAt = 0;  // 0-based offset of the key in the list file
    long lineAt = 0; // and of the item's line
};

class Walker {
public:
    explicit Walker(Context& ctx) : m_ctx(ctx), m_report(ctx.report) {}

    Reached run() {
        readAbbreviations();
        const SourceFile* start = m_ctx.library.open("START.SEL");
        if (!start) {
            m_report.file("START.SEL", m_ctx.library.resolve("START.SEL")
                                           ? "cannot be read: the start list stays empty"
                                           : "missing: the start list stays empty");
            return std::move(m_reached);
        }
        m_reached.files.insert(start->name());
        int n = -1;
        for (size_t i = 0; i < start->lineCount(); ++i) {
            const std::string line(start->line(i));
            if (contains(line, "ABOUT.SBD"))
                break;
            const auto sp = formats::splitAt(line, '@');
            if (!sp.found)
                continue; // lines without "@" are comments in the start list
            if (n + 1 >= kStartItems) {
                m_report.at(*start, start->start(i),
                            "more than 21 start items: the rest are not shown");
                break;
            }
            ++n;
            const long at = start->start(i);
            if (sp.left.empty())
                m_report.at(*start, at,
                            "start item " + quoted(sp.right) + " has no key: it opens nothing");
            else if (sp.left == "ADVICE.SNV")
                adviceList(*start, at);
            else if (sp.left == "QCELLS.SNV" || sp.left == "QCELLSP.SNV")
                grid(*start, at, sp.left);
            else
                secondLevel(*start, at, sp.left);
        }
        if (n < 0)
            m_report.file(start->name(), "the start list has no item (no line with \"@\" before "
                                         "ABOUT.SBD): nothing in the library can be reached");
        return std::move(m_reached);
    }

private:
    // The file the program opens as name, or nullptr after reporting it.
    const SourceFile* open(const SourceFile& from, long at, const std::string& name,
                           const std::string& what) {
        const SourceFile* f = m_ctx.library.open(name);
        if (!f) {
            m_report.at(from, at,
                        (m_ctx.library.resolve(name) ? "cannot read " : "missing ") + what + " " +
                            quoted(name));
            return nullptr;
        }
        m_reached.files.insert(f->name());
        return f;
    }

    // A list that opens with nothing in it leads nowhere.
    void reportEmpty(const SourceFile& list, const char* what) {
        m_report.file(list.name(), std::string("the list has no ") + what + ": it opens empty");
    }

    // A text shown whole; one without a byte shows a blank window.
    void shownText(const SourceFile& text) {
        m_reached.texts.insert(text.name());
        if (text.size() == 0)
            m_report.file(text.name(), "empty file: the text window stays blank");
    }

    bool firstVisit(const SourceFile& list, const std::string& context) {
        return m_visited.insert(list.name() + "\n" + context).second;
    }

    void readAbbreviations() {
        const SourceFile* biblio = m_ctx.library.open("BIBLIO.TXV");
        if (!biblio) {
            m_report.file("BIBLIO.TXV", "missing: the program ends at start");
            return;
        }
        m_haveBiblio = true;
        m_reached.files.insert(biblio->name());
        m_reached.texts.insert(biblio->name());
        for (size_t i = 0; i < biblio->lineCount(); ++i) {
            const auto sp = formats::splitAt(std::string(biblio->line(i)), '@');
            if (!sp.found)
                continue;
            if (m_abbrev.size() == kAbbrevSlots) {
                m_report.at(*biblio, biblio->start(i),
                            "more than 151 abbreviations: the rest are ignored");
                break;
            }
            m_abbrev.push_back(sp.left + "=" + sp.right);
        }
    }

    // The title the page loader gives the book: the first entry but the last
    // whose text begins with the stem.
    void checkTitle(const SourceFile& list, long at, const std::string& bookFile) {
        const std::string stem = formats::titleStem(bookFile);
        if (!m_haveBiblio || !m_titled.insert(stem).second)
            return;
        for (size_t i = 0; i + 1 < m_abbrev.size(); ++i) {
            const std::string& entry = m_abbrev[i];
            if (entry.compare(0, stem.size(), stem) != 0)
                continue;
            if (entry.substr(0, entry.find('=')) != stem)
                m_report.at(list, at,
                            "book " + quoted(bookFile) + " takes its title from the abbreviation " +
                                quoted(entry) + ", whose stem only begins with " + quoted(stem));
            return;
        }
        const bool last =
            !m_abbrev.empty() && m_abbrev.back().substr(0, m_abbrev.back().find('=')) == stem;
        m_report.at(list, at,
                    "book " + quoted(bookFile) + " has no title in BIBLIO.TXV" +
                        (last ? " (its entry is the last one, which is never read)" : "") +
                        ": it is called \"Unknown\"");
    }

    void adviceList(const SourceFile& from, long at) {
        const SourceFile* f = open(from, at, "ADVICE.SNV", "list");
        if (!f || !firstVisit(*f, ""))
            return;
        std::vector<Item> items;
        for (size_t i = 0; i < f->lineCount(); ++i) {
            const std::string line(f->line(i));
            const auto sp = formats::splitAt(line, '@');
            if (!sp.found) {
                m_report.at(*f, f->start(i), "line has no \"@\": the program skips it");
                continue;
            }
            if (static_cast<int>(items.size()) >= kAdviceItems) {
                m_report.at(*f, f->start(i), "more than 901 items: the rest are not shown");
                break;
            }
            items.push_back({sp.right, sp.left, f->start(i), f->start(i)});
        }
        if (items.empty())
            reportEmpty(*f, "items");
        openItems(*f, items, "PNV", "");
    }

    void grid(const SourceFile& from, long at, const std::string& name) {
        const SourceFile* f = open(from, at, name, "topic list");
        if (!f || !firstVisit(*f, ""))
            return;
        int n = 0;
        for (size_t i = 0; i < f->lineCount(); ++i) {
            const std::string line(f->line(i));
            const long lineAt = f->start(i);
            const auto sp = formats::splitAt(line, '<');
            if (!sp.found) {
                m_report.at(*f, lineAt, "line has no \"<\": the program skips it");
                continue;
            }
            if (n >= kGridCells) {
                m_report.at(*f, lineAt, "more than 38 cells: the rest are not shown");
                break;
            }
            ++n;
            // The cell's target as the program takes it back out of its sort item.
            const std::string sortKey =
                sp.left.substr(std::min(sp.left.find_first_not_of(' '), sp.left.size()));
            std::string item = sortKey + "^" + sp.right + "<" + sp.left, target;
            if (auto lt = item.find('<'); lt != std::string::npos)
                item = item.substr(0, lt);
            if (auto caret = item.find('^'); caret != std::string::npos)
                target = item.substr(caret + 1);
            const long targetAt = lineAt + static_cast<long>(sp.left.size()) + 1;
            if (target != sp.right) {
                m_report.at(
                    *f, lineAt,
                    std::string("the cell ") +
                        (contains(sp.left, "^") ? "text holds \"^\"" : "target holds \"<\"") +
                        ": the program reads the target as " + quoted(target));
            }
            if (contains(target, ":-")) {
                m_report.at(*f, targetAt, "the target holds \":-\": the cell opens nothing");
                continue;
            }
            passageList(*f, targetAt, formats::upperText(target));
        }
        if (n == 0)
            reportEmpty(*f, "cells");
    }

    void secondLevel(const SourceFile& from, long at, const std::string& name) {
        const SourceFile* f = open(from, at, name, "list");
        if (!f || !firstVisit(*f, ""))
            return;
        int n = -1;
        for (size_t i = 0; i < f->lineCount(); ++i) {
            const std::string line(f->line(i));
            const long lineAt = f->start(i);
            const auto sp = formats::splitAt(line, '@');
            if (!sp.found) {
                m_report.at(*f, lineAt, "line has no \"@\": the program skips it");
                continue;
            }
            if (n + 1 >= kSecondLevelItems) {
                m_report.at(*f, lineAt, "more than 1201 items: the rest are not shown");
                break;
            }
            ++n;
            const std::string& text = sp.right;
            if (text.empty() || contains(text, "-----"))
                continue; // separators cannot be chosen
            const std::string key = formats::upperText(sp.left);
            if (key == "HORVEL" || key == "BIBLIO")
                continue;
            if (key == "COPYRGT" || key == "HELP") {
                if (const SourceFile* t = open(*f, lineAt, key + ".TXV", "text file"))
                    shownText(*t);
                continue;
            }
            const SourceFile* list = open(*f, lineAt, key, "list");
            if (!list)
                continue;
            const std::string kind = formats::listKind(key);
            if (!formats::isListKind(kind)) {
                m_report.at(*f, lineAt,
                            quoted(key) + " is a list of unknown kind " + quoted(kind) +
                                ": it shows no items");
                continue;
            }
            if (formats::itemsOpen(kind) == formats::ItemsOpen::Nothing)
                m_report.at(*f, lineAt,
                            quoted(key) + " is a list of kind " + quoted(kind) +
                                ", whose items open nothing when chosen");
            thirdLevel(*list, kind, formats::languageOf(text));
        }
        if (n < 0)
            reportEmpty(*f, "items");
    }

    void thirdLevel(const SourceFile& f, const std::string& kind, const std::string& lang) {
        if (!firstVisit(f, lang))
            return;
        std::vector<Item> items;
        for (size_t i = 0; i < f.lineCount(); ++i) {
            const std::string line(f.line(i));
            const long lineAt = f.start(i);
            if (line.empty()) {
                size_t after = 0;
                for (size_t k = i + 1; k < f.lineCount(); ++k)
                    after += !f.line(k).empty();
                if (after > 0)
                    m_report.at(f, lineAt,
                                "empty line ends the list: the " + std::to_string(after) +
                                    " lines after it are never shown");
                break;
            }
            auto item = formats::thirdLevelItem(kind, line);
            if (!item) {
                m_report.at(f, lineAt,
                            contains(line, "@") ? "line has no key before \"@\": it adds no item"
                                                : "line has no \"@\": it adds no item");
                continue;
            }
            if (static_cast<int>(items.size()) >= kThirdLevelItems) {
                m_report.at(f, lineAt, "more than 899 items: the rest are not shown");
                break;
            }
            const auto sp = formats::splitAt(line, '@');
            const bool keyIsLeft = kind == "PTQ" || kind == "STX" || kind == "SXX" || kind == "PRE";
            items.push_back({item->shown, item->key,
                             lineAt + (keyIsLeft ? 0 : static_cast<long>(sp.left.size()) + 1),
                             lineAt});
        }
        if (items.empty())
            reportEmpty(f, "items");
        openItems(f, items, kind, lang);
        if (kind == "STX")
            findAll(f, items);
    }

    // Find All searches key + ".TXV" for every key of a book list, up to
    // the first blank one. A key without extension names the book that the
    // list opens, whose absence is reported there.
    void findAll(const SourceFile& f, const std::vector<Item>& items) {
        for (const Item& item : items) {
            const std::string key = trim(item.key);
            if (key.empty())
                break;
            if (key.find('.') == std::string::npos)
                continue;
            const std::string name = formats::bookFileOfStem(key);
            if (!m_ctx.library.resolve(name))
                m_report.at(f, item.keyAt,
                            "Find All searches " + quoted(name) + ", which is missing");
        }
    }

    // Chooses every item of a list as the reader would. A list of a kind
    // whose items open nothing is reported where it is offered.
    void openItems(const SourceFile& f, const std::vector<Item>& items, const std::string& kind,
                   const std::string& lang) {
        if (formats::itemsOpen(kind) == formats::ItemsOpen::Nothing)
            return;
        size_t opening = 0;
        for (size_t j = 0; j < items.size(); ++j)
            opening += openItem(f, items, j, kind, lang);
        if (opening == 0 && !items.empty())
            m_report.at(f, items.front().lineAt,
                        "no item of the list opens anything: each is a heading, a note or has "
                        "no key");
    }

    // Whether choosing the item opens something: an item with no text, a
    // note ("NOTE:") and a heading (":-") open nothing, an item with its key
    // in vain is reported, and so is an item that has no key.
    bool openItem(const SourceFile& f, const std::vector<Item>& items, size_t j,
                  const std::string& kind, const std::string& lang) {
        const Item& item = items[j];
        const std::string key = formats::upperText(item.key);
        const char* inert = item.shown.empty()              ? "it has no text"
                            : contains(item.shown, "NOTE:") ? "its text holds \"NOTE:\""
                            : contains(item.shown, ":-")    ? "its text holds \":-\""
                                                            : nullptr;
        if (inert) {
            if (!key.empty())
                m_report.at(f, item.keyAt,
                            "the item with key " + quoted(item.key) + " opens nothing: " + inert);
            return false;
        }
        if (key.empty()) {
            m_report.at(f, item.lineAt,
                        "item " + quoted(item.shown) + " has no key: it opens nothing");
            return false;
        }
        const formats::ItemsOpen opens = formats::itemsOpen(kind);
        if (opens == formats::ItemsOpen::Book) {
            const std::string bookFile = formats::bookFileOfKey(key);
            if (const SourceFile* book = open(f, item.keyAt, bookFile, "book")) {
                m_reached.books[book->name()].insert(lang);
                m_reached.bookFiles.emplace(book->name(), bookFile);
                checkTitle(f, item.keyAt, bookFile);
            }
        } else if (opens == formats::ItemsOpen::TextFile) {
            if (const SourceFile* text = open(f, item.keyAt, key, "text file"))
                shownText(*text);
        } else if (opens == formats::ItemsOpen::Passages) {
            passageList(f, item.keyAt, key);
        } else if (opens == formats::ItemsOpen::OnePassage) {
            const std::string next =
                j + 1 < items.size() ? formats::upperText(items[j + 1].key) : std::string();
            if (key.find('\\') == std::string::npos)
                m_report.at(f, item.keyAt,
                            "key has no \"\\\": the program opens the next item's passage instead");
            const std::string entry = formats::singlePassageEntry(key, item.shown, next);
            if (entry.empty())
                m_report.at(f, item.keyAt,
                            key.back() == '\\' ? "key ends in \"\\\" but the text does not begin "
                                                 "with \".\": it opens nothing"
                                               : "key opens nothing");
            else
                passage(f, item.keyAt, entry, key);
        }
        return true;
    }

    void passageList(const SourceFile& f, long at, const std::string& key) {
        size_t start = 0, count = 0;
        for (size_t end = key.find('\\'); end != std::string::npos;
             start = end + 1, end = key.find('\\', start)) {
            const std::string ref = key.substr(start, end - start);
            const long refAt = at + static_cast<long>(start);
            if (++count > formats::kMaxPassageEntries) {
                m_report.at(f, refAt,
                            "more than " + std::to_string(formats::kMaxPassageEntries) +
                                " references: the rest are never read");
                return;
            }
            auto entries = formats::passageEntries(ref + "\\");
            if (entries.empty()) {
                m_report.at(f, refAt,
                            "reference " + quoted(ref) +
                                " is malformed: it and the references after it are never read");
                return;
            }
            passage(f, refAt, entries.front(), ref);
        }
        if (count == 0)
            m_report.at(f, at, "the key holds no reference ended by \"\\\": it opens nothing");
    }

    // One entry "stem page:para\lines" as the passage reader takes it.
    void passage(const SourceFile& f, long at, const std::string& entry, const std::string& ref) {
        const auto parsed = formats::parsePassageEntry(entry);
        if (!parsed) {
            m_report.at(f, at, "reference " + quoted(ref) + " is malformed: nothing is shown");
            return;
        }
        const SourceFile* book = open(f, at, formats::bookFileOfStem(parsed->stem), "book");
        if (!book)
            return;
        m_reached.passageBooks.insert(book->name());
        if (book->lineCount() == 0 || !formats::findEntry(book->line(0), parsed->ref))
            m_report.at(f, at,
                        "reference " + quoted(ref) + ": " + quoted("<" + parsed->ref + ">") +
                            " is not in the index of " + book->name());
        if (const std::string lacking = keysThePassageLacks(m_ctx, *book, *parsed);
            !lacking.empty())
            m_report.at(f, at,
                        "reference " + quoted(ref) + " names " + lacking + ", which " +
                            book->name() + " lacks");
        if (parsed->lines < 1)
            m_report.at(f, at, "reference " + quoted(ref) + " reads no lines");
        else if (parsed->asked > formats::kMaxPassageLines)
            m_report.at(f, at,
                        "reference " + quoted(ref) + " asks for more lines than the " +
                            std::to_string(formats::kMaxPassageLines) + " a passage may read");
    }

    Context& m_ctx;
    Report& m_report;
    Reached m_reached;
    std::vector<std::string> m_abbrev;
    bool m_haveBiblio = false;
    std::set<std::string> m_titled;
    std::set<std::string> m_visited;
};

} // namespace

Reached walkCatalogue(Context& ctx) {
    return Walker(ctx).run();
}

} // namespace library::check
