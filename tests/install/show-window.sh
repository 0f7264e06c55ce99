#!/usr/bin/env bash
# Starts the program on the X display it is given, in a home of its own so that it
# never meets the user's settings or lock file, and waits until its entry window
# is mapped with the caption and window class expected.
# Usage: show-window.sh PROGRAM CAPTION WM_CLASS
set -euo pipefail
program=$1 caption=$2 wm_class=$3
home=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"

HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/runtime \
    QT_QPA_PLATFORM=xcb "$program" &
pid=$!

window=
for _ in $(seq 200); do
    window=$(xwininfo -root -tree | awk -v title="\"$caption\":" 'index($0, title) { print $1; exit }')
    [ -z "$window" ] || break
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "no window captioned \"$caption\" within 20 s" >&2; exit 1; }

xwininfo -id "$window" | grep -q 'Map State: IsViewable' || { echo "the window is not shown" >&2; exit 1; }
class=$(xprop -id "$window" WM_CLASS)
[ "$class" = "WM_CLASS(STRING) = \"$wm_class\", \"$wm_class\"" ] \
    || { echo "window class is $class, the desktop entry says $wm_class" >&2; exit 1; }
