#!/usr/bin/env python3
"""Writes the small hand-made sample library into library/ and checks it.

Every file is Windows-1252 (here plain ASCII) text with CR LF line ends. Book
files start with an index line: one entry "<page:para>offset" per body line,
ended by "*", where offset 1 is the first byte after the index line's CR LF.
Run from anywhere:  python3 scripts/make-sample-library.py [OUTDIR]
"""

import os
import re
import sys

CRLF = b"\r\n"


def encode(text):
    return text.encode("cp1252")


def write_lines(folder, name, lines):
    """Writes a file whose every line ends in CR LF."""
    data = b"".join(encode(line) + CRLF for line in lines)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)
    return data


def book_bytes(body):
    """body: list of (key, text) or plain strings (written as they stand, e.g.
    an empty filler line). Returns the whole file with its index line."""
    lines = []
    for item in body:
        lines.append(item if isinstance(item, str) else item[0] + ">" + item[1])
    lines.append(" ")  # end marker
    entries = []
    offset = 1
    for item, line in zip(body, lines):
        if not isinstance(item, str):
            entries.append("<%s>%d" % (item[0], offset))
        offset += len(encode(line)) + 2
    index = "".join(entries) + "*"
    return b"".join(encode(line) + CRLF for line in [index] + lines)


def write_book(folder, name, body):
    data = book_bytes(body)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)
    return data


def bible(chapters):
    """chapters: {chapter: [(verse, english, original, notes)]}"""
    body = []
    for chapter, verses in chapters:
        for verse, english, original, notes in verses:
            text = english + "^ " + original
            if notes:
                text += "<" + notes
            body.append(("%d:%s" % (chapter, verse), text))
    return body


def paras(pages):
    body = []
    for page, texts in pages:
        for i, text in enumerate(texts, start=1):
            body.append(("%d:%d" % (page, i), text))
    return body


def notes_bytes(notes):
    """A notes file of a Bible book: an index line of "<key>offset" entries
    ended by "*", then one note per line ("label>text", or a bare text)."""
    entries = []
    offset = 1
    for key, text in notes:
        entries.append("<%s>%d" % (key, offset))
        offset += len(encode(text)) + 2
    lines = ["".join(entries) + "*"] + [text for _, text in notes]
    return b"".join(encode(line) + CRLF for line in lines)


# ---------------------------------------------------------------------------
# Books

GEN = bible([
    (1, [
        ("1", "In the beginning God created the heaven and the earth.",
         "bereshit bara elohim et hashamayim ve'et ha'arets", "1,2"),
        ("2", "And the earth was without form, and void; and darkness was upon the face of "
              "the deep. And the Spirit of God moved upon the face of the waters.",
         "veha'arets hayetah tohu vavohu vechoshech al-penei tehom veruach elohim "
         "merachefet al-penei hamayim", "3,"),
        ("3", "And God said, Let there be light: and there was light.",
         "vayomer elohim yehi or vayehi-or", "4"),
        ("4", "And God saw the light, that it was good: and God divided the light from the "
              "darkness.",
         "vayar elohim et-ha'or ki-tov vayavdel elohim bein ha'or uvein hachoshech", ""),
        ("5", "And God called the light Day, and the darkness he called Night. And the "
              "evening and the morning were the first day.",
         "vayikra elohim la'or yom velachoshech kara laylah vayehi-erev vayehi-voker yom "
         "echad", "5"),
    ]),
    (2, [
        ("1", "Thus the heavens and the earth were finished, and all the host of them.",
         "vaychulu hashamayim veha'arets vechol-tseva'am", ""),
        ("2", "And on the seventh day God ended his work which he had made; and he rested on "
              "the seventh day from all his work which he had made.",
         "vaychal elohim bayom hashvi'i melachto asher asah vayishbot bayom hashvi'i", "6"),
        ("3", "And God blessed the seventh day, and sanctified it: because that in it he had "
              "rested from all his work which God created and made.",
         "vayvarech elohim et-yom hashvi'i vaykadesh oto", "6,7"),
    ]),
])

GENCOM = [
    ("1", "gen 1:1>The first word of the book is also its name in the original."),
    ("2", "gen 1:1>Heaven and earth together stand for the whole of creation."),
    ("3", "gen 1:2>Without form and void: a pair of rhyming words in the original."),
    ("4", "gen 1:3>Light is the first thing called forth by a word."),
    ("5", "gen 1:5>The day is counted from evening to morning."),
    ("6", "gen 2:2>The word for rest is close to the name of the seventh day."),
    ("7", "A note without a label is shown whole."),
]

