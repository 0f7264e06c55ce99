#!/usr/bin/env python3
"""The third-party parts inside the program, and the bill of materials.

  parts MAP QT QT_DEBIAN_VERSION REVIEWED ATTRIBUTIONS OUT
      Finds the parts the linker took in, from its map, Qt's enabled features
      and Qt's attribution records (the scanner's JSON), against the project's
      reviewed list; fails on a part or library nobody reviewed, and on a part
      whose licence the project may not ship. Writes the parts found as JSON.
  notices PARTS TERMS SOURCE_OFFER OUT
      Writes THIRD-PARTY-NOTICES.txt and licenses/ for those parts into OUT.
  sbom SETTINGS FOLDER OUT
      Writes the bill of materials of the deliverables in FOLDER, an SPDX 2.3
      JSON document, from the settings the build wrote: the deliverables, what
      each contains, the parts and the product's facts. A Debian package's
      dependencies, as it states them, are listed as what it depends on.
"""

import datetime
import fnmatch
import hashlib
import json
import pathlib
import re
import subprocess
import sys


def fail(message):
    sys.exit(f"third_party: {message}")


def linked_files(map_file):
    """The archives and members the linker took in, as "libX.a(member)" and
    "libX.a", and the object files named on the link line, by file name."""
    linked = set()
    member = re.compile(r"^(\S+\.a)\(([^)]+)\)")
    loaded = re.compile(r"^LOAD (\S+)$")
    for line in map_file.read_text(encoding="utf-8", errors="replace").splitlines():
        found = member.match(line)
        if found:
            archive = pathlib.PurePath(found[1]).name
            linked.update({archive, f"{archive}({found[2]})"})
            continue
        found = loaded.match(line)
        if found and found[1].endswith((".o", ".obj")):
            linked.add(pathlib.PurePath(found[1]).name)
    return linked


def enabled_features(qt):
    """Every feature the Qt build enabled, by the name its modules record."""
    features = set()
    for pri in sorted((qt / "mkspecs" / "modules").glob("qt_lib_*.pri")):
        for line in pri.read_text(encoding="utf-8").splitlines():
            name, _, value = line.partition("=")
            if name.strip().endswith(".enabled_features"):
                features.update(value.split())
    return features


def found_by(evidence, linked, features):
    """The first piece of evidence that holds, or None."""
    for clue in evidence:
        if clue.startswith("feature:"):
            if clue.removeprefix("feature:") in features:
                return clue
        elif any(fnmatch.fnmatchcase(name, clue) for name in linked):
            return clue
    return None


def licence_ids(expression):
    """The licences an SPDX expression names, an exception with its licence."""
    expression = re.sub(r"\s+WITH\s+", " WITH ", expression.strip())
    return {name for name in re.split(r"\s+(?:AND|OR|and|or)\s+|[()]", expression) if name.strip()}


def package_version(package):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                          check=True, capture_output=True, text=True).stdout


