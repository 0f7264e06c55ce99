#!/usr/bin/env python3
"""Checks the third-party review and the notices it makes: every part found
has its notice and licence texts, every notice and text is of a part found,
and the review fails when a part it may not ship, or one nobody reviewed,
is linked in.

Usage: check-third-party.py TOOL MAP QT QT_DEBIAN_VERSION REVIEWED ATTRIBUTIONS PARTS NOTICES
"""

import json
import pathlib
import shutil
import subprocess
import sys
import tempfile


def fail(message):
    sys.exit(f"FAIL: {message}")


def review(tool, map_file, qt, debian_version, reviewed, attributions, out):
    return subprocess.run([sys.executable, tool, "parts", map_file, qt, debian_version, reviewed, attributions, out],
                          capture_output=True, text=True)


def main(tool, map_file, qt, debian_version, reviewed, attributions, parts_file, notices):
    parts = json.loads(pathlib.Path(parts_file).read_text(encoding="utf-8"))
    notices = pathlib.Path(notices)
    text = (notices / "THIRD-PARTY-NOTICES.txt").read_text(encoding="utf-8")
    ids = {part["id"] for part in parts}
    for needed in ("qt", "freetype", "harfbuzz-ng", "pcre2", "zlib", "libpng", "mingw-w64-crt", "gcc-runtime"):
        if needed not in ids:
            fail(f"the review found no {needed} in the program")

    # One block a part, headed by its name and version, naming its texts.
    blocks = text.split("-" * 76 + "\n")[1:]
    if len(blocks) != len(parts):
        fail(f"{len(blocks)} notices for {len(parts)} parts")
    for part, block in zip(parts, blocks):
        heading = f"{part['name']} {part['version']}".strip()
        if not block.startswith(heading + "\n"):
            fail(f"the notice of {part['id']} does not begin with {heading!r}")
        if part["licence"] not in block or (part["copyright"] and part["copyright"] not in block):
            fail(f"the notice of {part['id']} lacks its licence or copyright")
    # FreeType's licence asks for its credit in the documentation.
    if "This software is based in part on the work of the FreeType Team." not in text:
        fail("the notices do not give FreeType's credit")
    shipped = {path.name for path in (notices / "licenses").iterdir()}
    named = {f"{part['id']}-{pathlib.Path(path).stem}.txt" for part in parts for path in part["licence files"]}
    if shipped != named:
        fail(f"licence texts of no part: {sorted(shipped - named)}; parts without their texts: {sorted(named - shipped)}")
    for name in named:
        if (notices / "licenses" / name).stat().st_size == 0:
            fail(f"licenses/{name} is empty")

    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        # The MIME database is GPL-only: a Qt that builds it in does not pass.
        fake_qt = work / "qt"
        shutil.copytree(pathlib.Path(qt) / "mkspecs", fake_qt / "mkspecs")
        (fake_qt / "share").mkdir()
        (fake_qt / "share" / "attributions").symlink_to(pathlib.Path(qt) / "share" / "attributions")
        pri = fake_qt / "mkspecs" / "modules" / "qt_lib_core_private.pri"
        pri.write_text(pri.read_text(encoding="utf-8").replace("enabled_features =", "enabled_features = mimetype-database", 1),
                       encoding="utf-8")
        result = review(tool, map_file, fake_qt, debian_version, reviewed, attributions, work / "parts.json")
        if result.returncode == 0 or "GPL-2.0-or-later" not in result.stderr:
            fail(f"a Qt with the MIME database passed the review: {result.stderr}")
        # A library nobody reviewed does not pass either.
        planted = work / "program.map"
        planted.write_text(pathlib.Path(map_file).read_text(encoding="utf-8")
                           + "/usr/lib/libplanted.a(planted.o)\n                              main.cpp.obj (planted)\n",
                           encoding="utf-8")
        result = review(tool, planted, qt, debian_version, reviewed, attributions, work / "parts.json")
        if result.returncode == 0 or "libplanted.a is linked in, and no reviewed part covers it" not in result.stderr:
            fail(f"an unreviewed library passed the review: {result.stderr}")
    print(f"third-party checks passed: {len(parts)} parts, each with its notice and licence texts")


if __name__ == "__main__":
    if len(sys.argv) != 9:
        sys.exit(__doc__)
    main(*sys.argv[1:])
