#!/usr/bin/env python3
"""codesign_test.py PROGRAM FOLDER: the release script's Authenticode signature, end to end.

A throw-away CA and code-signing certificate made here in FOLDER; the program signed once from
PEM files and once from a PFX (the same bytes), verified against that CA, and refused with one
byte changed. Without a certificate the program stays as it is.
"""
import os
import subprocess
import sys
import time
from pathlib import Path

SCRIPTS = Path(__file__).resolve().parent.parent / "scripts"
SCRIPT = SCRIPTS / "codesign.py"
sys.path.insert(0, str(SCRIPTS))
from make_dist import source_date_epoch  # noqa: E402


def run(*command, env=None, check=True):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, env=env, check=check)


def make_certificates(folder):
    openssl = lambda *arguments: run("openssl", *arguments)  # noqa: E731
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", f"{folder}/ca.key", "-out", f"{folder}/ca.pem",
            "-days", "30", "-subj", "/CN=Kadermeister Test CA", "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign")
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout", f"{folder}/maker.key", "-out", f"{folder}/maker.csr",
            "-subj", "/CN=Kadermeister Test Maker")
    Path(folder, "codesign.ext").write_text("basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\n"
                                            "extendedKeyUsage=codeSigning\n")
    openssl("x509", "-req", "-in", f"{folder}/maker.csr", "-CA", f"{folder}/ca.pem", "-CAkey", f"{folder}/ca.key",
            "-set_serial", "7", "-days", "30", "-extfile", f"{folder}/codesign.ext", "-out", f"{folder}/maker.pem")
    openssl("pkcs12", "-export", "-in", f"{folder}/maker.pem", "-inkey", f"{folder}/maker.key", "-out",
            f"{folder}/maker.pfx", "-passout", "pass:geheim")


def sign(program, target, folder, **credentials):
    env = {name: value for name, value in os.environ.items() if not name.startswith("KADERMEISTER_CODESIGN_")}
    env.update({f"KADERMEISTER_CODESIGN_{name.upper()}": value for name, value in credentials.items()})
    env["KADERMEISTER_CODESIGN_CAFILE"] = f"{folder}/ca.pem"
    done = run(sys.executable, str(SCRIPT), program, str(target), env=env, check=False)
    if done.returncode != 0:
        sys.exit(f"signing failed:\n{done.stdout}")
    return done.stdout


def verification(path, folder):
    """Whether the file verifies against the test CA, and what osslsigncode said."""
    done = run("osslsigncode", "verify", "-CAfile", f"{folder}/ca.pem", "-in", str(path), check=False)
    return done.returncode == 0, done.stdout


def commit_time_as_openssl_prints_it():
    t = time.gmtime(source_date_epoch())
    month = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()[t.tm_mon - 1]
    return f"Signing time: {month} {t.tm_mday:2d} {t.tm_hour:02d}:{t.tm_min:02d}:{t.tm_sec:02d} {t.tm_year} GMT"


def main():
    program, folder = sys.argv[1:3]
    Path(folder).mkdir(parents=True, exist_ok=True)
    make_certificates(folder)
    failures = []
    unsigned = Path(folder, "unsigned.exe")
    told = sign(program, unsigned, folder)
    if "NOT signed" not in told or unsigned.read_bytes() != Path(program).read_bytes():
        failures.append(f"without a certificate the program is copied unsigned, and the script says so: {told}")

    from_pem = Path(folder, "from-pem.exe")
    from_pfx = Path(folder, "from-pfx.exe")
    sign(program, from_pem, folder, cert=f"{folder}/maker.pem", key=f"{folder}/maker.key")
    sign(program, from_pfx, folder, pfx=f"{folder}/maker.pfx", password="geheim")
    verified, said = verification(from_pem, folder)
    if not verified:
        failures.append(f"the signed program does not verify against the test CA:\n{said}")
    if commit_time_as_openssl_prints_it() not in said:
        failures.append(f"the signing time is not the commit's ({commit_time_as_openssl_prints_it()}):\n{said}")
    if from_pem.read_bytes() != from_pfx.read_bytes():
        failures.append("the same key and commit gave two different signed programs")
    if from_pem.read_bytes() == Path(program).read_bytes():
        failures.append("the signed program is the unsigned one")

    changed = bytearray(from_pem.read_bytes())
    changed[len(changed) // 3] ^= 0x01
    tampered = Path(folder, "changed.exe")
    tampered.write_bytes(changed)
    if verification(tampered, folder)[0]:
        failures.append("a changed byte still verifies")
    if failures:
        sys.exit("\n".join(failures))
    print("signed from PEM and PFX alike, verified against the test CA; a changed byte is refused")


if __name__ == "__main__":
    main()
