#!/usr/bin/env python3
"""Packs the release archive: Kadermeister.exe and Liesmich.txt, nothing else.

make_dist.py PROGRAM VERSION README ARCHIVE [--check]
With --check the archive is read back and must hold exactly those two files, the program
byte for byte.

The archive is the same byte for byte wherever and whenever it is packed: the entries come in
a fixed order with fixed attributes, dated with the time of the commit they were built from
(SOURCE_DATE_EPOCH when set, else the last commit of the source tree, else 1 January 1980).
"""
import os
import subprocess
import sys
import time
import zipfile
from pathlib import Path

# The earliest time a zip entry can carry.
ZIP_EPOCH = 315532800


def source_date_epoch(source=Path(__file__).resolve().parent.parent):
    """Seconds since 1970 of the commit the release is built from, as reproducible builds take it."""
    if os.environ.get("SOURCE_DATE_EPOCH", "").isdigit():
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        commit = subprocess.run(["git", "-C", str(source), "log", "-1", "--format=%ct"], stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, check=True, text=True).stdout.strip()
        return int(commit)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return ZIP_EPOCH


def add_entry(zip_file, name, data, epoch):
    entry = zipfile.ZipInfo(name, time.gmtime(max(epoch, ZIP_EPOCH))[:6])
    entry.compress_type = zipfile.ZIP_DEFLATED
    entry.create_system = 0  # MS-DOS attributes, none set, whoever packs it
    entry.external_attr = 0
    zip_file.writestr(entry, data, compresslevel=9)


def main():
    program, version, readme, archive = sys.argv[1:5]
    check = "--check" in sys.argv[5:]
    # Windows users open it with Notepad: CRLF line ends, and a BOM so the umlauts show.
    text = Path(readme).read_text(encoding="utf-8").replace("@VERSION@", version)
    text = "\ufeff" + text.replace("\r\n", "\n").replace("\n", "\r\n")
    Path(archive).parent.mkdir(parents=True, exist_ok=True)
    epoch = source_date_epoch()
    with zipfile.ZipFile(archive, "w") as zip_file:
        add_entry(zip_file, "Kadermeister.exe", Path(program).read_bytes(), epoch)
        add_entry(zip_file, "Liesmich.txt", text.encode("utf-8"), epoch)
    if check:
        with zipfile.ZipFile(archive) as zip_file:
            names = sorted(zip_file.namelist())
            if names != ["Kadermeister.exe", "Liesmich.txt"]:
                sys.exit(f"unexpected contents: {names}")
            if zip_file.read("Kadermeister.exe") != Path(program).read_bytes():
                sys.exit("the program in the archive differs")
            if f"Kadermeister {version}".encode() not in zip_file.read("Liesmich.txt"):
                sys.exit("Liesmich.txt names no version")
    print(archive)


if __name__ == "__main__":
    main()
