#!/usr/bin/env python3
"""Writes the reading tables and the synaxarium of data/lectionary/ from the sources.

    python3 data/convert_lectionary.py            # data/sources -> data/lectionary
    python3 data/convert_lectionary.py --out DIR  # the same files into DIR
    python3 data/convert_lectionary.py --counts BUILD/data/source/Bible.txt

Sources (data/sources/, see data/README.md): the reading references of the open
Katameros data (katameros-api, MIT), the names of the commemorations of each day
(katameros-web-app, MIT), the verse counts of the shipped Bible and the corrections
this project keeps (corrections.tsv). Output: Year, Suns, Jonah, Fast, Fifty, Pain and
Story, Story_En in the format of FORMAT.md, and CONVERSION_LOG.tsv with every reference that
is not written exactly as the source gives it. The same sources give the same files.

--out DIR writes the tables and CONVERSION_LOG.tsv into DIR instead (the test
check_conversion compares them with the shipped ones).

--counts rewrites sources/verse-counts.tsv from the Bible.txt that
`lectarium-db import-bible` writes, after a change of the shipped Bible.
"""
import csv
import json
import os
import re
import sys
import tempfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
SOURCES = HERE / "sources"
KAT = SOURCES / "katameros-api"
OUT = HERE / "lectionary"
LOG = HERE / "CONVERSION_LOG.tsv"

ABBREVIATIONS = {
    1: "تك", 2: "خر", 3: "لا", 4: "عد", 5: "تث", 6: "يش", 7: "قض", 8: "را", 9: "1صم", 10: "2صم",
    11: "1مل", 12: "2مل", 13: "1اخبار", 14: "2اخبار", 15: "عز", 16: "نح", 17: "طوبيا", 18: "يهوديت",
    19: "اس", 20: "اي", 21: "مز", 22: "ام", 23: "جا", 24: "نش", 25: "الحكمة", 26: "سيراخ", 27: "اش",
    28: "ار", 29: "مرا", 30: "با", 31: "حز", 32: "دا", 33: "هو", 34: "يؤ", 35: "عا", 36: "عو",
    37: "يون", 38: "مي", 39: "نا", 40: "حب", 41: "صف", 42: "حج", 43: "زك", 44: "ملا", 45: "1مكابين",
    46: "2مكابين", 47: "مت", 48: "مر", 49: "لو", 50: "يو", 51: "اع", 52: "رو", 53: "1كو", 54: "2كو",
    55: "غل", 56: "اف", 57: "في", 58: "كو", 59: "1تس", 60: "2تس", 61: "1تي", 62: "2تي", 63: "تي",
    64: "فل", 65: "عب", 66: "يع", 67: "1بط", 68: "2بط", 69: "1يو", 70: "2يو", 71: "3يو", 72: "يه",
    73: "رؤ",
}
PSALMS, ACTS = 21, 51
COMMA = "\u060c"
# Between the chapters of a psalm made of several pieces ("73: 23، 24، 28 و 9: 14"); the
# database build makes a Psalmos row for such a reference from the Bible text.
AND = " و "

# Katameros numbers the books 1-66 in Protestant order, then 67 Baruch, 68 Tobit, 69 Judith,
# 70-71 Maccabees, 72 Wisdom, 73 Sirach; this program 1-73 in its own order.
BOOK = {i: i for i in range(1, 17)}
BOOK.update({17: 19, 18: 20, 19: 21, 20: 22, 21: 23, 22: 24, 23: 27, 24: 28, 25: 29, 26: 31, 27: 32})
BOOK.update({k: k + 5 for k in range(28, 40)})
BOOK.update({k: k + 7 for k in range(40, 67)})
BOOK.update({67: 30, 68: 17, 69: 18, 70: 45, 71: 46, 72: 25, 73: 26})

# The nine reading fields; psalm and Acts fields carry no book abbreviation.
NINE = ["V_Psalm_Ref", "V_Gospel_Ref", "M_Psalm_Ref", "M_Gospel_Ref", "P_Gospel_Ref", "C_Gospel_Ref",
        "X_Gospel_Ref", "L_Psalm_Ref", "L_Gospel_Ref"]
