#!/usr/bin/env python3
"""The maker's public key as the program carries it.

update_key.py PUBLIC_KEY.pem
Prints X then Y of the ECDSA P-256 key in a PEM public key file as 128 hexadecimal digits, or
fails with the reason. The build writes them into the program (KADERMEISTER_UPDATE_KEY).
"""
import base64
import binascii
import re
import sys
from pathlib import Path

# The SubjectPublicKeyInfo of an uncompressed P-256 point: SEQUENCE { SEQUENCE { id-ecPublicKey,
# prime256v1 }, BIT STRING 04 X Y }. Only the 64 bytes of the point differ from key to key.
P256_PREFIX = bytes.fromhex("3059301306072a8648ce3d020106082a8648ce3d030107034200" "04")


def public_key_hex(pem_text):
    if "PRIVATE KEY" in pem_text:
        raise ValueError("this is a private key; the program takes the public key "
                         "(openssl pkey -in private.pem -pubout -out public.pem)")
    blocks = re.findall(r"-----BEGIN PUBLIC KEY-----(.*?)-----END PUBLIC KEY-----", pem_text, re.S)
    if len(blocks) != 1:
        raise ValueError("expected one PEM public key (-----BEGIN PUBLIC KEY-----)")
    try:
        der = base64.b64decode("".join(blocks[0].split()), validate=True)
    except binascii.Error as error:
        raise ValueError(f"the key is not valid base64: {error}")
    if len(der) != len(P256_PREFIX) + 64 or not der.startswith(P256_PREFIX):
        raise ValueError("not an ECDSA P-256 public key (openssl ecparam -name prime256v1)")
    return der[len(P256_PREFIX):].hex()


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip())
    try:
        print(public_key_hex(Path(sys.argv[1]).read_text(encoding="ascii", errors="replace")))
    except (OSError, ValueError) as error:
        sys.exit(f"{sys.argv[1]}: {error}")


if __name__ == "__main__":
    main()
