#!/usr/bin/env bash
# Installs the MSI in a Wine prefix of its own, on an X server of its own with a
# window manager, uses the installed program as a user would, and uninstalls it.
# Usage: check-installer.sh MSI MAKER PRODUCT PROGRAM VERSION HOST SETTINGS_KEY
set -euo pipefail
msi=$1 maker=$2 product=$3 program=$4 version=$5 host=$6 settings_key=$7
caption="$product v$version"
pages="http://$host/orvane-free-birthday-number/ssd.php?page="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

work=$(mktemp -d)
xvfb= wm= second=
export HOME=$work/home WINEPREFIX=$work/prefix WINEDEBUG=-all
cleanup() {
    [ -z "$second" ] || kill "$second" 2>/dev/null || true
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    [ -z "$wm" ] || kill "$wm" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -z "${DISPLAY:-}" ] || import -display "$DISPLAY" -window root "${TMPDIR:-/tmp}/check-installer-failed.png" \
        2>/dev/null || true
    exit 1
}

# Runs the command until it succeeds, for at most SECONDS seconds.
wait_for() {
    local seconds=$1
    shift
    local end=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.2
    done
}

# No Mono or Gecko to offer, and no menu entries on the real user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
mkdir -p "$HOME" "$work/bin"
# Wine hands web addresses to xdg-open: this one notes them instead.
cat >"$work/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened"
SCRIPT
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
wait_for 20 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
wait_for 20 bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
# The pointer stays off the reading, whose mouse events empty the clipboard.
xdotool mousemove 0 0

"$wine" wineboot -i >/dev/null 2>&1 || fail "wineboot failed"
"$wineserver" -w
drive_c=$WINEPREFIX/drive_c
before=$(cd "$drive_c" && find . | sort)

windows_path() {
    local path=${1//\//\\}
    echo "Z:$path"
}
registry() {
    "$wine" reg query "$@" 2>/dev/null | tr -d '\r'
}
# The value of NAME in reg query's listing of one key.
value() {
    awk -v name="$1" '$1 == name && $2 ~ /^REG_/ { sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, ""); print; exit }'
}
uninstall_root='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The Apps & features entry whose DisplayName is the product's.
apps_entry() {
    registry "$uninstall_root" /s | awk -v RS= -v name="$product" \
        '{ n = split($0, lines, "\n"); for (i = 1; i <= n; i++) if (lines[i] ~ "^ +DisplayName +REG_SZ +" && \
           substr(lines[i], length(lines[i]) - length(name) + 1) == name) print }'
}

"$wine" msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i failed"
folder="$drive_c/Program Files/$maker/$product"
[ -f "$folder/$program.exe" ] || fail "$program.exe is not in $folder"
shortcut=$(find "$drive_c" -name "$product.lnk" -print -quit)
[ -n "$shortcut" ] || fail "no Start-menu shortcut $product.lnk"
entry=$(apps_entry)
[ -n "$entry" ] || fail "no Apps & features entry named $product"
[ "$(value DisplayVersion <<<"$entry")" = "$version" ] || fail "Apps & features shows another version: $entry"
[ "$(value Publisher <<<"$entry")" = "$maker" ] || fail "Apps & features shows another publisher: $entry"
[ "$(value URLInfoAbout <<<"$entry")" = "${pages}home-page" ] || fail "Apps & features links elsewhere: $entry"
icon=$(registry 'HKCR\Installer\Products' /s | value ProductIcon)
[ -n "$icon" ] && [ -f "$drive_c/$(sed 's/^C://; s/\\/\//g' <<<"$icon")" ] || fail "Apps & features has no icon"

visible() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null
}
exactly() {
    printf '^%s$' "$(sed 's/[].[^$*+?(){}|\\]/\\&/g' <<<"$1")"
}
clipboard_holds() {
    xclip -o -selection clipboard 2>/dev/null | grep -qF "$1"
}

"$wine" start /unix "$shortcut" || fail "the shortcut did not start"
wait_for 120 visible "$(exactly "$caption")" >/dev/null || fail "no window \"$caption\" within 120 s"
entry_window=$(visible "$(exactly "$caption")")

"$wine" "$(windows_path "$folder/$program.exe")" >/dev/null 2>&1 &
second=$!
wait_for 60 visible "$(exactly "$product")" >/dev/null || fail "a second copy showed no box \"$product\""
box=$(visible "$(exactly "$product")")
xdotool windowactivate --sync "$box"
xdotool key Return
wait_for 30 bash -c "! kill -0 $second 2>/dev/null" || fail "the second copy did not end after Enter"
second=
visible "$(exactly "$caption")" | grep -qx "$entry_window" || fail "the first copy's window went away"

xdotool windowactivate --sync "$entry_window"
# Names, then month, day (the 14th) and year, in the window's Tab order.
xdotool type --delay 50 ann
xdotool key Tab
xdotool type --delay 50 lee
xdotool key Tab
xdotool type --delay 50 smith
xdotool key Tab Tab
for _ in $(seq 13); do xdotool key Down; done

xdotool key alt+h o
wait_for 30 grep -qx "${pages}help-web-page" "$work/opened" 2>/dev/null \
    || fail "Help, Online Help opened $(cat "$work/opened" 2>/dev/null || echo nothing), not ${pages}help-web-page"

xdotool windowactivate --sync "$entry_window"
xdotool key alt+n
reading_shown() {
    local window
    window=$(visible "$(exactly "$caption")") && [ -n "$window" ] && ! grep -qx "$entry_window" <<<"$window"
}
wait_for 30 reading_shown || fail "Alt+N showed no reading"
# Back has the focus; the reading comes next.
xdotool key Tab ctrl+a ctrl+c
wait_for 20 clipboard_holds "Your Birthday Number is: 14" \
    || fail "the reading says $(xclip -o -selection clipboard 2>/dev/null | head -n 1), not Your Birthday Number is: 14"

registry "$settings_key" | grep -qE '^ +[^ ].* +REG_SZ +[^ ]' || fail "no setting under $settings_key"

"$wineserver" -k
"$wineserver" -w
"$wine" msiexec /x "$(windows_path "$msi")" /qn || fail "msiexec /x failed"
"$wineserver" -w
after=$(cd "$drive_c" && find . | sort)
left=$(comm -13 <(echo "$before") <(echo "$after"))
[ -z "$left" ] || fail "the uninstall left behind: $left"
[ -z "$(apps_entry)" ] || fail "the Apps & features entry stayed"
registry "$settings_key" | grep -qE '^ +[^ ].* +REG_SZ +[^ ]' || fail "the uninstall removed the user's setting"
echo "installer checks passed"