PSALM_FIELDS = {0, 2, 7}
BARE_FIELDS = {0, 2, 6, 7}

log = []


def save(path, text):
    """Writes text to path whole or not at all: a full disk or a file-size limit leaves the
    old file as it was and ends the run with a message, never a cut table."""
    path = Path(path)
    fd, scratch = tempfile.mkstemp(prefix="." + path.name + ".", suffix=".tmp", dir=path.parent)
    try:
        # mkstemp makes the file private; the table keeps the mode a plain open would give.
        umask = os.umask(0)
        os.umask(umask)
        os.fchmod(fd, path.stat().st_mode & 0o777 if path.exists() else 0o666 & ~umask)
        with os.fdopen(fd, "wb") as f:
            f.write(text.encode("utf-8"))
            f.flush()
            os.fsync(f.fileno())
        os.replace(scratch, path)
    except OSError as error:
        try:
            os.unlink(scratch)
        except OSError:
            pass
        sys.exit("cannot write %s (%s); the file is left as it was" % (path, error.strerror or error))


def load_counts():
    counts = {}
    with open(SOURCES / "verse-counts.tsv", encoding="utf-8") as f:
        next(f)
        for line in f:
            book, chapter, last = map(int, line.split("\t"))
            counts[(book, chapter)] = last
    return counts


def write_counts(bible_txt):
    counts = {}
    with open(bible_txt, encoding="utf-8") as f:
        next(f)
        for line in f:
            old, bible, part, verse = line.split("\t")[:4]
            book = int(bible) if int(old) != 0 else int(bible) + 46
            key = (book, int(part))
            counts[key] = max(counts.get(key, 0), int(verse))
    lines = ["Book\tChapter\tLast_Verse\n"]
    lines += ["%d\t%d\t%d\n" % (book, chapter, last) for (book, chapter), last in sorted(counts.items())]
    save(SOURCES / "verse-counts.tsv", "".join(lines))


COUNTS = None
CORRECTIONS = {}


def load_corrections():
    """source part -> replacement, everywhere or only in one field ("Year 12/30 field 6")."""
    with open(SOURCES / "corrections.tsv", encoding="utf-8") as f:
        rows = csv.reader((line for line in f if not line.startswith("#")), delimiter="\t")
        next(rows)
        for source, replacement, _reason, *where in rows:
            CORRECTIONS[(where[0] if where else "", source)] = replacement


def correction(where, piece):
    for key in ((where, piece), ("", piece)):
        if key in CORRECTIONS:
            return CORRECTIONS[key]
    return None


def note(*entry):
    if entry not in log:
        log.append(entry)


def parts_of(reading, where):
    """One reading ("B.C:V-V*@+B.C:V") -> [(book, segments)] with segments (c1, v1, c2, v2)."""
    parts = []
    for piece in reading.split("*@+"):
        replacement = correction(where, piece)
        if replacement is not None:
            note(where, "corrected" if replacement else "left out", piece, replacement)
            piece = replacement
        for sub in filter(None, piece.split("*@+")):  # a correction may join parts or leave one out
            book, rest = sub.split(".", 1)
            if "." in rest:  # "62.43.4:15-21" in the source: the last book.chapter is meant
                note(where, "malformed in the source, read as " + rest.rsplit(".", 1)[1], sub, "")
                rest = rest.rsplit(".", 1)[1]
            parts.append((BOOK[int(book)], segments(rest)))
    return parts


def segments(rest):
    m = re.fullmatch(r"(\d+):(\d+)-(\d+):(\d+)", rest)
    if m:
        c1, v1, c2, v2 = map(int, m.groups())
        return [(c1, v1, c2, v2)]
    m = re.fullmatch(r"(\d+):([\d,\- ]+)", rest)
    if not m:
        raise ValueError("cannot read reference %r" % rest)
    chapter = int(m.group(1))
    out = []
    for item in m.group(2).split(","):
        item = item.strip()
        a, _, b = item.partition("-")
        out.append((chapter, int(a), chapter, int(b or a)))
    return out


