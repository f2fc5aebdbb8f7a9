"""What the program shows, compared with the source lines it claims to show.

Each function takes the text a box showed and the library copy's files (a
function that reads a file by its name in any letter case, None when it is
missing) and returns the faults it finds: a list of short descriptions, empty when every
line shown is the line of the book it names, or the line of the passage the
list item names, in the book's order. The rules here are read from the
library's format as a reader sees it, independently of the program's code:

- A book is a line of index entries, then lines "KEY>TEXT"; a page shows
  the lines of one page, each as ">TEXT {stem KEY}" and an empty line; in a
  Bible book a verse's text ends before "^" (the original-language words
  follow), in other books a line with ">References:" shows from
  "References:" on; "%" in a text is a paragraph break.
- A passage list item names passages "stem page:first-last\\", "stem
  page:para\\" or "stm page:first,page:last\\" (a single-verse list: "stem
  page:para\\COUNT"); a passage is the lines of its book with those keys, in
  the book's order, each followed by " (stem KEY)" (not in the advice book)
  and an empty line; a passage reads at most 2000 lines, and gathering
  stops once the text has passed 32000 characters.
- A text file is shown line by line, each followed by an empty line.
- The page history is one item a line, "NAME=PAGE"; lines end in CR LF, LF
  or CR alone, and empty lines are no items. Reading a book and saving the
  history changes that book's item only.

Files are read as the program reads them: lines end at LF, a CR before it is
dropped, and a byte-order mark at the very start is skipped."""

import re

BOM = b"\xef\xbb\xbf"
BREAK = b"\r\n\r\n"
MAX_CHARS = 32000
# A passage reads at most this many lines, a list item names at most this
# many passages.
MAX_LINES = 2000
MAX_ENTRIES = 150
# A paragraph's end on a page: " {stem KEY}" and an empty line.
PARAGRAPH_END = re.compile(rb" \{([^ {}\r\n]+) ([^{}\r\n]*)\}\r\n\r\n")
REFERENCE = re.compile(rb"^\s*(\S+) +(\d+):(\d+)\s*(?:-\s*(\d+)|,\s*(\d+):(\d+))?\s*$")


def lines_of(data):
    """The lines of a file as the program reads them."""
    if data.startswith(BOM):
        data = data[len(BOM):]
    lines = data.split(b"\n")
    if lines and lines[-1] == b"":
        lines.pop()
    return [line[:-1] if line.endswith(b"\r") else line for line in lines]


class Book:
    """The keyed body lines of a book: lines, (key, text) pairs in order, and
    where each key's lines are."""

    def __init__(self, data):
        self.lines, self.at = [], {}
        for line in lines_of(data)[1:]:
            key, sep, text = line.partition(b">")
            if sep:
                self.at.setdefault(key, []).append(len(self.lines))
                self.lines.append((key, text))


def book_of(files, stem):
    """The book of stem, or None when it is missing."""
    name = stem.decode("latin-1") + ".TXV"
    data = files(name)
    return None if data is None else files.book(name, data)


def shown_text(text, bible):
    if bible:
        return text.split(b"^", 1)[0]
    at = text.find(b">References:")
    return text[at + 1:] if at >= 0 else text


def page_faults(page, files, bible):
    """Every paragraph of a page is the line of its book with its key, the
    paragraphs in the book's order; nothing else is on the page."""
    faults = []
    body = page.rstrip(b" ")
    at, seen = 0, {}
    for m in PARAGRAPH_END.finditer(body):
        paragraph = body[at:m.start()]
        stem, key = m.group(1), m.group(2)
        at = m.end()
        name = "%s %s" % (stem.decode("latin-1"), key.decode("latin-1"))
        if not paragraph.startswith(b">"):
            faults.append("paragraph %s does not start with \">\"" % name)
            continue
        book = book_of(files, stem)
        if book is None:
            faults.append("paragraph %s names a book that is missing" % name)
            continue
        start = seen.get(stem, 0)
        want = paragraph[1:]
        for i in book.at.get(key, []):
            if i >= start and shown_text(book.lines[i][1], bible).replace(b"%", BREAK) == want:
                seen[stem] = i + 1
                break
        else:
            found = book.at.get(key)
            faults.append("paragraph %s shows %r, its line is %r" % (
                name, want[:60],
                shown_text(book.lines[found[0]][1], bible)[:60] if found else "missing"))
    if body[at:].strip(b" \r\n"):
        faults.append("text after the last paragraph: %r" % body[at:at + 60])
    return faults


def passage_claims(key, single):
    """The passages (stem, page, first, last) a list item's key names; None
    when the key is not one this check reads."""
    parts = key.split(b"\\")
    if single:
        # "stem page:para\COUNT"; a key ending in "\" reads one line.
        if len(parts) != 2:
            return None
        m = REFERENCE.match(parts[0])
        count = parts[1].strip() or b"1"
        if not m or m.group(4) or m.group(5) or not count.isdigit():
            return None
        first = int(m.group(3))
        return [(m.group(1), m.group(2), first, first + int(count) - 1)]
    claims = []
    for part in parts[:-1]:
        m = REFERENCE.match(part)
        if not m:
            break
        first = int(m.group(3))
        last = int(m.group(4) or m.group(6) or first)
        claims.append((m.group(1), m.group(2), first, last))
    return claims[:MAX_ENTRIES]