def parts(map_file, qt, debian_version, reviewed_file, attributions_file, out):
    reviewed = json.loads(reviewed_file.read_text(encoding="utf-8"))
    allowed = set(reviewed["licences"])
    linked = linked_files(map_file)
    features = enabled_features(qt)
    records = {record["Id"]: record for record in json.loads(attributions_file.read_text(encoding="utf-8"))}
    problems = []
    found = []
    qt_version = debian_version.split("+")[0]
    qt_origin = f"Qt {qt_version}, from Debian's qt6-base {debian_version} source package"

    def take(part, clue):
        if not set(licence_ids(part["licence"])) <= allowed:
            problems.append(f"{part['name']} is linked ({clue}) under {part['licence']}, "
                            "which is not on the list of licences the program may ship")
        found.append(part)

    qt_review = reviewed["qt"]
    for unreviewed in sorted(records.keys() - qt_review.keys()):
        problems.append(f"Qt's attribution record {unreviewed} is not in the reviewed list")
    for record_id, review in qt_review.items():
        record = records.get(record_id)
        if record is None:
            problems.append(f"the reviewed Qt part {record_id} has no attribution record in this Qt")
            continue
        clue = found_by(review["linked when"], linked, features)
        if clue is None:
            continue
        # The licence chosen must be one the record offers; a record that
        # names no SPDX licence must say what the review read in it.
        stated = record["LicenseId"] or record["License"]
        if "record says" in review:
            if stated != review["record says"]:
                problems.append(f"{record_id}: the record now says {stated!r}, not {review['record says']!r}")
        elif not licence_ids(review["licence"]) <= licence_ids(stated):
            problems.append(f"{record_id}: the record offers {stated!r}, not {review['licence']}")
        files = [record["LicenseFile"]] if record["LicenseFile"] else record.get("LicenseFiles") or []
        take({"id": record_id, "name": record["Name"], "version": record["Version"],
              "licence": review["licence"], "copyright": record["Copyright"],
              "homepage": record["Homepage"], "usage": record["QtUsage"], "credit": review.get("credit", ""),
              "origin": f"{qt_origin} ({record['Path'].split('/share/attributions/')[-1]})",
              "licence files": files + [str(qt / "share" / "attributions" / name)
                                        for name in review.get("licence from", [])]}, clue)

    for part in reviewed["parts"]:
        clue = found_by(part["linked when"], linked, features)
        if clue is None:
            continue
        version = package_version(part["package"]) if "package" in part else qt_version
        # Qt's own licences come with its attribution records, a Debian
        # package's in its copyright file.
        files = [str(qt / "share" / "attributions" / name) for name in part.get("licence from", [])]
        files += [f"/usr/share/doc/{part['package']}/copyright"] if "package" in part else []
        take({"id": part["id"], "name": part["name"], "version": version, "licence": part["licence"],
              "copyright": part["copyright"], "homepage": part["homepage"], "usage": part["usage"],
              "credit": part.get("credit", ""),
              "origin": f"Debian's {part['package']} {version}" if "package" in part else qt_origin,
              "licence files": files}, clue)

    # Every library the linker took in is accounted for.
    covered = [clue for part in reviewed["parts"] for clue in part["linked when"] + part.get("covers", [])]
    covered += [clue for review in qt_review.values() for clue in review["linked when"]]
    covered += reviewed["own"]
    for archive in sorted(name for name in linked if name.endswith(".a")):
        if not any(fnmatch.fnmatchcase(archive, clue.split("(")[0]) for clue in covered):
            problems.append(f"{archive} is linked in, and no reviewed part covers it")

    if problems:
        fail("\n  ".join(["the program's third-party parts do not pass review:"] + problems))
    found.sort(key=lambda part: part["id"])
    out.write_text(json.dumps(found, indent=1, ensure_ascii=False) + "\n", encoding="utf-8")
    for part in found:
        print(f"{part['id']}: {part['licence']}")


def notices(parts_file, terms_file, source_offer, out):
    found = json.loads(parts_file.read_text(encoding="utf-8"))
    licences = out / "licenses"
    licences.mkdir(parents=True, exist_ok=True)
    lines = [
        "Third-party notices",
        "",
        "The program contains the parts below, each under its own licence; the",
        "full text of every licence is in the folder licenses beside this file.",
        "",
        terms_file.read_text(encoding="utf-8").strip(),
        "",
        source_offer.read_text(encoding="utf-8").strip(),
        "",
    ]
    for part in found:
        names = []
        for path in part["licence files"]:
            name = f"{part['id']}-{pathlib.Path(path).stem}.txt"
            text = pathlib.Path(path).read_text(encoding="utf-8", errors="replace")
            (licences / name).write_text(text, encoding="utf-8", newline="\r\n")
            names.append(f"licenses/{name}")
        version = f" {part['version']}" if part["version"] else ""
        texts = ", ".join(names) or "the statement below"
        lines += [
            "-" * 76,
            f"{part['name']}{version}",
            f"Licence: {part['licence']}; text: {texts}",
            f"From: {part['origin']}",
        ]
        if part["homepage"]:
            lines.append(f"Home page: {part['homepage']}")
        lines += [part["usage"], ""] + ([part["credit"], ""] if part["credit"] else []) + [part["copyright"], ""]
    (out / "THIRD-PARTY-NOTICES.txt").write_text("\n".join(lines), encoding="utf-8", newline="\r\n")


def spdx_id(*words):
    return "SPDXRef-" + "-".join(re.sub(r"[^A-Za-z0-9.-]+", ".", word).strip(".") for word in words)


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def read_settings(settings_file):
    """NAME=VALUE lines; the deliverables' lines are FILE|WHAT|VERSION|LICENCE|yes or no."""
    settings = {"deliverables": []}
    for line in settings_file.read_text(encoding="utf-8").splitlines():
        name, _, value = line.partition("=")
        if name == "deliverable":
            file, what, version, licence, contains = value.split("|")
            settings["deliverables"].append({"file": file, "what": what, "version": version, "licence": licence,
                                             "contains program": contains == "yes"})
        elif name:
            settings[name] = value
    return settings


def debian_dependencies(deb):
    depends = subprocess.run(["dpkg-deb", "-f", deb, "Depends"], check=True, capture_output=True, text=True).stdout
    return [dependency.strip() for dependency in depends.split(",") if dependency.strip()]