EXO = bible([
    (3, [
        ("13", "And Moses said unto God, Behold, when I come unto the children of Israel, "
               "and shall say unto them, The God of your fathers hath sent me unto you; and "
               "they shall say to me, What is his name? what shall I say unto them?",
         "vayomer moshe el-ha'elohim hineh anochi va el-benei yisra'el", ""),
        ("14", "And God said unto Moses, I AM THAT I AM: and he said, Thus shalt thou say "
               "unto the children of Israel, I AM hath sent me unto you.",
         "vayomer elohim el-moshe ehyeh asher ehyeh", ""),
        ("15", "And God said moreover unto Moses, Thus shalt thou say unto the children of "
               "Israel, The LORD God of your fathers hath sent me unto you: this is my name "
               "for ever.",
         "vayomer od elohim el-moshe koh tomar el-benei yisra'el", ""),
    ]),
    (20, [
        ("1", "And God spake all these words, saying,",
         "vaydaber elohim et kol-hadevarim ha'eleh lemor", ""),
        ("2", "I am the LORD thy God, which have brought thee out of the land of Egypt, out "
              "of the house of bondage.",
         "anochi adonai eloheicha asher hotseticha me'erets mitsrayim", ""),
        ("3", "Thou shalt have no other gods before me.",
         "lo yihyeh lecha elohim acherim al-panai", ""),
    ]),
])

PSA = bible([
    (1, [
        ("1", "Blessed is the man that walketh not in the counsel of the ungodly, nor "
              "standeth in the way of sinners, nor sitteth in the seat of the scornful.",
         "ashrei ha'ish asher lo halach ba'atsat resha'im", ""),
        ("2", "But his delight is in the law of the LORD; and in his law doth he meditate "
              "day and night.",
         "ki im betorat adonai cheftso uvetorato yehgeh yomam valaylah", ""),
        ("3", "And he shall be like a tree planted by the rivers of water, that bringeth "
              "forth his fruit in his season; his leaf also shall not wither; and whatsoever "
              "he doeth shall prosper.",
         "vehayah ke'ets shatul al-palgei mayim", ""),
    ]),
    (23, [
        ("1", "The LORD is my shepherd; I shall not want.", "adonai ro'i lo echsar", ""),
        ("2", "He maketh me to lie down in green pastures: he leadeth me beside the still "
              "waters.",
         "bin'ot deshe yarbitseni al-mei menuchot yenahaleni", ""),
        ("3", "He restoreth my soul: he leadeth me in the paths of righteousness for his "
              "name's sake.",
         "nafshi yeshovev yancheni vema'gelei-tsedek lema'an shemo", ""),
        ("4", "Yea, though I walk through the valley of the shadow of death, I will fear no "
              "evil: for thou art with me; thy rod and thy staff they comfort me.",
         "gam ki-elech bege tsalmavet lo-ira ra ki-atah imadi", ""),
    ]),
    (100, [
        ("1", "Make a joyful noise unto the LORD, all ye lands.",
         "hari'u ladonai kol-ha'arets", ""),
        ("2", "Serve the LORD with gladness: come before his presence with singing.",
         "ivdu et-adonai besimchah bo'u lefanav birnanah", ""),
        ("3", "Know ye that the LORD he is God: it is he that hath made us, and not we "
              "ourselves; we are his people, and the sheep of his pasture.",
         "de'u ki-adonai hu elohim hu-asanu", ""),
    ]),
])

