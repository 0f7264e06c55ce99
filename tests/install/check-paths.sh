#!/usr/bin/env bash
# Fails when the program's printable strings name a folder of the machine
# that built it: its home, its source, build or temporary folders, or a Qt of
# its own, or a place below one. Only the paths every system has may remain,
# a Windows drive's C:/tmp among them.
# Usage: check-paths.sh PROGRAM FOLDER...
set -euo pipefail
program=$1
shift
[ -s "$program" ] || { echo "FAIL: no program $program" >&2; exit 1; }
found=0
for folder in "$@" "${HOME:-/root}" /tmp "${TMPDIR:-/tmp}"; do
    folder=${folder%/}
    [ -n "$folder" ] || continue
    # The program's strings, eight bits and sixteen (Windows keeps its own in UTF-16).
    # shellcheck disable=SC2001 # a bracket expression says best which characters are escaped
    pattern="(^|[^:[:alnum:]])$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$folder")(/|\$)"
    hits=$({ strings -a -n 6 "$program"; strings -a -n 6 -e l "$program"; } | grep -E -- "$pattern" | sort -u | head -n 5 || true)
    if [ -n "$hits" ]; then
        echo "FAIL: $program names $folder:" >&2
        echo "$hits" >&2
        found=1
    fi
done
[ "$found" -eq 0 ] && echo "no folder of the building machine in $program"
