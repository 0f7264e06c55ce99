#!/usr/bin/env bash
# Links the program again from the relink kit and the Qt it was built with,
# and compares it with the program in the portable zip, byte for byte.
# Usage: check-relink.sh KIT ZIP QT EXECUTABLE
set -euo pipefail
kit=$1 zip=$2 qt=$3 program=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && unzip -q "$kit" && mkdir released && cd released && unzip -q "$zip")
relink=$(find "$work" -name relink.sh)
QT=$qt sh "$relink"
released=$(find "$work/released" -name "$program.exe")
cmp "$released" "$(dirname "$relink")/$program.exe" \
    || { echo "FAIL: the program linked again from the kit differs from the released one" >&2; exit 1; }
echo "relink check passed: the kit links to the released program's bytes"
