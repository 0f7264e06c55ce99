#!/usr/bin/env bash
# Starts the program natively on a headless Wayland compositor, where Qt draws
# the title bars itself, in a home of its own: it must show its entry window
# and print nothing on standard error, and a second copy must show its refusal
# while the first runs on untouched. The compositor's protocol log tells which
# client gave which window its title and then drew it.
# Usage: wayland-start.sh PROGRAM CAPTION TITLE
set -euo pipefail
program=$1 caption=$2 title=$3
home=$(mktemp -d)
pids=()
finish() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait
    rm -rf "$home"
}
trap finish EXIT
mkdir -m 700 "$home/runtime"
log=$home/weston.log

fail() {
    echo "FAIL: $*" >&2
    [ ! -s "$home/first.err" ] || { echo "first copy's standard error:" >&2; cat "$home/first.err" >&2; }
    exit 1
}

# Clients, each on a line, that attached a buffer to a window titled $1.
clients_showing() {
    awk -v want="(\"$1\")" '
        function objects(text, found,    count) {
            count = 0
            while (match(text, /[a-z_0-9]+@[0-9]+/)) {
                found[++count] = substr(text, RSTART, RLENGTH)
                text = substr(text, RSTART + RLENGTH)
            }
        }
        !match($0, /\]\[proto\] client [^ ]+ rq /) { next }
        {
            split(substr($0, RSTART, RLENGTH), words, " ")
            client = words[3]
            request = substr($0, RSTART + RLENGTH)
            delete o
            objects(request, o)
        }
        request ~ /^xdg_wm_base@[0-9]+\.get_xdg_surface\(/ { surfaceOf[client, o[2]] = o[3] }
        request ~ /^xdg_surface@[0-9]+\.get_toplevel\(/ { xdgSurfaceOf[client, o[2]] = o[1] }
        request ~ /^xdg_toplevel@[0-9]+\.set_title\(/ {
            titled[client, surfaceOf[client, xdgSurfaceOf[client, o[1]]]] = substr(request, index(request, "(")) == want
        }
        request ~ /^wl_surface@[0-9]+\.attach\(wl_buffer@/ && titled[client, o[1]] && !(client in seen) {
            seen[client]
            print client
        }
    ' "$log"
}

# Waits up to 20 s for a client other than $2 to show a window titled $1, and prints it.
wait_for_window() {
    local client
    for _ in $(seq 200); do
        client=$(clients_showing "$1" | grep -vxF -- "${2:--}" | head -n 1)
        [ -z "$client" ] || { echo "$client"; return; }
        sleep 0.1
    done
}

command -v weston >/dev/null || fail "weston is not installed"
XDG_RUNTIME_DIR=$home/runtime HOME=$home weston --backend=headless-backend.so --use-pixman --no-config \
    --socket=wayland-orvane --idle-time=0 --log="$log" --logger-scopes=log,proto &
pids+=($!)

for _ in $(seq 100); do
    [ ! -S "$home/runtime/wayland-orvane" ] || break
    sleep 0.1
done
[ -S "$home/runtime/wayland-orvane" ] || fail "weston did not start"

start_copy() {
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/runtime \
        WAYLAND_DISPLAY=wayland-orvane QT_QPA_PLATFORM=wayland "$program" 2>"$home/$1.err" &
    pids+=($!)
}

start_copy first
first=${pids[-1]}
first_client=$(wait_for_window "$caption")
[ -n "$first_client" ] || fail "no window captioned \"$caption\" within 20 s"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"

start_copy second
second=${pids[-1]}
second_client=$(wait_for_window "$title" "$first_client")
[ -n "$second_client" ] || fail "the second copy showed no box titled \"$title\" within 20 s"
! clients_showing "$caption" | grep -qxF -- "$second_client" || fail "the second copy showed an entry window"
kill -0 "$second" 2>/dev/null || fail "the second copy ended without waiting for its box"
kill -0 "$first" 2>/dev/null || fail "the first copy ended when the second started"
! grep -E "client $first_client rq xdg_toplevel@[0-9]+\.destroy\(" "$log" >/dev/null \
    || fail "the first copy closed a window when the second started"

[ ! -s "$home/first.err" ] || fail "the first copy wrote to standard error"
echo "the program ran on Wayland and refused a second copy"
