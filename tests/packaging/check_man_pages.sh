#!/usr/bin/env bash
# The manual pages: groff reads them without a warning, and every option a tool's --help
# names is described in that tool's page, so the pages cannot fall behind the tools.
# Usage: check_man_pages.sh MAN_DIR LECTARIUM_DAY LECTARIUM_DB. Exit 77 (skipped) without groff.
set -euo pipefail
man_dir=$1
shift
if ! command -v groff >/dev/null; then
    echo "skipped: groff is not installed (Debian package groff-base)"
    exit 77
fi
failed=0
for page in "$man_dir"/*.1; do
    # As man shows them on a terminal: -k, the pages are UTF-8 (the Arabic examples);
    # -Tutf8, a device that has every character; -ww, every warning; -z, no output.
    warnings=$(groff -k -man -Tutf8 -ww -z "$page" 2>&1)
    if [[ -n "$warnings" ]]; then
        echo "$page: groff warns:"
        echo "$warnings"
        failed=1
    fi
done
for tool in "$@"; do
    page="$man_dir/$(basename "$tool").1"
    [[ -f "$page" ]] || { echo "no manual page $page for $tool"; failed=1; continue; }
    # The tool's usage, and each command's own usage for the commands its page lists.
    name=$(basename "$tool")
    if ! usage=$("$tool" --help); then
        echo "$name --help failed"
        failed=1
    fi
    for command in $(grep -oE "^\.B $name [a-z][a-z-]*" "$page" | cut -d' ' -f3 | sort -u); do
        usage+=$'\n'$("$tool" "$command" --help 2>/dev/null || true)
    done
    # In roff a dash in an option is written \-.
    for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$usage" | sort -u); do
        if ! grep -qF -- "${option//-/\\-}" "$page"; then
            echo "$page does not describe $option, which the usage of $name names"
            failed=1
        fi
    done
done
[[ $failed == 0 ]] && echo "the manual pages read cleanly and describe every option"
exit $failed