MAT = bible([
    (5, [
        ("3", "Blessed are the poor in spirit: for theirs is the kingdom of heaven.",
         "makarioi hoi ptochoi to pneumati hoti auton estin he basileia ton ouranon", ""),
        ("4", "Blessed are they that mourn: for they shall be comforted.",
         "makarioi hoi penthountes hoti autoi paraklethesontai", ""),
        ("5", "Blessed are the meek: for they shall inherit the earth.",
         "makarioi hoi praeis hoti autoi kleronomesousin ten gen", ""),
        ("6", "Blessed are they which do hunger and thirst after righteousness: for they "
              "shall be filled.",
         "makarioi hoi peinontes kai dipsontes ten dikaiosunen", ""),
        ("7", "Blessed are the merciful: for they shall obtain mercy.",
         "makarioi hoi eleemones hoti autoi eleethesontai", ""),
    ]),
    (6, [
        ("9", "After this manner therefore pray ye: Our Father which art in heaven, "
              "Hallowed be thy name.",
         "houtos oun proseuchesthe humeis pater hemon ho en tois ouranois", ""),
        ("10", "Thy kingdom come. Thy will be done in earth, as it is in heaven.",
         "eltheto he basileia sou genetheto to thelema sou", ""),
        ("11", "Give us this day our daily bread.",
         "ton arton hemon ton epiousion dos hemin semeron", ""),
        ("12", "And forgive us our debts, as we forgive our debtors.",
         "kai aphes hemin ta opheilemata hemon", ""),
        ("13", "And lead us not into temptation, but deliver us from evil: For thine is the "
               "kingdom, and the power, and the glory, for ever. Amen.",
         "kai me eisenenkes hemas eis peirasmon alla rhusai hemas apo tou ponerou", ""),
    ]),
])

JOH = bible([
    (1, [
        ("1", "In the beginning was the Word, and the Word was with God, and the Word was God.",
         "en arche en ho logos kai ho logos en pros ton theon kai theos en ho logos", "1,2"),
        ("2", "The same was in the beginning with God.",
         "houtos en en arche pros ton theon", ""),
        ("3", "All things were made by him; and without him was not any thing made that was "
              "made.",
         "panta di autou egeneto kai choris autou egeneto oude hen ho gegonen", "3"),
        ("4", "In him was life; and the life was the light of men.",
         "en auto zoe en kai he zoe en to phos ton anthropon", "4,"),
        ("5", "And the light shineth in darkness; and the darkness comprehended it not.",
         "kai to phos en te skotia phainei kai he skotia auto ou katelaben", "4,5"),
    ]),
    (3, [
        ("14", "And as Moses lifted up the serpent in the wilderness, even so must the Son of "
               "man be lifted up:",
         "kai kathos Mouses hupsosen ton ophin en te eremo", ""),
        ("15", "That whosoever believeth in him should not perish, but have eternal life.",
         "hina pas ho pisteuon en auto eche zoen aionion", ""),
        ("16", "For God so loved the world, that he gave his only begotten Son, that "
               "whosoever believeth in him should not perish, but have everlasting life.",
         "houtos gar egapesen ho theos ton kosmon hoste ton huion ton monogene edoken", "6"),
        ("17", "For God sent not his Son into the world to condemn the world; but that the "
               "world through him might be saved.",
         "ou gar apesteilen ho theos ton huion eis ton kosmon hina krine ton kosmon", ""),
    ]),
])

JOHCOM = [
    ("1", "joh 1:1>Word: in the original, logos, a word that also means reason."),
    ("2", "joh 1:1>The verse echoes the first words of Genesis."),
    ("3", "joh 1:3>All things: nothing is left out of the making."),
    ("4", "joh 1:4>Life and light are paired through the whole book."),
    ("5", "joh 1:5>Comprehended may also be read as overcame."),
    ("6", "joh 3:16>Only begotten: in the original, monogenes, one of a kind."),
]

ROM = bible([
    (8, [
        ("28", "And we know that all things work together for good to them that love God, "
               "to them who are the called according to his purpose.",
         "oidamen de hoti tois agaposi ton theon panta sunergei eis agathon", ""),
        ("31", "What shall we then say to these things? If God be for us, who can be against "
               "us?",
         "ti oun eroumen pros tauta ei ho theos huper hemon tis kath hemon", ""),
        ("38", "For I am persuaded, that neither death, nor life, nor angels, nor "
               "principalities, nor powers, nor things present, nor things to come,",
         "pepeismai gar hoti oute thanatos oute zoe oute angeloi", ""),
        ("39", "Nor height, nor depth, nor any other creature, shall be able to separate us "
               "from the love of God, which is in Christ Jesus our Lord.",
         "oute hupsoma oute bathos oute tis ktisis hetera dunesetai hemas chorisai", ""),
    ]),
    (13, [
        ("8", "Owe no man any thing, but to love one another: for he that loveth another "
              "hath fulfilled the law.",
         "medeni meden opheilete ei me to allelous agapan", ""),
        ("9", "For this, Thou shalt not kill, Thou shalt not steal, and if there be any other "
              "commandment, it is briefly comprehended in this saying, namely, Thou shalt "
              "love thy neighbour as thyself.",
         "agapeseis ton plesion sou hos seauton", ""),
        ("10", "Love worketh no ill to his neighbour: therefore love is the fulfilling of "
               "the law.",
         "he agape to plesion kakon ouk ergazetai", ""),
    ]),
])

