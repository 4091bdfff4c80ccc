#!/usr/bin/env python3
"""Writes the generated part of the demonstration lectionary in data/lectionary/.

The reading plans walk through the books of the Bible in order; they are
demonstration content, not the Coptic lectionary. The build does not run this
script: its output is kept in data/lectionary/ as reviewable text. Run it again
after changing the plan:

    python3 data/generate_demo.py BUILD/data/source/Bible.txt data/lectionary

BIBLE is the Bible.txt that `lectarium-db import-bible` writes; it tells which
verses exist, so that every generated reference resolves.
"""
import sys
from pathlib import Path

# The Arabic book abbreviations of the book table, kept once in the converter.
from convert_lectionary import ABBREVIATIONS

MONTHS = ["", "توت", "بابه", "هاتور", "كيهك", "طوبه", "أمشير", "برمهات", "برموده", "بشنس",
          "بؤونه", "أبيب", "مسرى", "النسئ"]
ORDINALS = ["", "الأولى", "الثانية", "الثالثة", "الرابعة", "الخامسة"]
WEEKDAYS_FROM_MONDAY = ["", "الاثنين", "الثلاثاء", "الأربعاء", "الخميس", "الجمعة", "السبت", "الأحد"]

NOTICE = "قراءة من خطة قراءة تجريبية تمر على أسفار الكتاب المقدس بالترتيب، وليست قراءة القطمارس القبطى."


def load_bible(path):
    verses = {}
    texts = {}
    with open(path, encoding="utf-8") as f:
        next(f)
        for line in f:
            old, bible, part, verse, sign = line.rstrip("\n").split("\t")
            book = int(bible) if int(old) != 0 else int(bible) + 46
            verses.setdefault((book, int(part)), set()).add(int(verse))
            texts[(book, int(part), int(verse))] = sign
    return verses, texts


class Walker:
    """Walks through books in order, giving portions of consecutive verses."""

    def __init__(self, verses, books, size, prefix=True):
        self.verses = verses
        self.books = books
        self.size = size
        self.prefix = prefix
        self.book_index = 0
        self.chapter = 1
        self.verse = 1

    def _exists(self, book, chapter, verse):
        return verse in self.verses.get((book, chapter), ())

    def _last(self, book, chapter):
        return max(self.verses[(book, chapter)])

    def _normalise(self):
        # Moves the position to the next verse that exists, wrapping round the books.
        for _ in range(100000):
            book = self.books[self.book_index]
            if (book, self.chapter) not in self.verses:
                self.book_index = (self.book_index + 1) % len(self.books)
                self.chapter, self.verse = 1, 1
                continue
            if self.verse > self._last(book, self.chapter):
                self.chapter += 1
                self.verse = 1
                continue
            if not self._exists(book, self.chapter, self.verse):
                self.verse += 1
                continue
            return
        raise RuntimeError("no verses")

    def next(self, size=None):
        size = size or self.size
        self._normalise()
        book = self.books[self.book_index]
        k, v = self.chapter, self.verse
        w, x = k, v
        count = 1
        # Extend over consecutive existing verses, crossing at most one chapter end.
        while count < size:
            if self._exists(book, w, x + 1):
                x += 1
            elif w == k and x == self._last(book, w) and self._exists(book, w + 1, 1):
                w, x = w + 1, 1
            else:
                break
            count += 1
        self.chapter, self.verse = w, x + 1
        abbreviation = ABBREVIATIONS[book] + " " if self.prefix else ""
        if w != k:
            return f"{abbreviation}{k}: {v}-{w}: {x}"
        if x == v:
            return f"{abbreviation}{k}: {v}"
        return f"{abbreviation}{k}: {v}-{x}"


def write(folder, name, header, rows):
    with open(folder / name, "w", encoding="utf-8", newline="\n") as f:
        f.write("\t".join(header) + "\n")
        for row in rows:
            f.write("\t".join(str(value) for value in row) + "\n")


