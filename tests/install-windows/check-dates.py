#!/usr/bin/env python3
"""Fails when the program records when or where it was made: a gzip or zlib
stream (gzip keeps a time, and either may hide one), a date or time of day as
the compiler's __DATE__ and __TIME__ or ISO 8601 write it, or a header time
other than the source date.

Usage: check-dates.py OBJDUMP EXE SOURCE_DATE_EPOCH
"""

import os
import re
import subprocess
import sys
import zlib

CHUNK = 4096


def whole_stream(data, start, wbits):
    """True when a whole, checksummed stream of that kind starts there."""
    stream = zlib.decompressobj(wbits)
    position = start
    try:
        while not stream.eof and position < len(data):
            stream.decompress(data[position:position + CHUNK], 1 << 20)
            position += CHUNK
    except zlib.error:
        return False
    return stream.eof


def streams(data):
    for found in re.finditer(rb"\x1f\x8b\x08", data):
        if whole_stream(data, found.start(), 16 + zlib.MAX_WBITS):
            yield found.start(), "a gzip stream"
    # A zlib header: deflate with a window of at most 32 KiB, no preset
    # dictionary, and its check bits right.
    for found in re.finditer(rb"[\x08\x18\x28\x38\x48\x58\x68\x78][\x00-\x1f\x40-\x5f\x80-\x9f\xc0-\xdf]", data):
        first, second = found.group()
        if (first << 8 | second) % 31 == 0 and whole_stream(data, found.start(), zlib.MAX_WBITS):
            yield found.start(), "a zlib stream"


MONTHS = rb"(?:Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)"
DATES = [
    (rb"\b" + MONTHS + rb" [ 0-3][0-9] (?:19|20)[0-9]{2}\b", "a date as __DATE__ writes it"),
    (rb"\b[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\b", "a time of day as __TIME__ writes it"),
    (rb"\b(?:19|20)[0-9]{2}-[01][0-9]-[0-3][0-9]\b", "an ISO 8601 date"),
]


def main(objdump, exe, source_date):
    # objdump and date write times in the local zone.
    os.environ["TZ"] = "UTC"
    data = open(exe, "rb").read()
    problems = [f"{what} at offset {offset:#x}" for offset, what in streams(data)]
    for pattern, what in DATES:
        for text in (data, data.decode("utf-16-le", "replace").encode("ascii", "replace")):
            problems += [f"{what}: {found.group().decode()}" for found in re.finditer(pattern, text)]
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
