#!/usr/bin/env python3
"""Rewrite a zip so that its bytes depend on the files it holds alone.

  stablezip.py ZIP

The entries keep their names and contents. They are written in name order,
each with the time SOURCE_DATE_EPOCH (in UTC; without it, or before 1980, the
earliest time a zip holds: 1980-01-01 00:00), mode 755 for folders and
programs and 644 for the rest, and no extra fields: no owner, no time zone and
no time of the machine that made the zip.
"""
import os
import sys
import time
import zipfile

EARLIEST = 315532800  # 1980-01-01 00:00:00 UTC


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: stablezip.py ZIP")
    path = sys.argv[1]
    epoch = max(int(os.environ.get("SOURCE_DATE_EPOCH") or 0), EARLIEST)
    stamp = time.gmtime(epoch)[:6]
    with zipfile.ZipFile(path) as old:
        entries = [(info, old.read(info)) for info in old.infolist()]
    entries.sort(key=lambda entry: entry[0].filename)
    with zipfile.ZipFile(path + ".tmp", "w") as new:
        for info, data in entries:
            mode = info.external_attr >> 16
            out = zipfile.ZipInfo(info.filename, stamp)
            out.create_system = 3  # Unix, so that the modes below count
            if info.is_dir():
                out.external_attr = (0o40755 << 16) | 0x10  # MS-DOS folder bit
            else:
                out.external_attr = (0o100755 if mode & 0o100 else 0o100644) << 16
                out.compress_type = zipfile.ZIP_DEFLATED
            new.writestr(out, data, compresslevel=9)
    os.replace(path + ".tmp", path)


if __name__ == "__main__":
    main()
