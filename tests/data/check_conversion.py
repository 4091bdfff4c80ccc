#!/usr/bin/env python3
"""data/convert_lectionary.py, run into a scratch folder, writes every file exactly as
shipped: each table as data/lectionary/ holds it, the log as data/CONVERSION_LOG.tsv.
A table edited by hand fails here; mend the converter or sources/corrections.tsv instead.
Then the same run with a file-size limit that a large table passes: it must fail with a
message, and every file must be either the old one byte for byte or the new one whole.
Usage: check_conversion.py DATA_DIR"""
import resource
import subprocess
import sys
import tempfile
from pathlib import Path


def first_difference(a: bytes, b: bytes) -> str:
    for number, (x, y) in enumerate(zip(a.split(b"\n"), b.split(b"\n")), 1):
        if x != y:
            return "line %d: converter %r, shipped %r" % (number, x.decode(errors="replace")[:120],
                                                         y.decode(errors="replace")[:120])
    return "lengths differ: converter %d bytes, shipped %d" % (len(a), len(b))


def main() -> int:
    data = Path(sys.argv[1])
    with tempfile.TemporaryDirectory() as scratch:
        out = Path(scratch) / "out"
        subprocess.run([sys.executable, str(data / "convert_lectionary.py"), "--out", str(out)], check=True,
                       stdout=subprocess.DEVNULL)
        written = sorted(p.name for p in out.iterdir())
        if "CONVERSION_LOG.tsv" not in written or len(written) < 2:
            print("the converter wrote no tables or no log:", written)
            return 1
        failed = 0
        for name in written:
            shipped = data / name if name == "CONVERSION_LOG.tsv" else data / "lectionary" / name
            mine = (out / name).read_bytes()
            theirs = shipped.read_bytes() if shipped.is_file() else None
            if theirs is None:
                print("%s: the converter writes it, nothing is shipped" % shipped)
                failed = 1
            elif mine != theirs:
                print("%s differs from the converter's output, %s" % (shipped, first_difference(mine, theirs)))
                failed = 1
        if not failed:
            print("the converter reproduces %s byte for byte" % ", ".join(written))
        return failed or full_disk(data, out, written)


def full_disk(data: Path, shipped_out: Path, names: list) -> int:
    """With files of at most 50 000 bytes the smaller tables are written and Story.txt is
    refused: the run ends with a message, no file is cut and no scratch file is left."""
    with tempfile.TemporaryDirectory() as scratch:
        out = Path(scratch)
        old = {name: ("old %s\n" % name).encode() for name in names}
        for name, text in old.items():
            (out / name).write_bytes(text)
        limit = 50_000

        def small_disk():
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))

        run = subprocess.run([sys.executable, str(data / "convert_lectionary.py"), "--out", str(out)],
                             preexec_fn=small_disk, capture_output=True, text=True)
        failed = 0
        if run.returncode == 0 or "Story.txt" not in run.stderr:
            print("a file-size limit: exit %d, message %r" % (run.returncode, run.stderr[-300:]))
            failed = 1
        kept = []
        for name in names:
            now = (out / name).read_bytes()
            new = (shipped_out / name).read_bytes()
            if now == old[name]:
                kept.append(name)
            elif now != new:
                print("%s under a file-size limit: neither the old file nor the new one (%d bytes)" %
                      (name, len(now)))
                failed = 1
            elif len(new) > limit:
                print("%s: written whole past the limit, the limit did not hold" % name)
                failed = 1
        if "Story.txt" not in kept or "Year.txt" in kept:
            print("under a file-size limit the old files kept were", kept)
            failed = 1
        leftovers = sorted(p.name for p in out.iterdir() if p.name not in old)
        if leftovers:
            print("scratch files left behind:", leftovers)
            failed = 1
        if not failed:
            print("under a file-size limit the converter stops with %r; kept old: %s" %
                  (run.stderr.strip(), ", ".join(kept)))
        return failed


if __name__ == "__main__":
    sys.exit(main())