WIS = paras([
    (1, [
        "The beginning of wisdom is to know that one does not yet know.",
        "A learner who asks a question has already walked half of the road.",
        "Words spoken in haste are gathered again only with long labour.%"
        "Words spoken with care need no gathering at all.",
    ]),
    (2, [
        "Patience is the root; understanding is the fruit.",
        "The river does not hurry, and yet it reaches the sea.",
        "Read a little every day, and think about what you have read.",
        "Sources of these sayings>References: Proverbs 1:7; Psalms 111:10; "
        "Sayings of the Wise 1:1",
    ]),
    (3, [
        "A lamp gives light to others and loses none of its own.",
        "Kindness is a language that the deaf can hear and the blind can see.",
    ]),
    (4, [
        "He who teaches learns twice.",
        "The end of one lesson is the beginning of the next.",
        "Here ends the collection.",
    ]),
])
# An empty filler line inside page 3, passed over by the reader.
WIS.insert([k for k, _ in WIS].index("3:2"), "")

ADV = paras([
    (1, [
        "Be patient with the learner; every mind has its own season.",
        "Begin with what the learner already knows, and build from there.",
        "Listen before you speak; a question shows where the teaching must start.",
    ]),
    (2, [
        "A story is remembered long after a rule is forgotten.",
        "Choose stories that the learner can tell again to someone else.",
        "Praise the effort openly and correct the mistake quietly.",
    ]),
    (3, [
        "Correction given in love is received as a gift.",
        "Teach by example first; words follow where deeds have gone before.",
        "The best lesson is the one the learner finds for himself.",
    ]),
])

QCELLS = paras([
    (1, [
        "Who is God? The maker of heaven and earth, who created all things.",
        "How should we pray? As the Lord taught: Our Father which art in heaven.",
        "What is love? Love worketh no ill to his neighbour. (rom 13:10)",
        "What is the Word? In the beginning was the Word. (joh 1:1)",
    ]),
])

QCELLSP = paras([
    (1, [
        "God is one: Thou shalt have no other gods before me. (exo 20:3)",
        "God is love: For God so loved the world. (joh 3:16)",
        "God made all things: All things were made by him. (joh 1:3)",
        "The law is fulfilled by love: love is the fulfilling of the law. (rom 13:10)",
        "A short proof without a reference.",
    ]),
])

ESSAYS = {
    "ESSAY1.TXT": [
        "On Reading Slowly",
        "A book read slowly is a book read twice. The eye may run ahead, but the mind "
        "keeps its own pace.",
        "Stop at the end of every page and ask what it said.%Then ask what it meant.",
    ],
    "ESSAY2.TXT": [
        "On Teaching Children",
        "Children learn what they see far more than what they hear.",
        "Give them a question to carry home, not only an answer.",
    ],
    "ESSAY3.TXT": [
        "A Letter on Study",
        "Dear friend, you asked how to begin. Begin where you are, with one page a day.",
        "In a year you will have read a book; in ten, a library.",
    ],
}

# ---------------------------------------------------------------------------
# Catalogue and other files