def sbom(settings_file, folder, out):
    settings = read_settings(settings_file)
    found = json.loads(pathlib.Path(settings["parts"]).read_text(encoding="utf-8")) if "parts" in settings else []
    terms = pathlib.Path(settings["terms"]).read_text(encoding="utf-8").strip()
    supplier = f"Organization: {settings['maker']}"
    packages, relationships, licence_texts = [], [], {settings["licence"]: terms}

    def package(identifier, name, licence, copyright_text, **fields):
        packages.append({"SPDXID": identifier, "name": name, "downloadLocation": "NOASSERTION",
                         "filesAnalyzed": False, "licenseConcluded": licence, "licenseDeclared": licence,
                         "copyrightText": copyright_text, **fields})

    program = spdx_id("Program")
    package(program, settings["program"], settings["licence"], f"Copyright {settings['copyright']}",
            versionInfo=settings["version"], supplier=supplier, homepage=settings["home page"])
    for part in found:
        identifier = spdx_id("Part", part["id"])
        extra = {"versionInfo": part["version"]} if part["version"] else {}
        if part["homepage"].startswith(("http://", "https://")):
            extra["homepage"] = part["homepage"]
        package(identifier, part["name"], part["licence"], part["copyright"] or "NOASSERTION",
                sourceInfo=part["origin"], comment=part["usage"], **extra)
        relationships.append((program, "CONTAINS", identifier))
        for licence in licence_ids(part["licence"]):
            if licence.startswith("LicenseRef-"):
                licence_texts[licence] = (pathlib.Path(part["licence files"][0]).read_text(encoding="utf-8")
                                          if part["licence files"] else part["copyright"])

    described = []
    for deliverable in settings["deliverables"]:
        path = folder / deliverable["file"]
        identifier = spdx_id("File", path.name)
        described.append(identifier)
        package(identifier, path.name, deliverable["licence"], "NOASSERTION",
                packageFileName=path.name, versionInfo=deliverable["version"], supplier=supplier,
                checksums=[{"algorithm": "SHA256", "checksumValue": sha256(path)}],
                comment=deliverable["what"])
        if deliverable["contains program"]:
            relationships.append((identifier, "CONTAINS", program))
        if path.suffix == ".deb":
            for dependency in debian_dependencies(path):
                name, _, version = dependency.partition(" ")
                needed = spdx_id("Debian", name)
                package(needed, name, "NOASSERTION", "NOASSERTION", versionInfo=version.strip("()") or "NOASSERTION",
                        supplier="Organization: Debian", comment="Not inside: a Debian package this one depends on")
                relationships.append((identifier, "DEPENDS_ON", needed))

    checksums = sorted(package["checksums"][0]["checksumValue"] for package in packages if "checksums" in package)
    content = hashlib.sha256(" ".join(checksums).encode()).hexdigest()
    created = datetime.datetime.fromtimestamp(int(settings["source date"]), datetime.timezone.utc)
    document = {
        "spdxVersion": "SPDX-2.3",
        "dataLicense": "CC0-1.0",
        "SPDXID": "SPDXRef-DOCUMENT",
        "name": settings["name"],
        "documentNamespace": f"{settings['namespace']}/{settings['name']}-{content}",
        "creationInfo": {"created": created.strftime("%Y-%m-%dT%H:%M:%SZ"),
                         "creators": [supplier, "Tool: third_party.py"]},
        "documentDescribes": described,
        "packages": packages,
        "relationships": [{"spdxElementId": "SPDXRef-DOCUMENT", "relationshipType": "DESCRIBES",
                           "relatedSpdxElement": identifier} for identifier in described]
                         + [{"spdxElementId": element, "relationshipType": kind, "relatedSpdxElement": related}
                            for element, kind, related in relationships],
        "hasExtractedLicensingInfos": [{"licenseId": licence, "extractedText": text}
                                       for licence, text in sorted(licence_texts.items())],
    }
    out.write_text(json.dumps(document, indent=1, ensure_ascii=False) + "\n", encoding="utf-8")


def main(arguments):
    if len(arguments) == 7 and arguments[0] == "parts":
        map_file, qt, debian_version, reviewed, attributions, out = arguments[1:]
        parts(pathlib.Path(map_file), pathlib.Path(qt), debian_version, pathlib.Path(reviewed),
              pathlib.Path(attributions), pathlib.Path(out))
    elif len(arguments) == 4 and arguments[0] == "sbom":
        sbom(*(pathlib.Path(argument) for argument in arguments[1:]))
    elif len(arguments) == 5 and arguments[0] == "notices":
        notices(*(pathlib.Path(argument) for argument in arguments[1:]))
    else:
        fail(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
