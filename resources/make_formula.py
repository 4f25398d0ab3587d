#!/usr/bin/env python3
"""Draws the standard formula picture: 655 x 41 pixels, 16 colours, black italic text on white,
the two bracketed parts as fractions. Writes a BMP for the resource compiler. A scale draws it
larger for displays with more dots per inch (1.5 for 150 %).

usage: make_formula.py OUTPUT.bmp [SCALE]
"""
import subprocess
import sys

SCALE = float(sys.argv[2]) if len(sys.argv) > 2 else 1.0
WIDTH, HEIGHT = round(655 * SCALE), round(41 * SCALE)
FONT = "/usr/share/fonts/truetype/liberation/LiberationSans-Italic.ttf"
SIZE = round(14 * SCALE)
MINUS = "\u2212"

# Pieces on the middle line, and the fractions between them (numerator, denominator).
PARTS = [
    ("text", "LKZ = (\u2211(PKF * Siege " + MINUS + " Niederlagen)) * "),
    ("fraction", "absolv.Punktspiele * 2", "absolv.Einzel"),
    ("text", " * "),
    ("fraction", "11", "ZahlMannsch. " + MINUS + " 1"),
    ("text", " + Klassenbonus"),
]


def measure(text):
    """Width and height of text as ImageMagick sets it in the formula's font."""
    out = subprocess.run(["convert", "-font", FONT, "-pointsize", str(SIZE), "label:" + text,
                          "-format", "%w %h", "info:"], check=True, capture_output=True, text=True)
    width, height = out.stdout.split()
    return int(width), int(height)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    drawing = []
    pieces = []
    total = 0
    for part in PARTS:
        if part[0] == "text":
            width, height = measure(part[1])
            pieces.append((part, width, height))
        else:
            top, bottom = measure(part[1]), measure(part[2])
            width = max(top[0], bottom[0]) + round(6 * SCALE)
            pieces.append((part, width, max(top[1], bottom[1])))
        total += width
    x = max(0, (WIDTH - total) // 2)
    bar = HEIGHT // 2
    for part, width, height in pieces:
        if part[0] == "text":
            drawing += ["-annotate", "+%d+%d" % (x, (HEIGHT - height) // 2), part[1]]
        else:
            for text, top in ((part[1], bar - height), (part[2], bar + 1)):
                text_width, _ = measure(text)
                drawing += ["-annotate", "+%d+%d" % (x + (width - text_width) // 2, top), text]
            drawing += ["-draw", "line %d,%d %d,%d" % (x + 1, bar, x + width - 2, bar)]
        x += width
    subprocess.run(["convert", "-size", "%dx%d" % (WIDTH, HEIGHT), "xc:white", "-fill", "black",
                    "-stroke", "none", "-font", FONT, "-pointsize", str(SIZE), "-gravity", "NorthWest"]
                   + drawing + ["-colors", "16", "-type", "Palette", "-compress", "None",
                                "BMP3:" + sys.argv[1]], check=True)


if __name__ == "__main__":
    main()