TEXTS = {
    "BIBLIO.TXV": [
        "abbrev@Book Abbreviations",
        "gen@Genesis, The First Book of Moses",
        "exo@Exodus, The Second Book of Moses",
        "psa@Psalms",
        "mat@Matthew, The Gospel According to Matthew",
        "joh@John, The Gospel According to John",
        "rom@Romans, The Epistle to the Romans",
        "wis@Sayings of the Wise, a study collection",
        "adv@Advice About Teaching",
        "end@End of table",
    ],
    "START.SEL": [
        "Tessary start list: lines without the separator are skipped",
        "BOOKS.SEL@The Bible (King James Version)",
        "STUDY.SEL@Study Texts",
        "ADVICE.SNV@Advice About Teaching",
        "QCELLS.SNV@Quick Christian Answers",
        "QCELLSP.SNV@Quick Proofs",
        "INFO.SEL@About Tessary",
        "ABOUT.SBD@About",
        "HIDDEN.SEL@This line comes after the end of the list and never shows",
    ],
    "BOOKS.SEL": [
        "OLDHIST.STX@.Historic Books",
        "OLDPOET.STX@.Poetical Books",
        "-----@-----------------------",
        "NEWGOSP.STX@.The Gospels",
        "NEWEPIS.STX@.The Epistles",
    ],
    "STUDY.SEL": [
        "WISDOM.STX@Sayings of the Wise",
        "TOPICS.PNV@Topics (passages)",
        "REFS.PRE@References with notes",
        "QUOTES.PTQ@Quotations",
        "VERSES.PBD@Single Verses",
        "ESSAYS.SXX@Short Essays",
        "LIST.STQ@Questions",
        "-----@-----",
    ],
    "INFO.SEL": [
        "HORVEL@About Tessary",
        "BIBLIO@Book Abbreviations",
        "COPYRGT@Copyrights",
        "HELP@Help",
    ],
    "OLDHIST.STX": ["GEN@Genesis", "EXO@Exodus"],
    "OLDPOET.STX": ["PSA@Psalms"],
    "NEWGOSP.STX": ["MAT@Matthew", "JOH@John"],
    "NEWEPIS.STX": ["ROM@Romans"],
    "WISDOM.STX": [
        "WIS@Sayings of the Wise",
        "ADV.TXV@Advice About Teaching (as a book)",
    ],
    # PNV: shown "." + left part, key the right part; an empty right part is a heading.
    "TOPICS.PNV": [
        "Creation@",
        "The first day@gen 1:1-5\\",
        "The seventh day@gen 2:1-3\\",
        "Light and darkness@gen 1:3\\gen 1:4,1:5\\",
        "Love@",
        "God so loved the world@joh 3:16\\",
        "Love is the fulfilling of the law@rom 13:8-10\\",
        "Nothing can separate us@rom 8:38-39\\rom 8:28\\",
    ],
    # PRE: key the left part, shown " ." + right part up to ">", note after ">".
    "REFS.PRE": [
        "@The Word",
        "joh 1:1-3\\@In the beginning was the Word>John 1:1-3, the opening of the Gospel",
        "joh 1:4-5\\@The light shineth in darkness>John 1:4-5, light and life",
        "@Wisdom",
        "wis 1:1-2\\@The beginning of wisdom>Sayings of the Wise, page 1",
        "psa 1:1-3\\@The blessed man",
    ],
    # PTQ: shown the right part, key the left part; an empty left part is a heading.
    "QUOTES.PTQ": [
        "@Sayings on Prayer",
        "mat 6:9-13\\@The Lord's Prayer",
        "psa 23:1-4\\@The Lord is my shepherd",
        "@Sayings of the Wise",
        "wis 2:1\\wis 2:2\\@On patience",
        "wis 3:1\\@A lamp gives light",
    ],
    # PBD: shown the left part, key one reference "stem page:para\lines";
    # an empty right part is a heading.
    "VERSES.PBD": [
        "Genesis@",
        ".In the beginning@gen 1:1\\",
        "Light divided from darkness@gen 1:3\\3",
        "The Gospels@",
        ".The Word@joh 1:1\\",
        "Blessed are the poor in spirit@mat 5:3\\1",
        "For God so loved the world@joh 3:16\\1",
    ],
    "ESSAYS.SXX": [
        "ESSAY1.TXT@On Reading Slowly",
        "ESSAY2.TXT@On Teaching Children",
        "ESSAY3.TXT@A Letter on Study",
    ],
    # STQ: shown the left part, key the right part.
    "LIST.STQ": [
        "Where does the world come from?@GEN",
        "Who is the Word?@JOH",
        "How should one pray?@MAT",
        "What does wisdom teach?@WIS",
    ],
    "ADVICE.SNV": [
        "adv 1:1-2\\@On patience with the learner",
        "adv 1:3\\@On listening first",
        "adv 2:1-2\\@On the use of stories",
        "adv 2:3\\adv 3:1\\@On praise and correction",
        "adv 3:2-3\\@On teaching by example",
    ],
    # Topic grids: "cell text<passage list", shown sorted by the cell text.
    "QCELLS.SNV": [
        "Who is God?<qcells 1:1\\",
        "Creation<gen 1:1-3\\",
        " Love of God<joh 3:16\\",
        "Prayer<qcells 1:2\\mat 6:9-13\\",
        "Blessed are<mat 5:3-7\\",
        "the Word<qcells 1:4\\joh 1:1-5\\",
        "Shepherd<psa 23:1-4\\",
        "Sabbath rest<gen 2:1-3\\",
        "Love<qcells 1:3\\rom 13:8-10\\",
    ],
    "QCELLSP.SNV": [
        "One God<qcellsp 1:1\\",
        "God is love<qcellsp 1:2\\joh 3:16\\",
        " Maker of all<qcellsp 1:3\\gen 1:1\\",
        "Law and love<qcellsp 1:4\\",
        "I AM<exo 3:14\\",
        "Without a reference<qcellsp 1:5\\",
        "All things for good<rom 8:28\\",
    ],
    "COPYRGT.TXV": [
        "Copyrights",
        "The Bible text is the King James Version, which is in the public domain.",
        "The transliterations, notes, sayings, advice and essays in this sample library "
        "were written for Tessary and may be copied freely.",
        "Tessary itself is free software under the MIT licence.",
    ],
    "HELP.TXV": [
        "How to use Tessary",
        "Choose an item in the list on the left; the texts show on the right.",
        "A list item can lead to another list: follow the lists down to a book.",
        "In a book, use the arrow buttons to turn the pages, or the page button to jump to "
        "any page or chapter.",
        "In a Bible book, click on a verse to see it in Hebrew or Greek with its notes, "
        "then click on a word to see its definition.",
        "Click on a paragraph of any other book to set a bookmark.",
        "The search button finds a word or phrase in the book, or in every book of the list.",
        "Press the right mouse button on a button to see what it does.",
    ],
}

