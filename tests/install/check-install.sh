#!/usr/bin/env bash
# Installs the build into a temporary root and packs it as a .deb, checking what
# the desktop, software centres and dpkg get to see, then starts the packaged
# program until its entry window is on screen.
# Usage: check-install.sh BUILD_DIR PYTHON SPDX_SCHEMA APP_ID EXECUTABLE VERSION CAPTION ICON_SIZE...
set -euo pipefail
build=$1 python=$2 schema=$3 id=$4 program=$5 version=$6 caption=$7
icon_sizes=("${@:8}")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
root=$work/root/usr

# Exactly these files: no test program or stray file is ever installed.
expected=("bin/$program" "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
    "share/man/man1/$program.1" "share/doc/$program/copyright" "share/lintian/overrides/$program"
    "share/icons/hicolor/scalable/apps/$id.svg")
for size in "${icon_sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort) \
    || fail "the installed files are not the expected ones"

desktop=$root/share/applications/$id.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$wm_class" ] || fail "the desktop entry has no StartupWMClass"

metainfo=$root/share/metainfo/$id.metainfo.xml
report=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1) || fail "appstreamcli: $report"
! grep -qE '^ *[EW]: ' <<<"$report" || fail "appstreamcli: $report"
# What software centres show, beyond what the validator insists on.
for element in "<release version=\"$version\" date=" "<launchable type=\"desktop-id\">$id.desktop<" \
    "<content_rating type=\"oars-" "<url type=\"homepage\">" "<screenshot type=\"default\">"; do
    grep -qF "$element" "$metainfo" || fail "the metainfo lacks $element"
done

for size in "${icon_sizes[@]}"; do
    png=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
    # Signature, then the IHDR chunk's width and height as big-endian 32-bit numbers.
    read -r -a bytes <<<"$(od -An -tu1 -N24 -v "$png" | tr '\n' ' ')"
    [ "${bytes[*]:0:8}" = "137 80 78 71 13 10 26 10" ] || fail "$png is not a PNG"
    width=$(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19]))
    height=$(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))
    [ "${width}x${height}" = "${size}x${size}" ] || fail "$png is ${width}x${height}, not ${size}x${size}"
done

man_page=$root/share/man/man1/$program.1
for section in NAME SYNOPSIS DESCRIPTION FILES; do
    grep -qx "\.SH $section" "$man_page" || fail "the man page has no $section"
done
report=$(LC_ALL=C.UTF-8 man --warnings -l -Tutf8 "$man_page" 2>&1 >/dev/null) || fail "man: $report"
[ -z "$report" ] || fail "man: $report"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
debs=("$work/package/"*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "cpack did not make exactly one .deb"
fi
deb=${debs[0]}
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 xdg-utils; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# Its bill of materials lists it with its checksum and what it depends on.
mkdir "$work/release"
cp "$deb" "$work/release/"
sbom=$work/release/$(basename "${deb%.deb}").spdx.json
"$python" "$here/../../packaging/third_party.py" sbom "$build/packaging/linux/sbom-settings.txt" "$work/release" "$sbom"
(cd "$work/release" && sha256sum -- *.deb *.spdx.json >SHA256SUMS)
status=0
"$python" "$here/check-release.py" "$work/release" "$sbom" "$schema" || status=$?
# 77: all but the schema checked, which is not at hand.
[ "$status" -eq 0 ] || [ "$status" -eq 77 ] || fail "the package's bill of materials"
# Nothing at all, down to lintian's pedantic tags, but what the package's own
# overrides explain.
# A coverage build, made without the optimiser, is never shipped: fortification
# works only through the optimiser, so that build has no fortified call to find.
unoptimised=()
[ -z "${ORVANE_UNOPTIMISED:-}" ] || unoptimised=(--suppress-tags hardening-no-fortify-functions)
report=$(lintian --display-info --pedantic --fail-on error,warning,info,pedantic "${unoptimised[@]}" "$deb" 2>&1) \
    || fail "lintian: $report"
# The program as Debian hardens its own. Debian 12's build flags give no
# control-flow protection; fortification is among them, but the program makes
# no C library call whose buffer size the compiler knows, so it leaves no mark
# in the program to find.
report=$(hardening-check --nocfprotection --nofortify "$build/$program" 2>&1) || fail "hardening-check: $report"

# Without dpkg-shlibdeps the package would depend on no Qt library, and CPack's
# own stop without file names no package: packing stops and says what to install.
for present_and_wanted in "file dpkg-dev" "dpkg-shlibdeps file"; do
    read -r present wanted <<<"$present_and_wanted"
    rm -rf "$work/tools" && mkdir "$work/tools"
    ln -s "$(command -v cpack)" "$(command -v "$present")" "$work/tools/"
    if report=$(PATH=$work/tools cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/unpackable" 2>&1); then
        fail "cpack made a package with only $present of dpkg-shlibdeps and file"
    fi
    grep -qx " *sudo apt-get install $wanted" <<<"$report" || fail "cpack did not say to install $wanted: $report"
done

dpkg -x "$deb" "$work/unpacked"
[ -f "$work/unpacked/usr/share/applications/$id.desktop" ] || fail "the package has no desktop entry"
xvfb-run -a -s '-screen 0 1024x768x24' \
    bash "$here/show-window.sh" "$work/unpacked/usr/bin/$program" "$caption" "$wm_class" \
    || fail "the packaged program did not show its entry window"
echo "install checks passed"
