#!/usr/bin/env python3
"""Stores a 16-colour BMP run-length encoded (BI_RLE4), as the system's bitmap functions read it,
and checks that decoding the result gives the picture back.

usage: rle4.py INPUT.bmp OUTPUT.bmp
"""
import struct
import sys


def read_plain(data):
    offset, = struct.unpack_from("<I", data, 10)
    header_size, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if bits != 4 or compression != 0 or height <= 0:
        sys.exit("expected an uncompressed, bottom-up 16-colour BMP")
    stride = ((width * 4 + 31) // 32) * 4
    rows = []
    for y in range(height):
        row = data[offset + y * stride: offset + (y + 1) * stride]
        rows.append([(row[x // 2] >> (0 if x % 2 else 4)) & 15 for x in range(width)])
    return header_size, width, height, offset, rows


def run_length(row, start):
    n = 1
    while start + n < len(row) and n < 255 and row[start + n] == row[start]:
        n += 1
    return n


def encode_row(row):
    out = bytearray()
    i = 0
    while i < len(row):
        n = run_length(row, i)
        if n >= 3:
            out += bytes((n, row[i] * 17))
            i += n
            continue
        # Pixels that do not repeat go out as they are, until a run worth encoding begins.
        j = i
        while j < len(row) and j - i < 255 and run_length(row, j) < 3:
            j += run_length(row, j)
        j = min(j, i + 255)
        literal = row[i:j]
        if len(literal) < 3:
            for p in literal:
                out += bytes((1, p << 4))
        else:
            packed = bytearray((literal[k] << 4) | (literal[k + 1] if k + 1 < len(literal) else 0)
                               for k in range(0, len(literal), 2))
            if len(packed) % 2:
                packed.append(0)
            out += bytes((0, len(literal))) + packed
        i = j
    return out + b"\x00\x00"


def decode(stream, width, height):
    rows, row, i = [], [], 0
    while True:
        count, value = stream[i], stream[i + 1]
        i += 2
        if count:
            row += [(value >> 4) if k % 2 == 0 else (value & 15) for k in range(count)]
        elif value == 0:
            rows.append(row)
            row = []
        elif value == 1:
            break
        else:
            packed = stream[i:i + (value + 1) // 2]
            row += [(packed[k // 2] >> 4) if k % 2 == 0 else (packed[k // 2] & 15) for k in range(value)]
            i += ((value + 1) // 2 + 1) // 2 * 2
    if len(rows) != height or any(len(r) != width for r in rows):
        sys.exit("the encoded picture does not decode to its size")
    return rows


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    data = open(sys.argv[1], "rb").read()
    header_size, width, height, offset, rows = read_plain(data)
    stream = b"".join(encode_row(row) for row in rows) + b"\x00\x01"
    if decode(stream, width, height) != rows:
        sys.exit("the encoded picture differs from the original")
    info = bytearray(data[14:offset])
    struct.pack_into("<II", info, 16, 2, len(stream))  # BI_RLE4, size of the bits
    out = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(stream), 0, 0, 14 + len(info)) + info + stream
    open(sys.argv[2], "wb").write(out)


if __name__ == "__main__":
    main()
