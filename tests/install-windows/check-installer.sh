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
uninstall_root='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

work=$(mktemp -d)
xvfb= wm= second=
export HOME=$work/home WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko to offer, and no menu entries on the real user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
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
    if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
        import -display "$DISPLAY" -window root "${TMPDIR:-/tmp}/check-installer-failed.png" 2>/dev/null \
            && echo "the screen then: ${TMPDIR:-/tmp}/check-installer-failed.png" >&2
    fi
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

windows_path() {
    echo "Z:${1//\//\\}"
}
registry() {
    "$wine" reg query "$@" 2>/dev/null | tr -d '\r'
}
# The values named NAME in a reg query listing.
value() {
    awk -v name="$1" '$1 == name && $2 ~ /^REG_/ { sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, ""); print }'
}
# The Apps & features entry of the product: reg query lists one key per paragraph.
apps_entry() {
    registry "$uninstall_root" /s | awk -v RS= -v line="    DisplayName    REG_SZ    $product" \
        'index("\n" $0 "\n", "\n" line "\n")'
}
# The setting's name and value are in the program's own code, which reg prints
# as bytes that are not UTF-8: grep reads them as plain bytes.
has_setting() {
    registry "$settings_key" | LC_ALL=C grep -qE '^ +[^ ].* +REG_SZ +[^ ]'
}

# Visible windows whose title is exactly TITLE.
windows_titled() {
    xdotool search --onlyvisible --name "^$(sed 's/[].[^$*+?(){}|\\]/\\&/g' <<<"$1")\$" 2>/dev/null || true
}
one_window_titled() {
    [ "$(windows_titled "$1" | grep -c .)" -eq 1 ]
}
# Gives the window the keyboard, and waits until the X server says it has it.
activate() {
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    wait_for 10 bash -c "[ \"\$(xdotool getactivewindow 2>/dev/null)\" = $1 ]" || fail "window $1 took no focus"
}
clipboard_holds() {
    xclip -o -selection clipboard 2>/dev/null | grep -qF "$1"
}
# The entry window gives way to the reading, under the same title.
reading_shown() {
    one_window_titled "$caption" && [ "$(windows_titled "$caption")" != "$entry_window" ]
}

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

"$wine" start /unix "$shortcut" || fail "the shortcut did not start"
wait_for 120 one_window_titled "$caption" || fail "no window \"$caption\" within 120 s"

"$wine" "$(windows_path "$folder/$program.exe")" >/dev/null 2>&1 &
second=$!
wait_for 60 one_window_titled "$product" || fail "a second copy showed no box \"$product\""
activate "$(windows_titled "$product")"
xdotool key Return
wait_for 30 bash -c "! kill -0 $second 2>/dev/null" || fail "the second copy did not end after Enter"
second=
wait_for 10 one_window_titled "$caption" || fail "the first copy's window went away"
entry_window=$(windows_titled "$caption")

activate "$entry_window"
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

activate "$entry_window"
xdotool key alt+n
wait_for 30 reading_shown || fail "Alt+N showed no reading"
activate "$(windows_titled "$caption")"
# Back has the focus; the reading comes next.
xdotool key Tab ctrl+a ctrl+c
wait_for 20 clipboard_holds "Your Birthday Number is: 14" \
    || fail "the reading says $(xclip -o -selection clipboard 2>/dev/null | head -n 1), not Your Birthday Number is: 14"

has_setting || fail "no setting under $settings_key"

"$wineserver" -k
"$wineserver" -w
"$wine" msiexec /x "$(windows_path "$msi")" /qn || fail "msiexec /x failed"
"$wineserver" -w
after=$(cd "$drive_c" && find . | sort)
# Windows Installer makes its own cache folder on first use and keeps it.
left=$(comm -13 <(echo "$before") <(echo "$after") | grep -vx './windows/Installer' || true)
[ -z "$left" ] || fail "the uninstall left behind: $left"
[ -z "$(apps_entry)" ] || fail "the Apps & features entry stayed"
has_setting || fail "the uninstall took the user's setting"

# The next version replaces this one: the same MSI as the next build makes it,
# with a new version, new product and package codes, and its upgrade rows
# around the new version.
next_version=$version.1
cp "$msi" "$work/next.msi"
new_uuid() {
    tr a-z A-Z </proc/sys/kernel/random/uuid
}
mkdir "$work/tables"
msiinfo export "$work/next.msi" Property | awk -F '\t' -v OFS='\t' -v version="$next_version" -v code="{$(new_uuid)}" \
    'NR > 3 && $1 == "ProductVersion" { $2 = version } NR > 3 && $1 == "ProductCode" { $2 = code } 1' \
    >"$work/tables/Property.idt"
msiinfo export "$work/next.msi" Upgrade >"$work/tables/Upgrade" || fail "the MSI has no upgrade table"
awk -F '\t' -v OFS='\t' -v old="$version" -v new="$next_version" \
    'NR > 3 { if ($2 == old) $2 = new; if ($3 == old) $3 = new } 1' "$work/tables/Upgrade" >"$work/tables/Upgrade.idt"
msibuild "$work/next.msi" -i "$work/tables/Property.idt" -i "$work/tables/Upgrade.idt"
msibuild "$work/next.msi" -s "$product" "$maker" "x64;1033" "{$(new_uuid)}"
"$wine" msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i failed the second time"
"$wine" msiexec /i "$(windows_path "$work/next.msi")" /qn || fail "msiexec /i of the next version failed"
versions=$(apps_entry | value DisplayVersion)
[ "$versions" = "$next_version" ] || fail "after the next version, Apps & features shows versions: $versions"
[ -f "$folder/$program.exe" ] || fail "the next version is not installed"
"$wine" msiexec /x "$(windows_path "$work/next.msi")" /qn || fail "msiexec /x of the next version failed"
"$wineserver" -w
[ ! -e "$drive_c/Program Files/$maker" ] || fail "the next version's uninstall left $maker's folder"
echo "installer checks passed"
