#!/usr/bin/env python3
"""data/convert_lectionary.py, run into a scratch folder, writes every file exactly as
shipped: each table as data/lectionary/ holds it, the log as data/CONVERSION_LOG.tsv.
A table edited by hand fails here; mend the converter or sources/corrections.tsv instead.
Usage: check_conversion.py DATA_DIR"""
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
        return failed


if __name__ == "__main__":
    sys.exit(main())
