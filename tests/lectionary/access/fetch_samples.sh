#!/bin/sh
# Fetches the two small real Access files that Debian ships inside other packages:
# testodbc.mdb (Jet 3) from the Free Pascal database units and Monitor.mdb (Jet 4)
# from mrtg-contrib. Only the .deb files are downloaded (apt-get download, nothing is
# installed) and unpacked in a temporary folder.
#   fetch_samples.sh DEST_DIR
set -eu
dest=$1
mkdir -p "$dest"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cd "$work"
# fp-units-db depends on the package of its version, which holds the files.
fp=$(apt-cache depends fp-units-db 2>/dev/null | awk '/Depends: fp-units-db-/ { print $2; exit }')
[ -n "$fp" ] || { echo "fp-units-db is not known to apt" >&2; exit 1; }
apt-get download "$fp" mrtg-contrib >/dev/null
for deb in ./*.deb; do dpkg-deb -x "$deb" unpacked; done
jet3=$(find unpacked -name testodbc.mdb.gz | head -n 1)
jet4=$(find unpacked -name Monitor.mdb | head -n 1)
[ -n "$jet3" ] && [ -n "$jet4" ] || { echo "the packages no longer hold the files" >&2; exit 1; }
gunzip -c "$jet3" > "$dest/testodbc.mdb.part" && mv "$dest/testodbc.mdb.part" "$dest/testodbc.mdb"
cp "$jet4" "$dest/Monitor.mdb.part" && mv "$dest/Monitor.mdb.part" "$dest/Monitor.mdb"