def passages_faults(text, key, files, single):
    """The passages shown are the lines of the passages the item's key names,
    each with its reference, in the key's order, then the book's."""
    claims = passage_claims(key.upper(), single)
    if claims is None:
        return []
    expected = b""
    for stem, page, first, last in claims:
        if len(expected) > MAX_CHARS:
            break
        book = book_of(files, stem)
        last = min(last, first + MAX_LINES - 1)
        wanted = [page + b":" + str(n).encode() for n in range(first, last + 1)]
        lines = sorted(i for key in wanted for i in (book.at.get(key, []) if book else []))
        for i in lines:
            if len(expected) > MAX_CHARS:
                break
            line_key, line_text = book.lines[i]
            expected += line_text.split(b"^", 1)[0]
            if stem.lower() != b"adv":
                expected += b" (" + stem + b" " + line_key + b")"
            expected += b"\r\n\r\n"
    expected = expected.replace(b"%", BREAK)
    shown = text.rstrip(b" ")
    if shown == expected.rstrip(b" "):
        return []
    at = next((i for i, (a, b) in enumerate(zip(shown, expected)) if a != b),
              min(len(shown), len(expected)))
    return ["the passages of %r differ at character %d: shown %r, the lines are %r" % (
        key[:40], at, shown[at:at + 40], expected[at:at + 40])]


def text_faults(text, name, files):
    """A text file's lines, each followed by an empty line."""
    data = files(name.decode("latin-1"))
    if data is None:
        return []
    expected = b"".join(line + BREAK for line in lines_of(data)).replace(b"%", BREAK)
    if text.rstrip(b" ") == expected.rstrip(b" "):
        return []
    return ["the text of %s is not its lines" % name.decode("latin-1")]


class Folder:
    """The files of a library copy, read by name in any letter case."""

    def __init__(self, path):
        import os
        self.path = path
        self.names = {name.upper(): name for name in os.listdir(path)}
        self.cache, self.books = {}, {}

    def book(self, name, data):
        """The book read from data, the file name."""
        if name.upper() not in self.books:
            self.books[name.upper()] = Book(data)
        return self.books[name.upper()]

    def __call__(self, name):
        real = self.names.get(name.upper())
        if real is None:
            return None
        if real not in self.cache:
            try:
                with open(self.path + "/" + real, "rb") as f:
                    self.cache[real] = f.read()
            except OSError:
                self.cache[real] = None
        return self.cache[real]


def unescape(value):
    """A value as the scenario runner prints it, back to its bytes."""
    if value.startswith('"') and value.endswith('"'):
        value = value[1:-1]
    escapes = {"r": "\r", "n": "\n", "t": "\t", '"': '"', "\\": "\\"}

    def one(m):
        if m.group(1):
            return " " * int(m.group(1))
        return escapes[m.group(2)]
    return re.sub(r"\\s\{(\d+)\}|\\(.)", one, value).encode("latin-1")


def history_items(data):
    """The items of a history file."""
    if data.startswith(BOM):
        data = data[len(BOM):]
    return [line for line in re.split(rb"\r\n|\r|\n", data) if line]


def history_faults(saved, files, book=b"GEN"):
    """Every item of the history file the road started with is still there
    after the save, but the item of the book read."""
    faults = []
    for item in history_items(files("!Tessary.ini") or b"")[:len(saved)]:
        if item.rpartition(b"=")[0] != book and item not in saved:
            faults.append("history item %r was dropped" % item[:40])
    return faults


def check_faults(checks, values, files, judged=None):
    """The faults of every check along a road. values are the (name, bytes)
    pairs dumped, in order; a box is judged only when it changed since it
    was last dumped (a click that opened nothing leaves it as it was).
    judged, a Counter, counts the texts judged by kind."""
    faults, last, at = [], {}, 0
    for check in checks:
        names = check.dumps()
        got = values[at:at + len(names)]
        at += len(names)
        if len(got) < len(names):
            break
        key = got[0][1]  # the item's key, or whether the book is read as a Bible
        if check.kind == "history":
            faults += history_faults([value for _, value in got], files)
            if judged is not None:
                judged[check.kind] += 1
            continue
        for name, value in got:
            changed = last.get(name) != value
            last[name] = value
            # A box left blank is judged as nothing shown, not here.
            if not changed or name.startswith("var.") or not value.strip(b" \r\n"):
                continue
            if judged is not None:
                judged[check.kind] += 1
            if check.kind == "page":
                faults += page_faults(value, files, key == b"True")
            elif check.kind == "passages":
                faults += passages_faults(value, key, files, check.single)
            else:
                faults += text_faults(value, key, files)
    return faults