def check(book, segs, where, source):
    for c1, v1, c2, v2 in segs:
        for c, v in ((c1, v1), (c2, v2)):
            last = COUNTS.get((book, c))
            if last is None or not 1 <= v <= last:
                note(where, "verse not in the shipped Bible", source, "%d:%d" % (c, v))


def merged(book, segs):
    """Joins a segment to the one before when it goes straight on (next verse, or verse 1
    of the next chapter after the last verse of the chapter)."""
    out = []
    for s in segs:
        if out:
            c1, v1, c2, v2 = out[-1]
            if (s[0] == c2 and s[1] == v2 + 1) or (s[0] == c2 + 1 and s[1] == 1 and COUNTS.get((book, c2)) == v2):
                out[-1] = (c1, v1, s[2], s[3])
                continue
        out.append(s)
    return out


def one(seg):
    c1, v1, c2, v2 = seg
    if c1 == c2:
        return "%d: %d" % (c1, v1) if v1 == v2 else "%d: %d-%d" % (c1, v1, v2)
    return "%d: %d-%d: %d" % (c1, v1, c2, v2)


def simple(segs):
    """The reference in one of the six forms the passage engine reads, or None."""
    if len(segs) == 1:
        return one(segs[0])
    if any(c1 != c2 for c1, _, c2, _ in segs):
        return None
    verses = [(c, v) for c, v1, _, v2 in segs for v in range(v1, v2 + 1)]
    if len({c for c, _ in verses}) == 1 and len(verses) <= 3:
        return "%d: " % verses[0][0] + (COMMA + " ").join(str(v) for _, v in verses)
    if len(verses) == 2:
        return "%d: %d%s %d: %d" % (verses[0] + (COMMA,) + verses[1])
    return None


def compound(segs):
    """A psalm of several pieces: the pieces of each chapter listed, chapters joined by AND."""
    groups = []
    chapter = None
    for c1, v1, c2, v2 in segs:
        if c1 != c2:
            groups.append([one((c1, v1, c2, v2))])
            chapter = None
        elif c1 == chapter:
            groups[-1].append(str(v1) if v1 == v2 else "%d-%d" % (v1, v2))
        else:
            groups.append([one((c1, v1, c2, v2))])
            chapter = c1
    return AND.join((COMMA + " ").join(g) for g in groups)


def readings_of(field):
    """A source field -> its readings ('@' separates readings, '*@+' joins parts of one)."""
    if not field:
        return []
    return [r for r in re.split(r"(?<!\*)@(?!\+)", field) if r]


def written(source, where, psalm_field=False, bare=False):
    """A source field -> list of references, each exact; several when one reference of the
    program cannot hold the field (the caller decides what to do with the rest)."""
    refs = []
    whole_psalm = []
    for reading in readings_of(source):
        parts = parts_of(reading, where)
        if not parts:
            continue
        for book, segs in parts:
            check(book, segs, where, source)
        books = [book for book, _ in parts]
        if psalm_field and all(b == PSALMS for b in books):
            whole_psalm += [s for _, segs in parts for s in segs]
            continue
        # Consecutive parts of one book that the program can write as one reference.
        groups = []
        for book, segs in parts:
            if groups and groups[-1][0] == book and simple(merged(book, groups[-1][1] + segs)):
                groups[-1] = (book, groups[-1][1] + segs)
            else:
                groups.append((book, list(segs)))
        for book, segs in groups:
            segs = merged(book, segs)
            text = simple(segs)
            pieces = [text] if text else [one(s) for s in segs]
            prefix = "" if bare and book in (PSALMS, ACTS) else ABBREVIATIONS[book] + " "
            refs += [prefix + p for p in pieces]
    if whole_psalm:
        segs = merged(PSALMS, whole_psalm)
        text = simple(segs) or compound(segs)
        refs.insert(0, ("" if bare else ABBREVIATIONS[PSALMS] + " ") + text)
    return refs


def joined(refs):
    """Several passages as one reference, joined by AND; a part of the same book as the
    part before it leaves its book out ("1كو 10: 25-32 و 11: 1"), as a psalm's do."""
    parts = []
    book = None
    for ref in refs:
        head, _, rest = ref.partition(" ")
        if head.endswith(":"):  # a psalm or Acts field: no book written
            head, rest = None, ref
        parts.append(rest if head is not None and head == book else ref)
        book = head
    return AND.join(parts)


