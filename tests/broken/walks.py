"""The roads a reader takes to each file of the fixture library, as
tessary-script steps, and the values that show what the reader ends up with.

On the intact library every walk ends on a page or a list without a
message box; on a broken copy it walks into the broken file."""

# Items of START.SEL, BOOKS.SEL and STUDY.SEL in the fixture.
BIBLE, STUDY, ADVICE, GRID, GRID_P, INFO = range(6)

# Books opened from the lists: the start item, the list item, the book's item.
BOOK_ROADS = {
    "GEN.TXV": (BIBLE, 0, 0),
    "EXO.TXV": (BIBLE, 0, 1),
    "PSA.TXV": (BIBLE, 1, 0),
    "MAT.TXV": (BIBLE, 3, 0),
    "JOH.TXV": (BIBLE, 3, 1),
    "ROM.TXV": (BIBLE, 4, 0),
    "WIS.TXV": (STUDY, 0, 0),
    "ADV.TXV": (STUDY, 0, 1),
    "LET.TXV": (STUDY, 0, 2),
}

# Study lists: the STUDY.SEL item and the items worth opening in it.
STUDY_LISTS = {
    "WISDOM.STX": (0, [0, 1, 2]),
    "TOPICS.PNV": (1, [1, 2, 3, 5, 6, 7]),
    "REFS.PRE": (2, [1, 2, 4, 5]),
    "QUOTES.PTQ": (3, [1, 2, 4, 5]),
    "VERSES.PBD": (4, [1, 2, 4, 5, 6]),
    "ESSAYS.SXX": (5, [0, 1, 2]),
    "LIST.STQ": (6, [0, 1, 2, 3]),
}

# The dictionary of the Hebrew words of Genesis that begin with "b"; the
# broken-library test adds it to the fixture (see variants.py).
DICTIONARY = "bhebdict.txd"

# Books that passages are read from, and the list that reads them.
PASSAGE_BOOKS = {"GENCOM.TXV": "GEN.TXV", "JOHCOM.TXV": "JOH.TXV"}

TEXTS = ["frmtext0.Text1.Text", "frmtext2.Text1.Text"]
PAGE = ["frmText1.Text1.Text"]


class Check:
    """A step that dumps what a box shows along the road, and what it claims
    to show (see shown.py): kind "page" (the reading window's page, with
    whether the program reads its book as a Bible), "passages" (the passages
    of list item item; single for a list of single verses), "text" (the
    text file of list item item) or "history" (the page history as a fresh
    start reads it back after a save). The first value dumped is what the
    box's text is judged by."""

    def __init__(self, kind, item=0, single=False):
        self.kind, self.item, self.single = kind, item, single

    def dumps(self):
        """The values dumped, in order."""
        if self.kind == "page":
            return ["var.BibleMode"] + PAGE
        if self.kind == "history":
            return ["frmArrays.lstSavePages.List(%d)" % i for i in range(HISTORY_ITEMS)]
        key = ["var.FindAllFiles(%d)" % self.item]
        return key + (TEXTS if self.kind == "passages" else TEXTS[:1])


# The items of the page history a check reads back after a restart.
HISTORY_ITEMS = 12

# What the items of each list open, for the checks after a click.
LIST_OPENS = {"TOPICS.PNV": "passages", "REFS.PRE": "passages", "QUOTES.PTQ": "passages",
              "VERSES.PBD": "passages", "ESSAYS.SXX": "text", "ADVICE.SNV": "passages"}


def open_list(start_item):
    return ["click frmList0.lstMain0 %d" % start_item]


def search_book(all_books):
    """Searches the open book, then every book of its list, and goes back. (The
    Wisdom list names a book with its extension, so Find All over it shows a
    message on the intact library too.)"""
    steps = [
        "release frmText1.btnFind left",
        "set frmFind6.txtInput.Text light",
        "release frmFind6.btnSearch left",
    ]
    if all_books:
        steps += ["set frmFind6.txtInput.Text light", "release frmFind6.btnSrchAll left"]
    return steps + ["release frmFind6.btnBack left"]


def study_verse():
    """Opens the first verse of the page in the verse window (its words and
    notes) and looks up two of its words in the dictionary."""
    return ["caret frmText1.Text1 5", "caret frmText3.Text32 3", "caret frmText3.Text32 12"]


def read_book(road):
    """Opens a book, searches it and its list, studies a verse of a Bible
    book, and pages through it: every paging button, the chooser. Every page
    shown is checked against the book."""
    start, item, book = road
    page = Check("page")
    steps = open_list(start) + [
        "click frmList1.lstMain1 %d" % item,
        "click frmList2.lstMain2 %d" % book,
        page,
    ] + search_book(start == BIBLE)
    if start == BIBLE:
        steps += study_verse()
    for step in ["click frmText1.btnNext", "click frmText1.btnPrev", "click frmText1.btnLast",
                 "click frmText1.btnFirst", "release frmText1.btnNewPage left",
                 "click frmPage.LstPg0 1", "click frmText1.btnPrev"]:
        steps += [step, page]
    return steps


