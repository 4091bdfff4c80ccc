#!/usr/bin/env bash
# The AppStream file as software centres read it: appstreamcli must accept it without a
# warning (it fails on warnings and errors). --no-net: the screenshot addresses are not
# fetched. Usage: check_metainfo.sh FILE. Exit 77 (skipped) without appstreamcli.
set -euo pipefail
if ! command -v appstreamcli >/dev/null; then
    echo "skipped: appstreamcli is not installed (Debian package appstream)"
    exit 77
fi
exec appstreamcli validate --no-net --explain "$1"