def nine(day, where):
    return [joined(written(day.get(name), "%s field %d" % (where, i + 1), i in PSALM_FIELDS, i in BARE_FIELDS))
            for i, name in enumerate(NINE)]


def code_calls():
    """The references kept in katameros-api's code: function -> [(section, call, arg, ref, commented)]."""
    calls = {}
    with open(KAT / "katameros-api_code_readings.tsv", encoding="utf-8") as f:
        lines = [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]
    for feast, function, section, call, arg, ref, commented in lines[1:]:
        calls.setdefault(function, []).append((section, call, int(arg), ref, commented == "1"))
    return calls


CODE = None


def code_day(function, include_commented=False):
    """A Vespers / Matins / Liturgy day of the code -> the nine source fields, prophecy, extras."""
    day = {"Prophecy": None, "_pairs": []}
    pending = {}
    for section, call, arg, ref, commented in CODE[function]:
        if section or (commented and not include_commented):
            continue
        if call == "MakeVespers":
            day[["V_Psalm_Ref", "V_Gospel_Ref", "Prophecy"][arg]] = ref
        elif call == "MakeMatins":
            day[["M_Psalm_Ref", "M_Gospel_Ref", "Prophecy"][arg]] = ref
        elif call == "MakeLitugy":
            day[NINE[4 + arg]] = ref
        elif call == "MakePsalmAndGospel":
            if arg == 0:
                pending["psalm"] = ref
            else:
                day["_pairs"].append((pending.pop("psalm", None), ref))
        elif call == "var":
            if arg == 0:
                pending["var"] = {"paulineRef": "P_Gospel_Ref", "catholicRef": "C_Gospel_Ref",
                                  "actsRef": "X_Gospel_Ref", "psalmRef": "L_Psalm_Ref",
                                  "gospelRef": "L_Gospel_Ref"}[ref]
            else:
                day[pending.pop("var")] = ref
    if day["_pairs"]:
        # Palm Sunday's Liturgy reads a Gospel of each Evangelist, the last after a psalm of its own.
        day["L_Psalm_Ref"] = "@".join(psalm for psalm, _ in day["_pairs"] if psalm)
        day["L_Gospel_Ref"] = "@".join(gospel for _, gospel in day["_pairs"])
    return day


def esc(value):
    return value.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


def write(name, header, rows):
    lines = ["\t".join(header) + "\n"]
    lines += ["\t".join(r"\N" if x is None else esc(str(x)) for x in row) + "\n" for row in rows]
    save(OUT / (name + ".txt"), "".join(lines))


def numbered(n):
    return [str(i) for i in range(1, n + 1)]


def year():
    annual = json.load(open(KAT / "annual-readings.json", encoding="utf-8"))
    # Feasts on fixed dates that the code keeps more recently than the table.
    from_code = {(1, 17): "ConstructFeastOfTheCross", (1, 18): "ConstructFeastOfTheCross2",
                 (1, 19): "ConstructFeastOfTheCross3", (7, 10): "ConstructFeastOfTheCross",
                 (7, 29): "ConstructAnnunciation", (6, 8): "ConstructTempleEntrance",
                 (9, 24): "ConstructEgyptEntrance", (4, 29): "ConstructChristmas",
                 (5, 10): "ConstructParamounTheophany"}
    rows = []
    for r in sorted(annual, key=lambda r: (r["Month_Number"], r["Day"])):
        key = (r["Month_Number"], r["Day"])
        day = code_day(from_code[key]) if key in from_code else r
        rows.append(list(key) + nine(day, "Year %d/%d" % key))
    write("Year", ["Month", "Day"] + numbered(9), rows)


def suns():
    rows = []
    for r in sorted(json.load(open(KAT / "sunday-readings.json", encoding="utf-8")),
                    key=lambda r: (r["Month_Number"], r["Day"])):
        if r["Month_Number"] <= 13:
            where = "Suns %d/%d" % (r["Month_Number"], r["Day"])
            rows.append([r["Month_Number"], r["Day"]] + nine(r, where))
    write("Suns", ["Month", "Sun"] + numbered(9), rows)