def picks_checked(name, picks):
    """Clicks on the items picks of list name, each checked against what it
    opens."""
    steps = []
    for pick in picks:
        steps.append("click frmList2.lstMain2 %d" % pick)
        if name in LIST_OPENS:
            steps.append(Check(LIST_OPENS[name], pick, single=name.endswith(".PBD")))
    return steps


def study_list(name):
    item, picks = STUDY_LISTS[name]
    return open_list(STUDY) + ["click frmList1.lstMain1 %d" % item] + picks_checked(name, picks)


def walk_for(name):
    """The steps and the values to dump for a variant whose broken file is name."""
    upper = name.upper()
    if upper in BOOK_ROADS:
        return read_book(BOOK_ROADS[upper]), PAGE
    if upper in PASSAGE_BOOKS:
        return read_book(BOOK_ROADS[PASSAGE_BOOKS[upper]]), PAGE
    if upper == DICTIONARY.upper():
        # Whether the definition of the first verse's first word is shown.
        road = BOOK_ROADS["GEN.TXV"]
        steps = open_list(road[0]) + ["click frmList1.lstMain1 %d" % road[1],
                                      "click frmList2.lstMain2 %d" % road[2]]
        return steps + study_verse()[:2], ["frmText3.btnClear.Visible"]
    if upper in STUDY_LISTS:
        return study_list(upper), TEXTS + PAGE + ["frmList2.lstMain2.ListCount"]
    if upper.startswith("ESSAY") and upper.endswith(".TXT"):
        return study_list("ESSAYS.SXX"), TEXTS
    if upper in ("QCELLS.TXV", "QCELLSP.TXV"):
        return study_list("TOPICS.PNV"), TEXTS
    if upper == "START.SEL":
        return read_book(BOOK_ROADS["GEN.TXV"]), PAGE + ["frmList0.lstMain0.ListCount"]
    if upper in ("BOOKS.SEL", "OLDHIST.STX", "OLDPOET.STX", "NEWGOSP.STX", "NEWEPIS.STX"):
        books = [b for b, road in BOOK_ROADS.items() if road[0] == BIBLE]
        steps = []
        for book in books:
            steps += read_book(BOOK_ROADS[book]) + ["release frmList2.btnBack left",
                                                    "release frmList1.btnBack left"]
        return steps, PAGE + ["frmList1.lstMain1.ListCount", "frmList2.lstMain2.ListCount"]
    if upper == "STUDY.SEL":
        steps = []
        for listName in STUDY_LISTS:
            steps += study_list(listName) + ["release frmList2.btnBack left",
                                             "release frmList1.btnBack left"]
        return steps, TEXTS + PAGE + ["frmList1.lstMain1.ListCount"]
    if upper == "ADVICE.SNV":
        return open_list(ADVICE) + picks_checked("ADVICE.SNV", range(5)), TEXTS
    if upper == "QCELLS.SNV":
        return open_list(GRID), ["frmSelectA.Cell(1).Text", "frmSelectA.Cell(2).Text"]
    if upper == "QCELLSP.SNV":
        return open_list(GRID_P), ["frmSelectP.Cell(1).Text", "frmSelectP.Cell(2).Text"]
    if upper in ("INFO.SEL", "HELP.TXV", "COPYRGT.TXV"):
        steps = open_list(INFO)
        for i in range(4):
            steps += ["click frmList1.lstMain1 %d" % i]
        return steps, ["frmtext0.Text1.Text", "frmList1.lstMain1.ListCount"]
    if upper == "BIBLIO.TXV":
        return read_book(BOOK_ROADS["GEN.TXV"]) + ["menu mnuAbbreviations"], PAGE + TEXTS
    if upper == "!TESSARY.INI":
        # The history is read at start, looked up as a book opens, written at
        # the end, and read back by a fresh start: every other book's item kept.
        return read_book(BOOK_ROADS["GEN.TXV"]) + [
            "activate frmList2",
            "click frmList2.lstMain2 0",
            "menu mnuQuitWith",
            "restart",
            Check("history"),
        ], ["frmArrays.lstSavePages.List(0)"]
    raise KeyError("no road to " + name)


def scenario(library, name):
    """A scenario that walks a copy of the library into the broken file name;
    the checks along the road, and the values dumped at its end."""
    steps, dumps = walk_for(name)
    lines = ["# Walks into the broken " + name, "library " + library, "start"]
    checks = []
    for step in steps:
        if isinstance(step, Check):
            checks.append(step)
            lines += ["dump " + d for d in step.dumps()]
        else:
            lines.append(step)
    lines += ["dump " + d for d in dumps]
    return "\n".join(lines) + "\n", checks, dumps
