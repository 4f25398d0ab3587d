#!/usr/bin/env python3
"""Builds the release program a second time elsewhere and compares what a user would compare.

reproduce_release.py build SOURCE FOLDER [-DNAME=VALUE ...]
    copies the source tree into FOLDER/source (changed files only) and builds Kadermeister.exe in
    FOLDER/build with the same toolchain and cache values: another path, another time.
reproduce_release.py compare SOURCE PROGRAM FOLDER VERSION
    packs PROGRAM and FOLDER's program, each with its own tree's scripts and a few seconds
    apart, and fails unless the two programs, the two archives and the first three lines of the
    two version files are the same bytes.
"""
import filecmp
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from make_dist import source_date_epoch  # noqa: E402

PARTS = ["CMakeLists.txt", "Makefile", "cmake", "resources", "scripts", "src", "tests", "tools"]


def tracked_files(source):
    """The files of the tree as git sees it (untracked ones too, ignored ones not); else PARTS."""
    try:
        listed = subprocess.run(["git", "-C", str(source), "ls-files", "-z", "--cached", "--others",
                                 "--exclude-standard"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                check=True).stdout
        return [name for name in listed.decode().split("\0") if name and Path(source, name).is_file()]
    except (OSError, subprocess.CalledProcessError):
        return [str(path.relative_to(source)) for part in PARTS for path in
                ([Path(source, part)] if Path(source, part).is_file() else Path(source, part).rglob("*"))
                if path.is_file()]


def build(source, folder, definitions):
    copy = Path(folder, "source")
    wanted = set(tracked_files(source))
    for name in wanted:
        target = copy / name
        # Unchanged files keep their times, so a second run rebuilds only what changed.
        if not target.exists() or not filecmp.cmp(Path(source, name), target, shallow=False):
            target.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(Path(source, name), target)
    for stale in [path for path in copy.rglob("*") if path.is_file()]:
        if str(stale.relative_to(copy)) not in wanted:
            stale.unlink()
    tree = Path(folder, "build")
    environment = {name: value for name, value in os.environ.items()
                   if name not in ("CFLAGS", "CXXFLAGS", "LDFLAGS", "RCFLAGS", "MAKEFLAGS", "MFLAGS")}
    configure = ["cmake", "-S", str(copy), "-B", str(tree), "-DCMAKE_BUILD_TYPE=Release", *definitions]
    if not Path(tree, "CMakeCache.txt").exists():
        configure.append(f"-DCMAKE_TOOLCHAIN_FILE={copy}/cmake/mingw-w64-x86_64.cmake")
    subprocess.run(configure, check=True, stdout=subprocess.DEVNULL, env=environment)
    subprocess.run(["cmake", "--build", str(tree), "--target", "Kadermeister", "-j2"], check=True,
                   stdout=subprocess.DEVNULL, env=environment)


def pack(scripts, program, version, folder):
    """The archive and the version file, as make release writes them, into folder."""
    archive = Path(folder, f"Kadermeister-{version}.zip")
    subprocess.run([sys.executable, str(Path(scripts, "make_dist.py")), str(program), version,
                    str(Path(scripts).parent / "resources" / "Liesmich.txt"), str(archive)],
                   check=True, stdout=subprocess.DEVNULL)
    version_file = Path(folder, "version.txt")
    subprocess.run([sys.executable, str(Path(scripts, "make_release.py")), version, str(archive), str(version_file)],
                   check=True, stdout=subprocess.DEVNULL, env={**os.environ, "KADERMEISTER_SIGNING_KEY": ""})
    return archive.read_bytes(), version_file.read_bytes().split(b"\r\n")[:3]


def compare(source, program, folder, version):
    other_source = Path(folder, "source")
    other_program = Path(folder, "build", "Kadermeister.exe")
    # Both from the one commit; the copy has no history of its own to read it from.
    os.environ["SOURCE_DATE_EPOCH"] = str(source_date_epoch(Path(source)))
    first = pack(Path(source, "scripts"), program, version, Path(folder, "packed-here"))
    # A zip entry's time has a resolution of two seconds.
    time.sleep(2.5)
    second = pack(other_source / "scripts", other_program, version, Path(folder, "packed-there"))
    failures = []
    if Path(program).read_bytes() != other_program.read_bytes():
        failures.append(f"the programs differ: {program} and {other_program} (cmp -l shows where)")
    if first[0] != second[0]:
        failures.append("the archives differ: " + str(Path(folder, "packed-here")) + " and packed-there")
    if first[1] != second[1]:
        failures.append(f"the version files differ: {first[1]} and {second[1]}")
    if failures:
        sys.exit("\n".join(failures))
    print(f"the same bytes from {source} and {other_source}: program, archive, version file "
          f"({first[1][2].decode()})")


def main():
    if len(sys.argv) >= 4 and sys.argv[1] == "build":
        build(sys.argv[2], sys.argv[3], sys.argv[4:])
    elif len(sys.argv) == 6 and sys.argv[1] == "compare":
        compare(*sys.argv[2:])
    else:
        sys.exit(__doc__.strip())


if __name__ == "__main__":
    main()