NOTES = {"GENCOM.TXV": GENCOM, "JOHCOM.TXV": JOHCOM}

BOOKS = {
    "GEN.TXV": GEN, "EXO.TXV": EXO, "PSA.TXV": PSA,
    "MAT.TXV": MAT, "JOH.TXV": JOH, "ROM.TXV": ROM,
    "WIS.TXV": WIS, "ADV.TXV": ADV, "QCELLS.TXV": QCELLS, "QCELLSP.TXV": QCELLSP,
}


# ---------------------------------------------------------------------------
# Checks

def fail(message):
    sys.exit("make-sample-library: " + message)


def check_crlf(name, data):
    if data.count(b"\n") != data.count(CRLF) or data.count(b"\r") != data.count(CRLF):
        fail("%s: a line does not end in CR LF" % name)
    if not data.endswith(CRLF):
        fail("%s: the last line does not end in CR LF" % name)
    if any(b > 0x7E for b in data) or any(b < 0x20 and b not in (0x0D, 0x0A) for b in data):
        fail("%s: holds a byte outside plain ASCII" % name)


def check_book(name, data):
    """Every index entry points at the first byte of a line carrying its key."""
    end = data.index(CRLF)
    index = data[:end].decode("cp1252")
    index_len = end + 2
    if not index.endswith("*") or index.count("*") != 1:
        fail("%s: the index line must end in a single '*'" % name)
    entries = re.findall(r"<([^<>]*)>\s*(\d+)\s*", index[:-1])
    if "".join("<%s>%s" % e for e in entries) != index[:-1]:
        fail("%s: the index line has text between its entries" % name)
    keys = {}
    for key, offset in entries:
        pos = index_len + int(offset)          # 1-based file position
        if data[pos - 2:pos - 1] != b"\n":
            fail("%s: entry %s does not point at the start of a line" % (name, key))
        line = data[pos - 1:data.index(CRLF, pos - 1)].decode("cp1252")
        if not line.startswith(key + ">"):
            fail("%s: entry %s points at %r" % (name, key, line[:30]))
        keys[key] = pos
    lines = data.split(CRLF)
    if lines[-2] != b" ":
        fail("%s: the last line must be a single blank" % name)
    return data[index_len:], keys


def check_notes(name, data, notes):
    end = data.index(CRLF)
    index = data[:end].decode("cp1252")
    for key, text in notes:
        m = re.search("<" + re.escape(key) + r">(\d+)", index)
        pos = end + 2 + int(m.group(1))
        if not data[pos - 1:].startswith(encode(text) + CRLF):
            fail("%s: note %s is not at its offset" % (name, key))