def main():
    verses, texts = load_bible(sys.argv[1])
    out = Path(sys.argv[2])

    psalms = Walker(verses, [21], 3, prefix=False)
    gospels = Walker(verses, [47, 48, 49, 50], 8)
    pauline = Walker(verses, list(range(52, 66)), 7)
    catholic = Walker(verses, list(range(66, 73)), 6)
    acts = Walker(verses, [51], 6, prefix=False)
    prophecies = Walker(verses, [1, 22, 27, 20, 25, 26, 34, 33, 28, 31, 32], 9)

    def nine():
        # Vespers psalm and gospel, Matins psalm and gospel, Pauline and Catholic
        # epistles, Acts, Liturgy psalm and gospel.
        return [psalms.next(), gospels.next(), psalms.next(), gospels.next(), pauline.next(),
                catholic.next(), acts.next(), psalms.next(), gospels.next(12)]

    psalm_keys = []

    year = []
    for month in range(1, 14):
        for day in range(1, 31 if month < 13 else 7):
            fields = nine()
            if month == 1 and day <= 30:
                psalm_keys.append(fields[0])
            year.append([month, day] + fields)
    write(out, "Year.txt", ["Month", "Day"] + [str(i) for i in range(1, 10)], year)

    suns = []
    for month in range(1, 14):
        for sunday in range(1, 6):
            suns.append([month, sunday] + nine())
    write(out, "Suns.txt", ["Month", "Sun"] + [str(i) for i in range(1, 10)], suns)

    jonah = []
    for day in range(1, 5):
        # The book of Jonah, one chapter a day; the fourth day has no prophecy.
        prophecy = f"يون {day}: 1-{max(verses[(37, day)])}" if day < 4 else ""
        jonah.append([day] + nine() + [prophecy])
    write(out, "Jonah.txt", ["Day"] + [str(i) for i in range(1, 11)], jonah)

    fast = []
    for week in range(0, 8):
        for day in range(1, 8 if week > 0 else 3):
            count = 0 if week == 0 or day == 7 else (3 if day < 6 else 2)
            extra = [prophecies.next() for _ in range(count)] + [""] * (9 - count)
            fast.append([week, day] + nine() + extra)
    write(out, "Fast.txt", ["Week", "Day"] + [str(i) for i in range(1, 19)], fast)

    fifty = [[0, 1] + nine()]
    for week in range(1, 8):
        for day in range(1, 8):
            fifty.append([week, day] + nine())
    write(out, "Fifty.txt", ["Week", "Day"] + [str(i) for i in range(1, 10)], fifty)

    # The drawn demonstration pictures (pictures/), in turn from day to day.
    PICTURES = ["Demo_Saint.xpm", "Demo_Figure.xpm", "Demo_Church.xpm"]
    story = []
    for month in range(1, 14):
        for day in range(1, 31 if month < 13 else 7):
            text = (f"اليوم {day} من شهر {MONTHS[month]}.\\r\\n"
                    "هذا نص تجريبى من قاعدة البيانات التجريبية لبرنامج Lectarium، وليس نص السنكسار. "
                    "قاعدة البيانات الكاملة تضع هنا سيرة القديسين الذين تذكرهم الكنيسة فى هذا اليوم.")
            story.append([month, day, text, PICTURES[(day - 1) % len(PICTURES)],
                          f"صورة تجريبية لليوم {day} من شهر {MONTHS[month]}، وليست صورة قديس اليوم."])
    write(out, "Story.txt", ["Month", "Day", "Data", "Pic_Name", "Pic_Data"], story)

    # The psalm table holds the text of the Vespers psalms of the month of Tout, so
    # that those psalms are read from it and the others from the Bible table.
    psalmos = []
    for key in dict.fromkeys(psalm_keys):
        if key.count(":") != 1:
            continue
        chapter, rest = key.split(": ")
        first, _, last = rest.partition("-")
        lines = [texts[(21, int(chapter), v)] for v in range(int(first), int(last or first) + 1)]
        psalmos.append([key, "\\r\\n".join(lines)])
    write(out, "Psalmos.txt", ["Sign", "Data"], psalmos)

    passion = Walker(verses, [47, 48, 49, 50], 10)
    passion_start = {47: 21, 48: 11, 49: 19, 50: 12}
    pain = []
    hours = ["الساعة الأولى", "الساعة الثالثة", "الساعة السادسة", "الساعة التاسعة", "الساعة الحادية عشرة"]
    for day in range(1, 8):
        if day == 7:
            walker = Walker(verses, [73], 12)
            names = ["ليلة سبت الفرح: " + f"القراءة {ORDINALS[i]}" for i in range(1, 6)]
        else:
            walker = passion
            if day == 1:
                names = [f"الجناز العام: القراءة {ORDINALS[i]}" for i in range(1, 4)]
            else:
                names = [f"{hour} من يوم {WEEKDAYS_FROM_MONDAY[day - 1]}" for hour in hours]
        for index, name in enumerate(names):
            if walker is passion and index == 0 and day == 1:
                # The passion readings start where the gospels reach Jerusalem.
                walker.book_index, walker.chapter, walker.verse = 0, passion_start[47], 1
            reference = walker.next()
            data = ""
            if index == 1:
                data = ("نص مخزن تجريبى: فى قاعدة البيانات الكاملة تحمل بعض ساعات البصخة نصا مخزنا "
                        "(مثل طرح أو عظة) بدلا من شاهد يقرأ من الكتاب المقدس. "
                        "هذا النص كتب لقاعدة البيانات التجريبية ويبين الطريقة فقط.\\r\\n"
                        f"الشاهد المكتوب فوق هذا النص: {reference}")
            pain.append([day, name + " (تجريبى)", reference, data])
    write(out, "Pain.txt", ["Day", "Description", "Sign", "Data"], pain)


if __name__ == "__main__":
    main()
