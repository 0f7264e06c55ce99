#!/usr/bin/env bash
# Runs a command on an X server of its own, with one screen of 1280 by 1024.
# The server picks a free display itself, so that tests run side by side never
# meet on one, as two xvfb-run -a may.
# Usage: on-xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 200); do
    [ ! -s "$work/display" ] || break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(cat "$work/display") "$@"