def prophecies(source, where, limit):
    refs = written(source, where)
    if len(refs) > limit:
        log.append((where, "more prophecies than fields; the rest is left out", source, " | ".join(refs[limit:])))
    return refs[:limit]


def jonah():
    rows = []
    for i, function in enumerate(["ConstructFastOfNinevah1", "ConstructFastOfNinevah2",
                                  "ConstructFastOfNinevah3", "ConstructFeastOfJonas"], 1):
        day = code_day(function)
        props = prophecies(day.get("Prophecy"), "Jonah %d prophecy" % i, 1)
        rows.append([i] + nine(day, "Jonah %d" % i) + (props or [""]))
    write("Jonah", ["Day"] + numbered(10), rows)


def fast():
    lent = {(r["Week"], r["DayOfWeek"]): r for r in json.load(open(KAT / "great-lent-readings.json",
                                                                    encoding="utf-8"))}
    days = [(0, 1, code_day("ConstructGreatLentPreparationSaturday")),
            (0, 2, code_day("ConstructGreatLentPreparationSunday"))]
    for week in range(1, 8):
        for d in range(1, 8):  # Monday 1 .. Sunday 7; the source counts Sunday as 0
            if (week, d) == (7, 6):
                days.append((week, d, code_day("ConstructLazarusSaturday")))
            elif (week, d) == (7, 7):
                days.append((week, d, code_day("ConstructPalmSunday")))
            else:
                days.append((week, d, lent[(week, d % 7)]))
    rows = []
    for week, d, day in days:
        where = "Fast %d/%d" % (week, d)
        props = prophecies(day.get("Prophecy"), where + " prophecy", 9)
        rows.append([week, d] + nine(day, where) + props + [""] * (9 - len(props)))
    write("Fast", ["Week", "Day"] + numbered(18), rows)


def fifty():
    by = {(r["Week"], r["DayOfWeek"]): r for r in json.load(open(KAT / "pentecost-readings.json",
                                                                  encoding="utf-8"))}
    easter = code_day("ConstructEaster")
    easter.update({k: v for k, v in code_day("MakeLiturgy").items() if v})
    rows = [[0, 1] + nine(easter, "Fifty 0/1")]
    for week in range(1, 8):
        for d in range(1, 8):
            rows.append([week, d] + nine(by[(week, d % 7)], "Fifty %d/%d" % (week, d)))
    write("Fifty", ["Week", "Day"] + numbered(9), rows)


WEEKDAY = {2: "الاثنين", 3: "الثلاثاء", 4: "الأربعاء", 5: "الخميس", 6: "الجمعة", 7: "السبت"}
NIGHT = {1: "الاثنين", 2: "الثلاثاء", 3: "الأربعاء", 4: "الخميس", 5: "الجمعة"}
HOUR = {"FirstHour": "باكر", "ThirdHour": "الساعة الثالثة", "SixthHour": "الساعة السادسة",
        "NinthHour": "الساعة التاسعة", "EleventhHour": "الساعة الحادية عشرة",
        "TwelfthHour": "الساعة الثانية عشرة", "EveFirstHour": "الساعة الأولى",
        "EveThirdHour": "الساعة الثالثة", "EveSixthHour": "الساعة السادسة",
        "EveNinthHour": "الساعة التاسعة", "EveEleventhHour": "الساعة الحادية عشرة"}
KIND = {"MakeOldTestament": "النبوة", "MakePauline": "البولس", "MakeCatholic": "الكاثوليكون",
        "MakeActs": "الإبركسيس"}
LITURGY = ["البولس", "الكاثوليكون", "الإبركسيس", "المزمور", "الإنجيل"]


