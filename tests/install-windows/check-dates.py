#!/usr/bin/env python3
"""Fails when the program records when or where it was made: a gzip stream
(gzip keeps a time), a zlib stream other than a PNG's image data or a Qt
resource's compressed data, a date or time of day as the compiler's __DATE__
and __TIME__ or ISO 8601 write it, anywhere or inside a zlib stream, or a
header time other than the source date.

Usage: check-dates.py OBJDUMP EXE SOURCE_DATE_EPOCH
"""

import os
import re
import subprocess
import sys
import zlib

CHUNK = 4096


def whole_stream(data, start, wbits):
    """What a whole, checksummed stream of that kind that starts there holds, or None."""
    stream = zlib.decompressobj(wbits)
    position = start
    held = []
    try:
        while not stream.eof and position < len(data):
            held.append(stream.decompress(data[position:position + CHUNK], 1 << 24))
            position += CHUNK
    except zlib.error:
        return None
    return b"".join(held) if stream.eof else None


def framed(data, start, length):
    """True when the stream is a PNG's image data, or a compressed Qt
    resource: its size, then the size it unpacks to, both big-endian."""
    if data[start - 4:start] == b"IDAT":
        return True
    size = int.from_bytes(data[start - 8:start - 4], "big")
    return size > 4 and int.from_bytes(data[start - 4:start], "big") == length


def streams(data):
    """Each gzip and zlib stream: where it starts, what it is, whether the
    program may hold it, and what it holds."""
    for found in re.finditer(rb"\x1f\x8b\x08", data):
        held = whole_stream(data, found.start(), 16 + zlib.MAX_WBITS)
        if held is not None:
            yield found.start(), "a gzip stream", False, held
    # A zlib header: deflate with a window of at most 32 KiB, no preset
    # dictionary, and its check bits right.
    for found in re.finditer(rb"[\x08\x18\x28\x38\x48\x58\x68\x78][\x00-\x1f\x40-\x5f\x80-\x9f\xc0-\xdf]", data):
        first, second = found.group()
        if (first << 8 | second) % 31 == 0:
            held = whole_stream(data, found.start(), zlib.MAX_WBITS)
            if held is not None:
                yield found.start(), "a zlib stream", framed(data, found.start(), len(held)), held


MONTHS = rb"(?:Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)"
DATES = [
    (rb"\b" + MONTHS + rb" [ 0-3][0-9] (?:19|20)[0-9]{2}\b", "a date as __DATE__ writes it"),
    (rb"\b[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\b", "a time of day as __TIME__ writes it"),
    (rb"\b(?:19|20)[0-9]{2}-[01][0-9]-[0-3][0-9]\b", "an ISO 8601 date"),
]
# Dates that are a part's own, the same whenever the program is built.
RELEASE_DATES = {b"10.40 2022-04-14": "PCRE2's version and release date"}


def dates(data):
    for text in (data, data.decode("utf-16-le", "replace").encode("ascii", "replace")):
        for release in RELEASE_DATES:
            text = text.replace(release, b"")
        for pattern, what in DATES:
            for found in re.finditer(pattern, text):
                yield f"{what}: {found.group().decode()}"


def records(data, where="the program"):
    for offset, what, allowed, held in streams(data):
        if not allowed:
            yield f"{what} at offset {offset:#x} of {where}"
        yield from records(held, f"{what} at offset {offset:#x}")
    yield from (f"{found} in {where}" for found in dates(data))


def main(objdump, exe, source_date):
    # objdump and date write times in the local zone.
    os.environ["TZ"] = "UTC"
    data = open(exe, "rb").read()
    problems = list(records(data))
    header = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    stamp = re.search(r"^Time/Date\s+(.*)$", header, re.MULTILINE)
    expected = subprocess.run(["date", "-d", f"@{source_date}", "+%a %b %e %H:%M:%S %Y"],
                              check=True, capture_output=True, text=True).stdout.strip()
    if not stamp or " ".join(stamp[1].split()) != " ".join(expected.split()):
        problems.append(f"the header's time is {stamp[1] if stamp else 'missing'}, not the source date {expected}")
    if problems:
        sys.exit(f"FAIL: {exe} records when it was made:\n  " + "\n  ".join(problems))
    print("no date, time or compressed stream in the program")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
