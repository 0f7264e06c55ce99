#!/usr/bin/env python3
"""Checks a folder of deliverables: SHA256SUMS lists every file in it with its
checksum, the bill of materials validates against the SPDX 2.3 schema and
gives each deliverable's true checksum, and a Debian source package in it is
whole.

Usage: check-release.py RELEASE SBOM SCHEMA
Exits 77 (skipped) when the schema is not there to read.
"""

import hashlib
import json
import pathlib
import re
import sys


def fail(message):
    sys.exit(f"FAIL: {message}")


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def main(release, sbom, schema):
    release, sbom, schema = pathlib.Path(release), pathlib.Path(sbom), pathlib.Path(schema)
    sums = {}
    for line in (release / "SHA256SUMS").read_text(encoding="utf-8").splitlines():
        digest, name = line.split("  ", 1)
        sums[name] = digest
    present = {path.name for path in release.iterdir()} - {"SHA256SUMS"}
    if set(sums) != present:
        fail(f"SHA256SUMS lists {sorted(sums)}, the release holds {sorted(present)}")
    for name, digest in sums.items():
        if sha256(release / name) != digest:
            fail(f"SHA256SUMS gives {name} another checksum")

    # Debian's source description lists each of its files with its checksum.
    for dsc in sorted(name for name in present if name.endswith(".dsc")):
        text = (release / dsc).read_text(encoding="utf-8")
        listed = re.search(r"^Checksums-Sha256:\n((?: .*\n)+)", text, re.MULTILINE)
        for line in listed[1].splitlines():
            digest, _, name = line.split()
            if name not in present or sha256(release / name) != digest:
                fail(f"{name}, listed in {dsc}, is not in the release with its checksum")

    document = json.loads(sbom.read_text(encoding="utf-8"))
    files = {package["packageFileName"]: package["checksums"][0]["checksumValue"]
             for package in document["packages"] if "packageFileName" in package}
    if set(files) != present - {sbom.name}:
        fail(f"the bill of materials lists {sorted(files)}, the release holds {sorted(present - {sbom.name})}")
    for name, digest in files.items():
        if sha256(release / name) != digest:
            fail(f"the bill of materials gives {name} another checksum")
    if not schema.is_file():
        print(f"skipped: no SPDX schema at {schema}")
        sys.exit(77)
    import jsonschema
    try:
        jsonschema.validate(document, json.loads(schema.read_text(encoding="utf-8")))
    except jsonschema.ValidationError as error:
        fail(f"the bill of materials is not valid SPDX 2.3: {error.message}")
    print(f"release checks passed: {len(present)} files, the bill of materials valid SPDX 2.3")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
