"""Broken copies of the fixture library, made by rule.

A variant is a name, the file whose road the reader walks (see walks.py) and
the files it replaces: {file name: new bytes, or None to delete the file}.
Every rule is deterministic, so a run can be repeated byte for byte."""

import random

from walks import DICTIONARY

BOOKS = ["GEN.TXV", "WIS.TXV", "PSA.TXV", "JOH.TXV"]
LISTS = ["START.SEL", "BOOKS.SEL", "OLDHIST.STX", "STUDY.SEL", "TOPICS.PNV", "REFS.PRE",
         "QUOTES.PTQ", "VERSES.PBD", "ESSAYS.SXX", "LIST.STQ", "ADVICE.SNV", "QCELLS.SNV",
         "INFO.SEL", "BIBLIO.TXV"]
HISTORY = "!Tessary.ini"
HUGE = b"99999999999999999999"
BOM = b"\xef\xbb\xbf"


class Variant:
    def __init__(self, rule, target, changes):
        self.rule = rule
        self.target = target
        self.changes = changes
        self.name = ""


def index_line(data):
    """The index line without its line end, and where the body starts."""
    end = data.find(b"\r\n")
    return data[:end], end + 2


def offset_span(index, entry):
    """The start and end of the offset text of the entry-th entry (0-based)."""
    at = -1
    for _ in range(entry + 1):
        at = index.find(b"<", at + 1)
    start = index.find(b">", at) + 1
    end = start
    while end < len(index) and index[end:end + 1] not in (b"<", b"*"):
        end += 1
    return start, end


def with_offset(data, entry, value):
    index, body = index_line(data)
    start, end = offset_span(index, entry)
    return index[:start] + value + index[end:] + data[len(index):]


def lines_of(data):
    return data.split(b"\r\n")


