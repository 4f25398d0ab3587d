#!/usr/bin/env python3
"""Gives the release program its Authenticode signature, so Windows names the maker.

codesign.py PROGRAM SIGNED [--url=HOMEPAGE]
Writes PROGRAM to SIGNED, signed with osslsigncode (SHA-256) when the environment names a
code-signing certificate and its key:
  KADERMEISTER_CODESIGN_CERT and KADERMEISTER_CODESIGN_KEY  PEM files; the chain may follow the
                                                            certificate in the first
  KADERMEISTER_CODESIGN_PFX                                 or one PKCS#12 file instead
  KADERMEISTER_CODESIGN_PASSWORD                            the PFX's or the key's password
  KADERMEISTER_CODESIGN_TIMESTAMP                           a time-stamp server's URL (none by default)
  KADERMEISTER_CODESIGN_CAFILE                              the roots the signature is checked against
                                                            (default: the system's)
The signature is checked before SIGNED is written. Its signing time is the commit's time, so the
same key (RSA) and commit give the same bytes; a time-stamp server adds its own time. Without a
certificate SIGNED is the unsigned program, and the script says so.
"""
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from make_dist import source_date_epoch  # noqa: E402


def osslsigncode(*arguments):
    try:
        done = subprocess.run(["osslsigncode", *arguments], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              text=True)
    except FileNotFoundError:
        sys.exit("osslsigncode is missing (scripts/install-deps.sh installs it)")
    return done.returncode == 0, done.stdout


def signing_options(folder):
    """osslsigncode's options for the certificate and key the environment names; None for none."""
    cert = os.environ.get("KADERMEISTER_CODESIGN_CERT", "")
    key = os.environ.get("KADERMEISTER_CODESIGN_KEY", "")
    pfx = os.environ.get("KADERMEISTER_CODESIGN_PFX", "")
    password = os.environ.get("KADERMEISTER_CODESIGN_PASSWORD", "")
    if pfx and (cert or key):
        sys.exit("name either KADERMEISTER_CODESIGN_PFX or KADERMEISTER_CODESIGN_CERT and _KEY, not both")
    if bool(cert) != bool(key):
        sys.exit("KADERMEISTER_CODESIGN_CERT and KADERMEISTER_CODESIGN_KEY go together")
    if pfx:
        options = ["-pkcs12", pfx]
    elif cert:
        options = ["-certs", cert, "-key", key]
    else:
        return None
    for file in options[1::2]:
        if not Path(file).is_file():
            sys.exit(f"{file}: no such file")
    if password:
        # Read from a file of our own rather than shown to every process on the command line.
        password_file = Path(folder, "password")
        password_file.touch(mode=0o600)
        password_file.write_text(password)
        options += ["-readpass", str(password_file)]
    return options


def main():
    options = [argument for argument in sys.argv[1:] if argument.startswith("--url=")]
    arguments = [argument for argument in sys.argv[1:] if argument not in options]
    if len(arguments) != 2:
        sys.exit(__doc__.strip())
    program, signed = arguments
    Path(signed).parent.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as folder:
        credentials = signing_options(folder)
        if credentials is None:
            shutil.copyfile(program, signed)
            print(f"{signed}: NOT signed (no KADERMEISTER_CODESIGN_CERT and _KEY, nor _PFX); "
                  "Windows will call its publisher unknown")
            return
        epoch = source_date_epoch()
        command = ["sign", *credentials, "-h", "sha256", "-n", "Kadermeister", "-st", str(epoch)]
        if options:
            command += ["-i", options[0].split("=", 1)[1]]
        timestamp = os.environ.get("KADERMEISTER_CODESIGN_TIMESTAMP", "")
        if timestamp:
            command += ["-ts", timestamp]
        attempt = Path(folder, "Kadermeister.exe")
        ok, output = osslsigncode(*command, "-in", program, "-out", str(attempt))
        if not ok:
            sys.exit(f"osslsigncode could not sign {program}:\n{output}")
        verify = ["verify", "-in", str(attempt)]
        ca_file = os.environ.get("KADERMEISTER_CODESIGN_CAFILE", "")
        if ca_file:
            verify += ["-CAfile", ca_file]
        ok, output = osslsigncode(*verify)
        if not ok:
            sys.exit(f"the signature just made does not verify; nothing is packed:\n{output}\n"
                     "(a certificate from a root the system does not hold: set KADERMEISTER_CODESIGN_CAFILE)")
        shutil.copyfile(attempt, signed)
    print(f"{signed}: signed (SHA-256, signing time {epoch}"
          + (f", time stamp from {timestamp}" if timestamp else ", no time stamp") + "), signature verified")


if __name__ == "__main__":
    main()
