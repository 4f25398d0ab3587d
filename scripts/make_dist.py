#!/usr/bin/env python3
"""Packs the release archive: Kadermeister.exe and Liesmich.txt, nothing else.

make_dist.py PROGRAM VERSION README ARCHIVE [--check]
With --check the archive is read back and must hold exactly those two files, the program
byte for byte.
"""
import sys
import zipfile
from pathlib import Path


def main():
    program, version, readme, archive = sys.argv[1:5]
    check = "--check" in sys.argv[5:]
    # Windows users open it with Notepad: CRLF line ends, and a BOM so the umlauts show.
    text = Path(readme).read_text(encoding="utf-8").replace("@VERSION@", version)
    text = "\ufeff" + text.replace("\r\n", "\n").replace("\n", "\r\n")
    Path(archive).parent.mkdir(parents=True, exist_ok=True)
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as zip_file:
        zip_file.write(program, "Kadermeister.exe")
        zip_file.writestr("Liesmich.txt", text.encode("utf-8"))
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
