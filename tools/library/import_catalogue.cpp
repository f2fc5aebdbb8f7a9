// The catalogue: start list, the Bible's divisions, the study lists, the
// abbreviation table and the help text.
#include <cstdlib>
#include <set>

#include "formats/letter_case.h"
#include "library/import_parts.h"
#include "library/text1252.h"

namespace library {

namespace {

// The full title of each book from the export's book headings ("The First
// Book of Moses, called Genesis"), by book index.
std::vector<std::string> fullTitles(const std::vector<ImpEntry>& kjv) {
    std::vector<std::string> titles(kBibleBooks.size());
    for (const ImpEntry& e : kjv) {
        const size_t blank = e.key.rfind(' ');
        if (blank == std::string::npos || e.key.substr(blank + 1) != "0:0")
            continue;
        const std::string name = e.key.substr(0, blank);
        for (size_t i = 0; i < kBibleBooks.size(); ++i) {
            if (name != kBibleBooks[i].exportName)
                continue;
            scanMarkup(
                e.body, [](std::string_view) {},
                [&](const Tag& t) {
                    if (t.name == "milestone" && t.attr("type") == "x-usfm-toc1")
                        titles[i] = squeezeBlanks(toWindows1252(decodeEntities(t.attr("n"))));
                });
        }
    }
    return titles;
}

struct Division {
    const char* file;
    const char* caption; // the caption decides the language of the division
    int first, last;     // book indexes
};

const Division kDivisions[] = {
    {"OLDHIST.STX", ".Historic Books", 0, 16},
    {"OLDPOET.STX", ".Poetical Books", 17, 21},
    {"OLDPROP.STX", ".Prophetic Books", 22, 38},
    {"NEWGOSP.STX", ".The Gospels and Acts", 39, 43},
    {"NEWEPIS.STX", ".The Epistles and Revelation", 44, 65},
};

// Each testament whole, after the divisions, so that one list opens every
// book of it and Find All from any of them searches them all.
const Division kTestaments[] = {
    {"OLDTEST.STX", "OLD Testament", 0, kOldTestamentBooks - 1},
    {"NEWTEST.STX", "NEW Testament", kOldTestamentBooks, 65},
};

// Questions and the passages that answer them, as the sources write verse
// references.
struct Question {
    const char* text;
    std::vector<const char*> answers;
};

const Question kQuestions[] = {
    {"Where does the world come from?",
     {"Gen.1.1-Gen.1.5", "Ps.33.6-Ps.33.9", "Isa.45.18", "Col.1.16-Col.1.17", "Heb.11.3"}},
    {"Who is the Word?", {"John.1.1-John.1.5", "John.1.14", "1John.1.1-1John.1.3", "Rev.19.13"}},
    {"How should one pray?",
     {"Matt.6.5-Matt.6.13", "Luke.11.1-Luke.11.4", "Phil.4.6-Phil.4.7", "Jas.5.16", "1Thess.5.17"}},
    {"What does wisdom teach?",
     {"Prov.1.1-Prov.1.7", "Prov.3.13-Prov.3.18", "Prov.9.10", "Jas.1.5", "Jas.3.17"}},
    {"What is faith?", {"Heb.11.1-Heb.11.6", "Rom.10.17", "Eph.2.8-Eph.2.9", "Jas.2.17-Jas.2.18"}},
    {"What is love?",
     {"1Cor.13.1-1Cor.13.13", "1John.4.7-1John.4.12", "John.15.12-John.15.13", "Rom.13.10"}},
};

} // namespace

void writeCatalogue(const std::vector<ImpEntry>& kjv, const VerseMap& verses, Library& lib) {
    const std::vector<std::string> titles = fullTitles(kjv);
    std::set<std::string> written;
    for (const OutFile& f : lib.files)
        written.insert(f.name);
    // A list of the books of d that the source had: stem and title.
    auto bookList = [&](const Division& d) {
        OutFile& list = lib.add(d.file, OutFile::Plain);
        for (int b = d.first; b <= d.last; ++b) {
            std::string stem = formats::upperText(kBibleBooks[static_cast<size_t>(b)].stem);
            if (written.count(stem + ".TXV"))
                list.lines.push_back(stem + "@" + kBibleBooks[static_cast<size_t>(b)].title);
        }
        return list.lines;
    };

    OutFile& start = lib.add("START.SEL", OutFile::Plain);
    start.lines = {"BOOKS.SEL@The Bible (King James Version)",
                   "STUDY.SEL@Study Texts",
                   "ADVICE.SNV@Advice About Teaching",
                   "QCELLS.SNV@Quick Christian Answers",
                   "QCELLSP.SNV@Quick Proofs",
                   "INFO.SEL@About Tessary"};

    OutFile& bible = lib.add("BOOKS.SEL", OutFile::Plain);
    for (const Division& d : kDivisions) {
        if (d.first == kOldTestamentBooks)
            bible.lines.push_back("-----@-----------------------");
        bible.lines.push_back(std::string(d.file) + "@" + d.caption);
        bookList(d);
    }
    // The caption names the first and last book ("OLD Testament: Genesis to
    // Malachi"); a testament the source lacks is not offered.
    bible.lines.push_back("-----@-----------------------");
    for (const Division& d : kTestaments) {
        const std::vector<std::string> books = bookList(d);
        if (books.empty())
            continue;
        auto title = [](const std::string& line) { return line.substr(line.find('@') + 1); };
        std::string caption = std::string(d.file) + "@" + d.caption + ": " + title(books.front());
        if (books.size() > 1)
            caption += " to " + title(books.back());
        bible.lines.push_back(caption);
    }

    // The topical index as books, one per letter.
    OutFile& naveList = lib.add("NAVE.STX", OutFile::Plain);
    std::vector<std::string> naveBooks;
    for (const OutFile& f : lib.files)
        if (f.kind == OutFile::Book && f.name.rfind("NAVE", 0) == 0 && f.name.size() == 9)
            naveBooks.push_back(f.name.substr(0, 5));
    for (const std::string& stem : naveBooks)
        naveList.lines.push_back(stem + "@Topical Index, " + stem.substr(4));

    OutFile& study = lib.add("STUDY.SEL", OutFile::Plain);
    study.lines = {"NAVE.STX@Topical Index (a book per letter)",
                   "TOPICS.PNV@Topics (passages)",
                   "REFS.PRE@References with notes",
                   "QUOTES.PTQ@Quotations",
                   "VERSES.PBD@Single Verses",
                   "QUESTIONS.PTQ@Questions",
                   "-----@-----"};

    // Each question gathers the passages that answer it, with the question
    // as their note; one whose passages the source lacks is left out.
    OutFile& questions = lib.add("QUESTIONS.PTQ", OutFile::Plain);
    for (const Question& q : kQuestions) {
        std::string refs;
        for (const char* answer : q.answers)
            refs += passageRef(answer, verses);
        if (!refs.empty())
            questions.lines.push_back(refs + "@" + q.text);
    }

    OutFile& info = lib.add("INFO.SEL", OutFile::Plain);
    info.lines = {"HORVEL@About Tessary", "BIBLIO@Book Abbreviations", "COPYRGT@Copyrights",
                  "HELP@Help"};

    // The abbreviation table: a heading entry first and a closing entry
    // last, because lookups and the table's help text leave those out.
    OutFile& biblio = lib.add("BIBLIO.TXV", OutFile::Plain);
    biblio.lines.push_back("abbrev@Book Abbreviations");
    for (size_t b = 0; b < kBibleBooks.size(); ++b)
        biblio.lines.push_back(std::string(kBibleBooks[b].stem) + "@" + kBibleBooks[b].title +
                               (titles[b].empty() ? "" : ", " + titles[b]));
    for (const std::string& stem : naveBooks) {
        std::string lower = formats::lowerText(stem);
        biblio.lines.push_back(lower + "@Topical Index " + stem.substr(4));
    }
    biblio.lines.push_back("qcells@Quick Christian Answers");
    biblio.lines.push_back("qcellsp@Quick Proofs");
    biblio.lines.push_back("end@End of table");

    OutFile& help = lib.add("HELP.TXV", OutFile::Plain);
    help.lines = {
        "How to use Tessary",
        "Choose an item in the list on the left; the texts show on the right.",
        "A list item can lead to another list: follow the lists down to a book.",
        "In a book, use the arrow buttons (or Page Up and Page Down) to turn the pages, or the "
        "page button to jump to any page or chapter.",
        "In a Bible book, click on a verse to see it beside the text with its original-language "
        "words and its notes, then click on a word to see its definition.",
        "Click on a paragraph of any other book to set a bookmark.",
        "The search button finds a word or phrase in the book, or in every book of the list the "
        "book was opened from: open it from \"OLD Testament\" or \"NEW Testament\" to search "
        "a whole testament.",
        "Press the right mouse button on a button to see what it does.",
        "",
        "About this library",
        "The Bible is the King James Version. Each verse also carries its original-language "
        "words: the transliterations of the Strong's numbers of the verse's words, in the order "
        "of the English verse, folded to plain letters so that each is a dictionary word. A "
        "click on one shows its entry from Strong's Greek or Hebrew dictionary; words written "
        "G[...] or H[...] in a definition are its root words.",
        "The notes of a verse are the margin notes of the King James Version and the sections "
        "of Matthew Henry's Concise Commentary that cover it.",
        "The study texts come from Nave's Topical Bible: the index itself, a book per letter, and "
        "passage lists and topic grids chosen from it.",
    };
}

} // namespace library
