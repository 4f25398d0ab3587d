#!/usr/bin/env python3
"""Writes the version file that goes on the server beside a release archive.

make_release.py VERSION ARCHIVE VERSION_FILE [--program-key=HEX]
The file holds the version, the archive's name and its SHA-256 and, when the environment
variable KADERMEISTER_SIGNING_KEY names the maker's private key (PEM, ECDSA P-256), a fourth
line: the signature of the first three, made and checked with openssl. What is signed is the
three lines as they stand, each ended by one LF; the signature is r then s, 128 hexadecimal
digits. The file's lines end in CR LF.
--program-key is the key built into the program (update_key.py's output, or empty): with one,
a version file the program would refuse, unsigned or signed with another key, is not written.
"""
import hashlib
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from update_key import public_key_hex  # noqa: E402


def openssl(*arguments, data=None):
    try:
        return subprocess.run(["openssl", *arguments], input=data, stdout=subprocess.PIPE, check=True).stdout
    except FileNotFoundError:
        sys.exit("openssl is missing (scripts/install-deps.sh installs it)")
    except subprocess.CalledProcessError as error:
        sys.exit(f"openssl {arguments[0]} failed ({error.returncode})")


def der_length(der, position):
    first = der[position]
    if first < 0x80:
        return first, position + 1
    count = first & 0x7F
    if count == 0 or count > 2:
        raise ValueError("unexpected length")
    return int.from_bytes(der[position + 1:position + 1 + count], "big"), position + 1 + count


def raw_signature(der):
    """openssl's ECDSA-Sig-Value, SEQUENCE { INTEGER r, INTEGER s }, as r then s of 32 bytes each."""
    if not der or der[0] != 0x30:
        raise ValueError("no signature sequence")
    length, position = der_length(der, 1)
    if position + length != len(der):
        raise ValueError("a signature with trailing bytes")
    numbers = []
    for _ in range(2):
        if der[position] != 0x02:
            raise ValueError("no integer in the signature")
        length, position = der_length(der, position + 1)
        value = der[position:position + length].lstrip(b"\0")
        position += length
        if len(value) > 32:
            raise ValueError("a number larger than P-256 allows")
        numbers.append(value.rjust(32, b"\0"))
    if position != len(der):
        raise ValueError("more than two numbers in the signature")
    return numbers[0] + numbers[1]


def sign(text, key):
    """The signature of text with the private key in the PEM file key, checked before it is used."""
    public_pem = openssl("pkey", "-in", key, "-pubout")
    try:
        public_key = public_key_hex(public_pem.decode("ascii"))
    except ValueError as error:
        sys.exit(f"{key}: {error}")
    der = openssl("dgst", "-sha256", "-sign", key, data=text)
    with tempfile.TemporaryDirectory() as folder:
        Path(folder, "public.pem").write_bytes(public_pem)
        Path(folder, "signature.der").write_bytes(der)
        openssl("dgst", "-sha256", "-verify", str(Path(folder, "public.pem")), "-signature",
                str(Path(folder, "signature.der")), data=text)
    try:
        signature = raw_signature(der)
    except (ValueError, IndexError) as error:
        sys.exit(f"openssl gave a signature that cannot be read: {error}")
    return signature.hex(), public_key


def main():
    options = [argument for argument in sys.argv[1:] if argument.startswith("--program-key=")]
    arguments = [argument for argument in sys.argv[1:] if argument not in options]
    if len(arguments) != 3 or len(options) > 1:
        sys.exit(__doc__.strip())
    version, archive, version_file = arguments
    program_key = options[0].split("=", 1)[1] if options else ""
    name = Path(archive).name
    # The program refuses anything but one plain line for each; better to stop here.
    if not version or re.search(r"[\x00-\x1f]", version):
        sys.exit(f"not a version: {version!r}")
    if re.search(r'[\x00-\x1f\\/:*?"<>|#%]', name):
        sys.exit(f"the program would refuse the file name {name!r}")
    lines = [version, name, hashlib.sha256(Path(archive).read_bytes()).hexdigest()]
    key = os.environ.get("KADERMEISTER_SIGNING_KEY", "")
    public_key = None
    if key:
        signature, public_key = sign("".join(line + "\n" for line in lines).encode("utf-8"), key)
        lines.append(signature)
    if program_key and public_key != program_key:
        sys.exit("the program carries the key that begins " + program_key[:16] + " and would refuse this version file: "
                 + ("set KADERMEISTER_SIGNING_KEY to the matching private key" if not public_key
                    else "KADERMEISTER_SIGNING_KEY is another key (" + public_key[:16] + ")"))
    Path(version_file).parent.mkdir(parents=True, exist_ok=True)
    Path(version_file).write_bytes("".join(line + "\r\n" for line in lines).encode("utf-8"))
    print(version_file)
    if public_key:
        print(f"signed; a program checks it with the key that begins {public_key[:16]}")
    else:
        print("not signed (KADERMEISTER_SIGNING_KEY is not set)")


if __name__ == "__main__":
    main()