def pain():
    rows = []

    def add(day, caption, source, where):
        for ref in written(source, where, psalm_field=True):
            rows.append([day, caption, ref, ""])

    def hours(day, function, include_commented=False):
        numbers = {}
        for section, call, arg, ref, commented in CODE[function]:
            if not section or (commented and not include_commented):
                continue
            if section.startswith("Eve"):
                head = "%s من ليلة %s" % (HOUR[section], NIGHT[day])
            else:
                head = ("يوم %s - " % WEEKDAY[day] if day in WEEKDAY else "") + HOUR[section]
            where = "Pain %d %s" % (day, section)
            if call in KIND:
                n = numbers[(section, call)] = numbers.get((section, call), 0) + 1
                label = KIND[call] + (" %d" % n if call == "MakeOldTestament" else "")
            elif call == "MakePsalmsAndGospels" and arg == 1:
                n = numbers[(section, "gospel")] = numbers.get((section, "gospel"), 0) + 1
                label = "الإنجيل %d" % n
            else:
                label = "المزمور" if arg == 0 else "الإنجيل"
            add(day, "%s: %s" % (head, label), ref, where)

    # Palm Sunday (its four Gospels are the Liturgy's, in its Fast row): the general funeral,
    # then the hours of the day and of the night of Monday.
    with open(SOURCES / "general-funeral.tsv", encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#") and line.strip():
                caption, ref = line.rstrip("\n").split("\t")
                add(1, caption, ref, "Pain 1 general funeral")
    hours(1, "ConstructPalmSunday", include_commented=True)
    for day, function in [(2, "ConstructPaschaMonday"), (3, "ConstructPaschaTuesday"),
                          (4, "ConstructPaschaWednesday"), (5, "ConstructPaschaThursday"),
                          (6, "ConstructPaschaFriday")]:
        hours(day, function)
    saturday = code_day("ConstructPaschaSaturday")
    for label, name in zip(LITURGY, NINE[4:]):
        add(7, "يوم السبت - القداس: " + label, saturday.get(name), "Pain 7 liturgy")
    write("Pain", ["Day", "Description", "Sign", "Data"], rows)


def story():
    names = {}
    for entry in json.load(open(SOURCES / "katameros-web-app" / "synax-days-ar.json", encoding="utf-8")):
        names.setdefault((entry["Month"], entry["Day"]), []).append(entry["Title"].strip())
    rows = []
    for month in range(1, 14):
        for day in range(1, 31 if month < 13 else 7):
            lines = names.get((month, day))
            if not lines:
                log.append(("Story %d/%d" % (month, day), "no commemoration in the source", "", ""))
            rows.append([month, day, "\r\n".join(lines) if lines else None, None, None])
    write("Story", ["Month", "Day", "Data", "Pic_Name", "Pic_Data"], rows)


def story_en():
    """The English names of the same commemorations, for the saint search."""
    names = {}
    for entry in json.load(open(SOURCES / "katameros-web-app" / "synax-days-en.json", encoding="utf-8")):
        names.setdefault((entry["Month"], entry["Day"]), []).append(entry["Title"].strip())
    rows = []
    for month in range(1, 14):
        for day in range(1, 31 if month < 13 else 7):
            lines = names.get((month, day))
            if lines:
                rows.append([month, day, "\r\n".join(lines)])
    write("Story_En", ["Month", "Day", "Data"], rows)


def main():
    global COUNTS, CODE, OUT, LOG
    if len(sys.argv) == 3 and sys.argv[1] == "--counts":
        write_counts(sys.argv[2])
        return
    if len(sys.argv) == 3 and sys.argv[1] == "--out":
        OUT = Path(sys.argv[2])
        LOG = OUT / "CONVERSION_LOG.tsv"
        OUT.mkdir(parents=True, exist_ok=True)
    elif len(sys.argv) != 1:
        sys.exit(__doc__)
    COUNTS = load_counts()
    load_corrections()
    CODE = code_calls()
    year()
    suns()
    jonah()
    fast()
    fifty()
    pain()
    story()
    story_en()
    save(LOG, "where\twhat\tsource reference\twritten as\n" +
         "".join("\t".join(x or "" for x in entry) + "\n" for entry in log))
    print("%d entries in %s" % (len(log), "data/CONVERSION_LOG.tsv" if LOG == HERE / "CONVERSION_LOG.tsv" else LOG))


if __name__ == "__main__":
    main()
