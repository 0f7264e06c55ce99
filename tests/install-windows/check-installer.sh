#!/usr/bin/env bash
# In a Wine prefix of its own, on an X server of its own with a window manager:
# starts the portable copy and finds nothing of it outside its folder; then
# installs the MSI, uses the installed program as a user would, and
# uninstalls it; then installs the same version rebuilt, a later version and
# an earlier one, which is refused, and finds the user's setting kept by all.
# Usage: check-installer.sh WINE MSI ZIP MAKER PRODUCT PROGRAM VERSION HOST
set -euo pipefail
wine=$1 msi=$2 zip=$3 maker=$4 product=$5 program=$6 version=$7 host=$8
settings_key="HKCU\\Software\\$maker\\$product\\Settings"
caption="$product v$version"
pages="http://$host/orvane-free-birthday-number/ssd.php?page="
wineserver=${wine%/*}/wineserver64
uninstall_root='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

work=$(mktemp -d)
xvfb='' wm='' second='' portable=''
export HOME=$work/home WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko to offer, and no menu entries on the real user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
cleanup() {
    [ -z "$second" ] || kill "$second" 2>/dev/null || true
    [ -z "$portable" ] || kill "$portable" 2>/dev/null || true
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
    # shellcheck disable=SC2001 # a bracket expression says best which characters are escaped
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
DISPLAY=:$(cat "$work/display")
export DISPLAY
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
wait_for 20 bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
# The pointer stays off the reading, whose mouse events empty the clipboard.
xdotool mousemove 0 0

"$wine" wineboot -i >/dev/null 2>&1 || fail "wineboot failed"
"$wineserver" -w
drive_c=$WINEPREFIX/drive_c

# The portable copy keeps its setting in its own folder and writes nothing to
# the registry, where nothing of the program or its maker may then be found.
mkdir "$work/portable"
(cd "$work/portable" && unzip -q "$zip")
portable_folder=$(find "$work/portable" -name "$program.exe" -printf '%h\n')
[ -f "$portable_folder/.portable" ] || fail "the zip has no .portable marker beside $program.exe"
# The notices travel with the program, in the zip and the MSI alike.
has_notices() {
    [ -s "$1/THIRD-PARTY-NOTICES.txt" ] && [ -s "$1/licenses/qt-LGPL-3.0-only.txt" ]
}
has_notices "$portable_folder" || fail "the zip has no third-party notices and licences beside $program.exe"
"$wine" "$(windows_path "$portable_folder/$program.exe")" >/dev/null 2>&1 &
portable=$!
wait_for 120 one_window_titled "$caption" || fail "the portable copy showed no window \"$caption\" within 120 s"
ini=$portable_folder/config/$program.ini
wait_for 30 grep -q '=' "$ini" 2>/dev/null || fail "the portable copy kept no setting in $ini"
"$wineserver" -k
"$wineserver" -w
portable=
for key in "HKCU\\Software\\$maker" "HKCU\\Software\\$program" "HKLM\\Software\\$maker"; do
    # reg says on standard output that a key is missing, and fails.
    ! "$wine" reg query "$key" >/dev/null 2>&1 || fail "the portable copy left $key in the registry"
done
before=$(cd "$drive_c" && find . | sort)

"$wine" msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i failed"
folder="$drive_c/Program Files/$maker/$product"
[ -f "$folder/$program.exe" ] || fail "$program.exe is not in $folder"
has_notices "$folder" || fail "the MSI installed no third-party notices and licences in $folder"
shortcut=$(find "$drive_c" -name "$product.lnk" -print -quit)
[ -n "$shortcut" ] || fail "no Start-menu shortcut $product.lnk"
entry=$(apps_entry)
[ -n "$entry" ] || fail "no Apps & features entry named $product"
[ "$(value DisplayVersion <<<"$entry")" = "$version" ] || fail "Apps & features shows another version: $entry"
[ "$(value Publisher <<<"$entry")" = "$maker" ] || fail "Apps & features shows another publisher: $entry"
[ "$(value URLInfoAbout <<<"$entry")" = "${pages}home-page" ] || fail "Apps & features links elsewhere: $entry"
icon=$(registry 'HKCR\Installer\Products' /s | value ProductIcon)
if [ -z "$icon" ] || [ ! -f "$drive_c/$(sed 's/^C://; s/\\/\//g' <<<"$icon")" ]; then
    fail "Apps & features has no icon"
fi

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

# Another build of the product: the same MSI as a build of other content, or
# of another version, makes it, with new product and package codes, and its
# upgrade rows around its version.
new_uuid() {
    tr '[:lower:]' '[:upper:]' </proc/sys/kernel/random/uuid
}
another_build() {
    local new_version=$1 out=$2 tables
    tables=$(mktemp -d -p "$work")
    cp "$msi" "$out"
    msiinfo export "$out" Property | awk -F '\t' -v OFS='\t' -v version="$new_version" -v code="{$(new_uuid)}" \
        'NR > 3 && $1 == "ProductVersion" { $2 = version } NR > 3 && $1 == "ProductCode" { $2 = code } 1' \
        >"$tables/Property.idt"
    msiinfo export "$out" Upgrade >"$tables/Upgrade" || fail "the MSI has no upgrade table"
    awk -F '\t' -v OFS='\t' -v old="$version" -v new="$new_version" \
        'NR > 3 { if ($2 == old) $2 = new; if ($3 == old) $3 = new } 1' "$tables/Upgrade" >"$tables/Upgrade.idt"
    msibuild "$out" -i "$tables/Property.idt" -i "$tables/Upgrade.idt"
    msibuild "$out" -s "$product $new_version" "$maker" "x64;1033" "{$(new_uuid)}"
}
installed_versions() {
    apps_entry | value DisplayVersion | tr '\n' ' ' | sed 's/ $//'
}

"$wine" msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i failed the second time"
# The same version built again replaces the one installed.
another_build "$version" "$work/rebuilt.msi"
"$wine" msiexec /i "$(windows_path "$work/rebuilt.msi")" /qn || fail "msiexec /i of the same version rebuilt failed"
[ "$(installed_versions)" = "$version" ] || fail "after the same version rebuilt, Apps & features shows: $(installed_versions)"
has_setting || fail "installing the same version again took the user's setting"
# A later version replaces it.
next_version=$version.1
another_build "$next_version" "$work/next.msi"
"$wine" msiexec /i "$(windows_path "$work/next.msi")" /qn || fail "msiexec /i of the next version failed"
[ "$(installed_versions)" = "$next_version" ] || fail "after the next version, Apps & features shows: $(installed_versions)"
[ -f "$folder/$program.exe" ] || fail "the next version is not installed"
has_setting || fail "the next version took the user's setting"
# An earlier one is refused (ERROR_INSTALL_FAILURE), by the launch condition
# that says why; Wine's quiet install neither shows nor logs that text.
status=0
"$wine" msiexec /i "$(windows_path "$msi")" /qn || status=$?
# Wine hands on the low byte of the status, as Unix keeps it.
[ "$status" -eq $((1603 % 256)) ] || fail "installing an earlier version over a later one ended with $status, not 1603"
msiinfo export "$msi" LaunchCondition | tr -d "\r" | grep -qxF "NOT WIX_DOWNGRADE_DETECTED	A newer version of [ProductName] is already installed." \
    || fail "the MSI has no launch condition that refuses a downgrade with its reason"
[ "$(installed_versions)" = "$next_version" ] || fail "after the refused downgrade, Apps & features shows: $(installed_versions)"
has_setting || fail "the refused downgrade took the user's setting"
"$wine" msiexec /x "$(windows_path "$work/next.msi")" /qn || fail "msiexec /x of the next version failed"
"$wineserver" -w
[ ! -e "$drive_c/Program Files/$maker" ] || fail "the next version's uninstall left $maker's folder"
echo "installer checks passed"
