#!/usr/bin/env bash
# Checks what Windows reads from the program file itself: the icon in every
# size, the version resource, the manifest, and the header's promises of
# where the program may be loaded and what may run.
# Usage: check-resources.sh OBJDUMP EXE VERSION PRODUCT MAKER ICON_SIZES...
set -euo pipefail
objdump=$1 exe=$2 version=$3 product=$4 maker=$5
shift 5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The icon group Explorer and the taskbar take: every size, each once.
wrestool -x -t 14 "$exe" -o "$work/program.ico" 2>/dev/null || true
[ -s "$work/program.ico" ] || fail "$exe has no icon"
sizes=$(icotool -l "$work/program.ico" | sed -n 's/.*--width=\([0-9]*\) --height=\1 .*/\1/p' | sort -n | tr '\n' ' ')
[ "$sizes" = "$* " ] || fail "the icon has the sizes $sizes, not $*"

# The version resource's strings, each name followed by its value.
wrestool -x --raw -t 16 "$exe" >"$work/version" 2>/dev/null || fail "$exe has no version resource"
strings=$(iconv -f UTF-16LE -t UTF-8 -c <"$work/version" | tr -c '[:print:]' '\n' | grep -v '^.\?$')
for pair in "FileVersion=$version" "ProductVersion=$version" "ProductName=$product" "CompanyName=$maker"; do
    name=${pair%%=*} expected=${pair#*=}
    found=$(awk -v name="$name" 'previous == name { print; exit } { previous = $0 }' <<<"$strings")
    [ "$found" = "$expected" ] || fail "$name is \"$found\", not \"$expected\""
done
for name in FileDescription LegalCopyright; do
    grep -qx "$name" <<<"$strings" || fail "the version resource has no $name"
done

# Id 1 of type 24: the manifest Windows reads when it starts the process.
wrestool -x --raw -t 24 -n 1 "$exe" >"$work/manifest" 2>/dev/null || true
[ -s "$work/manifest" ] || fail "$exe has no manifest"
for element in ">PerMonitorV2, PerMonitor<" ">true/pm<" 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
    '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' '<requestedExecutionLevel level="asInvoker"'; do
    grep -qF "$element" "$work/manifest" || fail "the manifest lacks $element"
done
# Loaded at an address of the system's choosing, high in the address space
# too, and no data ever run as code.
characteristics=$("$objdump" -p "$exe" | sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p')
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    grep -qw "$flag" <<<"$characteristics" || fail "the program's header lacks $flag"
done
# objdump marks a section that cannot be written READONLY.
writable_code=$("$objdump" -h "$exe" | awk '/^ *[0-9]+ / { name = $2; getline; if (/CODE/ && !/READONLY/) print name }')
[ -z "$writable_code" ] || fail "sections both writable and executable: $writable_code"
echo "resource checks passed"