def truncations(files, out):
    for name in BOOKS:
        data = files[name]
        index, body = index_line(data)
        for at in sorted({1, len(index) // 2, len(index), body, (body + len(data)) // 2,
                          len(data) - 1}):
            out.append(Variant("truncated at byte %d" % at, name, {name: data[:at]}))
    for name in LISTS:
        data = files[name]
        out.append(Variant("truncated at half", name, {name: data[:len(data) // 2]}))


def index_damage(files, out):
    rng = random.Random(1201)
    for name in ("GEN.TXV", "WIS.TXV"):
        data = files[name]
        index, _ = index_line(data)
        for _ in range(6):
            at = rng.randrange(len(index))
            flipped = bytes([data[at] ^ rng.choice([0x01, 0x10, 0x20, 0x40, 0x80, 0x0F])])
            out.append(Variant("index byte %d flipped" % at, name,
                               {name: data[:at] + flipped + data[at + 1:]}))
        for _ in range(6):
            at = rng.randrange(len(index))
            out.append(Variant("index byte %d deleted" % at, name,
                               {name: data[:at] + data[at + 1:]}))


def offsets(files, out):
    for name in ("GEN.TXV", "WIS.TXV", "PSA.TXV"):
        data = files[name]
        index, _ = index_line(data)
        start, end = offset_span(index, 1)
        inside = str(int(index[start:end]) + 3).encode()
        for value in (b"0", b"-5", HUGE, b"999999999", str(len(data) + 10).encode(), inside,
                      b"", b"abc"):
            out.append(Variant("offset of the second entry %r" % value.decode(), name,
                               {name: with_offset(data, 1, value)}))
    data = files["GEN.TXV"]
    for value in (b"0", b"-1", HUGE, str(len(data)).encode()):
        out.append(Variant("offset of the first entry %r" % value.decode(), "GEN.TXV",
                           {"GEN.TXV": with_offset(data, 0, value)}))


def markers(files, out):
    for name in ("GEN.TXV", "WIS.TXV", "PSA.TXV", "GENCOM.TXV"):
        data = files[name]
        index, _ = index_line(data)
        out.append(Variant("no \"*\" after the index", name,
                           {name: index.replace(b"*", b"") + data[len(index):]}))
    for name in ("GEN.TXV", "WIS.TXV"):
        data = files[name]
        index, _ = index_line(data)
        first, last = index.find(b"<"), index.rfind(b"<")
        out.append(Variant("first \"<\" missing", name, {name: data[:first] + data[first + 1:]}))
        out.append(Variant("last \"<\" missing", name, {name: data[:last] + data[last + 1:]}))
        body = data[len(index):].replace(b"\r\n \r\n", b"\r\n")
        out.append(Variant("no end marker", name, {name: index + body}))
    data = files["GEN.TXV"]
    index, _ = index_line(data)
    out.append(Variant("no \">\" in the index", "GEN.TXV",
                       {"GEN.TXV": index.replace(b">", b"") + data[len(index):]}))
    out.append(Variant("index of only \"*\"", "GEN.TXV", {"GEN.TXV": b"*" + data[len(index):]}))
    out.append(Variant("text after \"*\"", "GEN.TXV",
                       {"GEN.TXV": index + b"<2:1>5*<9:9>1" + data[len(index):]}))
    out.append(Variant("body replaced by garbage", "GEN.TXV",
                       {"GEN.TXV": index + b"\r\n" + garbage(2000, 7)}))


def garbage(size, seed):
    rng = random.Random(seed)
    return bytes(rng.randrange(256) for _ in range(size))


def long_lines(files, out):
    kb100 = 100 * 1024
    gen = files["GEN.TXV"]
    index, _ = index_line(gen)
    out.append(Variant("100 KB index line", "GEN.TXV",
                       {"GEN.TXV": index[:-1] + b"x" * kb100 + b"*" + gen[len(index):]}))
    out.append(Variant("100 KB verse", "GEN.TXV",
                       {"GEN.TXV": gen.replace(b"1:1>", b"1:1>" + b"a" * kb100, 1)}))
    wis = files["WIS.TXV"]
    out.append(Variant("100 KB paragraph", "WIS.TXV",
                       {"WIS.TXV": wis.replace(b"1:2>", b"1:2>" + b"w " * (kb100 // 2), 1)}))
    for name, line in (("START.SEL", b"BOOKS.SEL@" + b"b" * kb100),
                       ("BOOKS.SEL", b"OLDHIST.STX@" + b"h" * kb100),
                       ("TOPICS.PNV", b"Many@" + b"gen 1:1\\" * (kb100 // 8)),
                       ("QCELLS.SNV", b"Long<" + b"gen 1:1\\" * (kb100 // 8)),
                       ("BIBLIO.TXV", b"gen@" + b"g" * kb100),
                       (HISTORY, b"GEN=" + b"1" * kb100),
                       ("ESSAY1.TXT", b"e" * kb100)):
        out.append(Variant("100 KB line", name, {name: line + b"\r\n" + files[name]}))


def binary(files, out):
    for seed, name in enumerate(["GEN.TXV", "WIS.TXV", "START.SEL", "BOOKS.SEL", "OLDHIST.STX",
                                 "TOPICS.PNV", "REFS.PRE", "QCELLS.SNV", "BIBLIO.TXV", HISTORY,
                                 "ESSAY1.TXT", "GENCOM.TXV"]):
        out.append(Variant("4 KB of binary garbage", name, {name: garbage(4096, seed)}))


def empty_files(files, out):
    for name in sorted(files):
        if files[name]:
            out.append(Variant("empty file", name, {name: b""}))


def line_ends(files, out):
    for name in ("GEN.TXV", "WIS.TXV", "START.SEL", "BOOKS.SEL", "OLDHIST.STX", "TOPICS.PNV",
                 "BIBLIO.TXV", "QCELLS.SNV", "ADVICE.SNV"):
        out.append(Variant("CR-only line ends", name, {name: files[name].replace(b"\r\n", b"\r")}))
        out.append(Variant("LF-only line ends", name, {name: files[name].replace(b"\r\n", b"\n")}))


def many_lines(files, out):
    n = 100000
    for name, line in (("START.SEL", b"BOOKS.SEL@The Bible"), ("BOOKS.SEL", b"OLDHIST.STX@.Hist"),
                       ("OLDHIST.STX", b"GEN@Genesis"), ("TOPICS.PNV", b"Day@gen 1:1\\"),
                       ("QCELLS.SNV", b"Cell<gen 1:1\\"), ("ADVICE.SNV", b"adv 1:1\\@Advice"),
                       ("BIBLIO.TXV", b"gen@Genesis"), (HISTORY, b"GEN=2"),
                       ("VERSES.PBD", b".Verse@gen 1:1\\"), ("ESSAYS.SXX", b"ESSAY1.TXT@Essay"),
                       ("LIST.STQ", b"Who?@GEN"), ("INFO.SEL", b"HELP@Help"),
                       ("STUDY.SEL", b"TOPICS.PNV@Topics")):
        out.append(Variant("100,000 lines", name, {name: (line + b"\r\n") * n}))
    verses = [b"1:%d>verse" % i for i in range(1, n + 1)]
    out.append(Variant("a page of 100,000 lines", "GEN.TXV",
                       {"GEN.TXV": book([(v, i == 0) for i, v in enumerate(verses)])}))
    pages = [b"%d:1>page" % i for i in range(1, n + 1)]
    out.append(Variant("an index of 100,000 entries", "GEN.TXV",
                       {"GEN.TXV": book([(p, True) for p in pages])}))


def book(lines):
    """A book of (line, indexed) pairs with a correct index line."""
    index, body, offset = [], [], 1
    for line, indexed in lines:
        if indexed:
            index.append(b"<" + line[:line.find(b">")] + b">" + str(offset).encode())
        body.append(line + b"\r\n")
        offset += len(line) + 2
    return b"".join(index) + b"*\r\n" + b"".join(body) + b" \r\n"


def no_separators(files, out):
    for name in LISTS:
        sep = b"<" if name == "QCELLS.SNV" else b"@"
        out.append(Variant("lines without %r" % sep.decode(), name,
                           {name: files[name].replace(sep, b" ")}))
    out.append(Variant("passage keys without \"\\\"", "TOPICS.PNV",
                       {"TOPICS.PNV": files["TOPICS.PNV"].replace(b"\\", b"")}))


def hostile_names(files, out):
    def first(name, old, new):
        out.append(Variant("names %r" % new.decode(), name,
                           {name: files[name].replace(old, new, 1)}))
    for new in (b"../GEN@", b"/etc/passwd@", b"sub/GEN@", b"..\\GEN@", b"C:\\GEN@", b"/tmp@",
                b"..@"):
        first("OLDHIST.STX", b"GEN@", new)
    for new in (b"../OLDHIST.STX@", b"/etc/passwd@"):
        first("BOOKS.SEL", b"OLDHIST.STX@", new)
    for new in (b"../../etc/passwd@", b"/etc/hostname@", b"sub\\ESSAY1.TXT@"):
        first("ESSAYS.SXX", b"ESSAY1.TXT@", new)
    for new in (b"../BOOKS.SEL@", b"/etc/passwd@"):
        first("START.SEL", b"BOOKS.SEL@", new)
    first("TOPICS.PNV", b"@gen 1:1-5\\", b"@../gen 1:1-5\\")
    first("TOPICS.PNV", b"@gen 1:1-5\\", b"@/etc/passwd 1:1\\")
    first("VERSES.PBD", b"@gen 1:1\\", b"@../gen 1:1\\")
    first("WISDOM.STX", b"ADV.TXV@", b"../ADV.TXV@")


def found_faults(files, out):
    """The inputs that once crashed, hung or misled the program."""
    out.append(Variant("pages 1 and 99999999", "WIS.TXV",
                       {"WIS.TXV": book([(b"1:1>First", True), (b"99999999:1>Last", True)])}))
    for key in (b"gen 1:1-999999\\", b"gen 1:0-" + HUGE + b"\\", b"gen 1:,:" + HUGE + b"\\"):
        out.append(Variant("passage %r" % key.decode(), "TOPICS.PNV",
                           {"TOPICS.PNV": files["TOPICS.PNV"].replace(b"gen 1:1-5\\", key, 1)}))
    gen = files["GEN.TXV"]
    out.append(Variant("a passage's entry with a 20-digit offset", "TOPICS.PNV",
                       {"GEN.TXV": with_offset(gen, 0, HUGE)}))
    for line in (b"GEN=" + HUGE, b"GEN=-1", b"GEN=", b"=", b"GEN=1:1>x", b"GEN"):
        out.append(Variant("history %r" % line.decode(), HISTORY, {HISTORY: line + b"\r\n"}))
    # Hand edits of the history: empty lines, other line ends, names that
    # begin with another book's.
    for rule, text in (("an empty line between items", b"WIS=3\r\n\r\nGEN=2\r\nROM=1\r\n"),
                       ("empty lines first", b"\r\n\r\nWIS=3\r\nGEN=2\r\n"),
                       ("CR-only line ends", b"WIS=3\rGEN=2\rROM=1\r"),
                       ("LF-only line ends", b"WIS=3\nGEN=2\nROM=1\n"),
                       ("names that begin with GEN", b"GEN2=2\r\nGENESIS=4\r\nGEN=1\r\nXGEN=5\r\n"),
                       ("a byte-order mark", BOM + b"WIS=3\r\nGEN=2\r\n")):
        out.append(Variant("history: " + rule, HISTORY, {HISTORY: text}))


def edited(data, edit):
    """A book with edit (a function of its body lines) applied to its body
    and its index line rebuilt for the keys it names, as `tessary-library
    index` leaves a book after a hand edit."""
    index, start = index_line(data)
    keys = [entry.split(b">")[0] for entry in index.split(b"*")[0].split(b"<")[1:]]
    lines = edit(data[start:].split(b"\r\n"))
    body = b"\r\n".join(lines)
    at, offset = {}, 1
    for line in lines:
        at.setdefault(line.split(b">")[0], offset)
        offset += len(line) + 2
    entries = [b"<" + key + b">" + str(at[key]).encode() for key in keys if key in at]
    return b"".join(entries) + b"*\r\n" + body


def replaced_in_line(key, old, new):
    """An edit that replaces old by new in the body line of key."""
    def edit(lines):
        return [line.replace(old, new, 1) if line.startswith(key + b">") else line
                for line in lines]
    return edit


def without_line(key):
    def edit(lines):
        return [line for line in lines if not line.startswith(key + b">")]
    return edit


def text_kinds(files, out):
    """Byte-order marks and UTF-8 letters where a hand edit in a UTF-8 editor
    leaves them, ">" and runs of blanks inside a paragraph's text, passage
    ranges past their chapter's end, and a folder of 50,000 other files."""
    for name in ("GEN.TXV", "WIS.TXV", "START.SEL", "OLDHIST.STX", "TOPICS.PNV", "QCELLS.SNV",
                 "ESSAY1.TXT", "ADVICE.SNV"):
        out.append(Variant("a byte-order mark at the start", name, {name: BOM + files[name]}))
    for name, old, new in (("OLDHIST.STX", b"Genesis", b"G\xc3\xa9nesis"),
                           ("TOPICS.PNV", b"The first day", b"The first day \xe2\x80\x94 light"),
                           ("ESSAY1.TXT", b" ", b" \xe2\x80\x99"),
                           ("BIBLIO.TXV", b"@", b"@\xc3\xa9")):
        out.append(Variant("UTF-8 letters", name, {name: files[name].replace(old, new, 1)}))
    wis, gen = files["WIS.TXV"], files["GEN.TXV"]
    out.append(Variant("UTF-8 letters in a paragraph", "WIS.TXV",
                       {"WIS.TXV": edited(wis, replaced_in_line(b"1:2", b" ", b" \xe2\x80\x99"))}))
    out.append(Variant("a byte-order mark and UTF-8 letters in a verse", "GEN.TXV",
                       {"GEN.TXV": BOM + edited(gen, replaced_in_line(b"1:3", b"light",
                                                                       b"l\xc3\xafght"))}))
    for key, old, new in ((b"1:2", b" ", b" -> "), (b"1:1", b" ", b" >"),
                          (b"1:3", b" ", b"      "), (b"2:1", b" ", b" {wis 9:9} > ")):
        out.append(Variant("%r inside paragraph %s" % (new.decode(), key.decode()), "WIS.TXV",
                           {"WIS.TXV": edited(wis, replaced_in_line(key, old, new))}))
    out.append(Variant("\">\" inside a verse", "GEN.TXV",
                       {"GEN.TXV": edited(gen, replaced_in_line(b"1:2", b", ", b"> "))}))
    topics = files["TOPICS.PNV"]
    for old, new in ((b"gen 1:1-5\\", b"gen 1:4-9\\"), (b"gen 2:1-3\\", b"gen 1:5,1:9\\"),
                     (b"rom 8:38-39\\", b"rom 8:38-40\\")):
        out.append(Variant("a range past its chapter's end: %s" % new.decode(), "TOPICS.PNV",
                           {"TOPICS.PNV": topics.replace(old, new, 1)}))
    out.append(Variant("Romans 8:39 deleted by hand and the book indexed", "TOPICS.PNV",
                       {"ROM.TXV": edited(files["ROM.TXV"], without_line(b"8:39"))}))
    out.append(Variant("VERSES.PBD: a count past the chapter's end", "VERSES.PBD",
                       {"VERSES.PBD": files["VERSES.PBD"].replace(b"gen 1:3\\3", b"gen 1:3\\9")}))
    # 150 passages in one topic, in a folder of 50,000 other files.
    many = {"F%05d.DAT" % i: b"" for i in range(50000)}
    many["TOPICS.PNV"] = topics.replace(b"gen 1:1-5\\", b"gen 1:1\\gen 1:2\\" * 75, 1)
    out.append(Variant("150 passages in a folder of 50,000 files", "TOPICS.PNV", many))


def dictionary(lines):
    """A dictionary of "key: definition" lines with a correct index line."""
    index, body, offset = b"", b"", 1
    for line in lines:
        index += b"<" + line[:line.find(b":")] + b">" + str(offset).encode()
        body += line + b"\r\n"
        offset += len(line) + 2
    return index + b"<\r\n" + body


# Files the fixture lacks that every copy gets: the dictionary of the words
# the verse window looks up on the first verse of Genesis.
EXTRA_FILES = {
    DICTIONARY: dictionary([b"bara: to create; to choose", b"bereshit: in the beginning",
                            b"beth: a house"]),
}


def dictionary_damage(files, out):
    data = files[DICTIONARY]
    index, body = index_line(data)
    for at in (1, len(index) // 2, len(index) - 1, body, len(data) - 12):
        out.append(Variant("truncated at byte %d" % at, DICTIONARY, {DICTIONARY: data[:at]}))
    for value in (b"0", b"-5", HUGE, str(len(data) + 10).encode(), b""):
        out.append(Variant("offset of the second entry %r" % value.decode(), DICTIONARY,
                           {DICTIONARY: with_offset(data, 1, value)}))
    out.append(Variant("no closing \"<\"", DICTIONARY,
                       {DICTIONARY: index[:-1] + data[len(index):]}))
    out.append(Variant("index byte 9 flipped", DICTIONARY,
                       {DICTIONARY: data[:9] + bytes([data[9] ^ 0x20]) + data[10:]}))
    out.append(Variant("100 KB definition", DICTIONARY,
                       {DICTIONARY: data.replace(b"in the beginning", b"d " * 51200)}))
    out.append(Variant("4 KB of binary garbage", DICTIONARY, {DICTIONARY: garbage(4096, 99)}))
    out.append(Variant("LF-only line ends", DICTIONARY,
                       {DICTIONARY: data.replace(b"\r\n", b"\n")}))


RULES = [truncations, index_damage, offsets, markers, long_lines, binary, empty_files, line_ends,
         many_lines, no_separators, hostile_names, found_faults, dictionary_damage, text_kinds]


def make_variants(files):
    """Every variant of the fixture whose files (name -> bytes, EXTRA_FILES
    among them) are given."""
    out = []
    for rule in RULES:
        rule(files, out)
    for i, v in enumerate(out, 1):
        v.name = "v%03d" % i
    return out