def check_passages(books, key, books_dir):
    """Each reference of a passage list exists and has its lines on one page."""
    refs = key.split("\\")[:-1]
    if not refs:
        fail("passage list %r holds no reference" % key)
    for ref in refs:
        m = re.fullmatch(r"(\w+) (\d+):(\d+)(?:-(\d+)|,\d+:(\d+))?(?:\\\d+)?", ref)
        if not m:
            fail("passage reference %r has an unexpected form" % ref)
        stem, page, first = m.group(1), m.group(2), int(m.group(3))
        last = int(m.group(4) or m.group(5) or first)
        book = stem.upper() + ".TXV"
        if book not in books:
            fail("passage reference %r names a missing book" % ref)
        body_keys = books[book]
        for para in range(first, last + 1):
            if "%s:%d" % (page, para) not in body_keys:
                fail("passage reference %r: %s:%d is not in %s" % (ref, page, para, book))


def check_pbd(books, key):
    m = re.fullmatch(r"(\w+) (\d+):(\d+)\\(\d*)", key)
    if not m:
        fail("single-verse key %r has an unexpected form" % key)
    stem, page, first, count = m.groups()
    for para in range(int(first), int(first) + int(count or 1)):
        if "%s:%d" % (page, para) not in books[stem.upper() + ".TXV"]:
            fail("single-verse key %r runs past its page" % key)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "library")
    os.makedirs(out, exist_ok=True)

    written = {}
    for name, lines in TEXTS.items():
        written[name] = write_lines(out, name, lines)
    for name, lines in ESSAYS.items():
        written[name] = write_lines(out, name, lines)
    book_keys = {}
    for name, body in BOOKS.items():
        written[name] = write_book(out, name, body)
    for name, notes in NOTES.items():
        written[name] = notes_bytes(notes)
        with open(os.path.join(out, name), "wb") as f:
            f.write(written[name])
    # The page history starts empty, so the first start shows no message.
    written["!Tessary.ini"] = b""
    open(os.path.join(out, "!Tessary.ini"), "wb").close()

    for name, data in written.items():
        if data:
            check_crlf(name, data)
    for name in BOOKS:
        _, keys = check_book(name, written[name])
        book_keys[name] = keys

    # Every catalogue road leads to a file that exists.
    for lst in ("OLDHIST.STX", "OLDPOET.STX", "NEWGOSP.STX", "NEWEPIS.STX", "WISDOM.STX"):
        for line in TEXTS[lst]:
            key = line.split("@", 1)[0].upper()
            if (key if "." in key else key + ".TXV") not in written:
                fail("%s names the missing book %s" % (lst, key))
    for line in TEXTS["ESSAYS.SXX"]:
        if line.split("@", 1)[0] not in written:
            fail("ESSAYS.SXX names a missing text file")
    for line in TEXTS["STUDY.SEL"] + TEXTS["BOOKS.SEL"]:
        key = line.split("@", 1)[0]
        if "-----" not in line and key not in written:
            fail("second-level item %s names a missing list" % key)
    for line in TEXTS["TOPICS.PNV"] + TEXTS["ADVICE.SNV"]:
        left, right = line.split("@", 1)
        key = right if "\\" in right else left
        if "\\" in key:
            check_passages(book_keys, key, out)
    for lst in ("REFS.PRE", "QUOTES.PTQ"):
        for line in TEXTS[lst]:
            left = line.split("@", 1)[0]
            if left:
                check_passages(book_keys, left, out)
    for lst in ("QCELLS.SNV", "QCELLSP.SNV"):
        for line in TEXTS[lst]:
            check_passages(book_keys, line.split("<", 1)[1], out)
    for line in TEXTS["VERSES.PBD"]:
        right = line.split("@", 1)[1]
        if right:
            check_pbd(book_keys, right)

    for name, notes in NOTES.items():
        check_notes(name, written[name], notes)
        book = written[name[:3] + ".TXV"]
        for line in book.split(CRLF)[1:]:
            verse = line.decode("cp1252")
            if "^" in verse and "<" in verse.split("^", 1)[1]:
                for k in filter(None, verse.rsplit("<", 1)[1].split(",")):
                    if k not in dict(notes):
                        fail("%s: note key %s is not in %s" % (name[:3], k, name))

    print("make-sample-library: wrote %d files to %s" % (len(written), out))


if __name__ == "__main__":
    main()
