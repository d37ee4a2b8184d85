#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on what goes in.

  package_zip.py ZIP EPOCH NAME=FILE...

Entries in the order given, each dated EPOCH (seconds, UTC) with fixed
attributes; entries named *.txt or LICENSE are text, written with Windows
line ends.
"""
import sys
import time
import zipfile


def main(arguments):
    if len(arguments) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    target, epoch, entries = arguments[0], int(arguments[1]), arguments[2:]
    date_time = time.gmtime(max(epoch, 315532800))[:6]  # zip dates start in 1980
    with zipfile.ZipFile(target, "w") as archive:
        for entry in entries:
            name, path = entry.split("=", 1)
            with open(path, "rb") as f:
                data = f.read()
            if name.endswith(".txt") or name.endswith("LICENSE"):
                data = data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
            info = zipfile.ZipInfo(name, date_time)
            info.create_system = 0  # MS-DOS attributes, as Windows writes them
            info.external_attr = 0x20  # archive
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
