#!/usr/bin/env python3
"""lectarium-day --ics read back with the icalendar parser: the events of 2027 are the
runs of equal titles that the day classification (lectarium-day FROM TO) gives."""

import datetime
import subprocess
import sys

import icalendar

tool = sys.argv[1]
first, last = "2027-01-01", "2027-12-31"
feed = subprocess.run([tool, "--ics", first, last], check=True, capture_output=True).stdout
lines = feed.split(b"\r\n")
assert lines[-1] == b"" and b"\n" not in feed.replace(b"\r\n", b""), "CR LF line ends only"
assert all(len(line) <= 75 for line in lines), "lines folded at 75 octets"
for line in lines:
    line.decode("utf-8")  # folding never splits a character

calendar = icalendar.Calendar.from_ical(feed)
def is_fast(e):
    return e.get("categories") is not None and "Fast" in [str(c) for c in e.get("categories").cats]


all_events = calendar.walk("VEVENT")
events = [(e.decoded("dtstart"), e.decoded("dtend"), str(e.get("summary")), str(e.get("uid")))
          for e in all_events if not is_fast(e)]
fasts = [(e.decoded("dtstart"), e.decoded("dtend"), str(e.get("summary")), str(e.get("uid")))
         for e in all_events if is_fast(e)]

# The expected runs, from the classification of every day.
rows = subprocess.run([tool, first, last], check=True, capture_output=True, text=True).stdout.splitlines()
expected = []
for row in rows:
    fields = row.split("\t")
    day = datetime.date.fromisoformat(fields[0])
    title = fields[5].replace("\\n", "\n").strip()
    if expected and expected[-1][2] == title and expected[-1][1] == day:
        expected[-1][1] = day + datetime.timedelta(days=1)
    elif title:
        expected.append([day, day + datetime.timedelta(days=1), title])

assert len(events) == len(expected), (len(events), len(expected))
for (start, end, summary, _), (e_start, e_end, e_title) in zip(events, expected):
    assert (start, end, summary) == (e_start, e_end, e_title), (start, end, summary, e_start, e_end, e_title)

easter = [e for e in events if e[0] == datetime.date(2027, 5, 2)]
assert len(easter) == 1 and "القيامة" in easter[0][2], easter
assert len({e[3] for e in events + fasts}) == len(events + fasts), "UIDs are unique"

# The fast periods, from --fasts: Lent of 2027 whole, the Nativity fast reaching back
# into 2026 and the one reaching into 2028.
d = datetime.date
assert (d(2027, 3, 8), d(2027, 4, 26), "الصوم الكبير") in [f[:3] for f in fasts], fasts
assert (d(2027, 6, 21), d(2027, 7, 12), "صوم الرسل") in [f[:3] for f in fasts], fasts
assert fasts[0][0] == d(2026, 11, 25) and fasts[0][2] == "صوم الميلاد", fasts[0]

# The same days give the same UIDs in a shorter feed.
again = icalendar.Calendar.from_ical(
    subprocess.run([tool, "--ics", "2027-05-02", "2027-05-02"], check=True, capture_output=True).stdout)
assert [str(e.get("uid")) for e in again.walk("VEVENT")] == [easter[0][3]]
print(f"{len(events)} events")
