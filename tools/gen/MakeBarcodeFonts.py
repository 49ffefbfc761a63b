#!/usr/bin/python3
"""Draws the program's barcode fonts into the folder named on the command line.

Each character of a barcode text is one glyph of bars, so that a word processor, a browser or
the label sheet draws a scannable symbol by typing the text in the face. The "hr" faces print
the characters under their bars, in a small dot-matrix hand of our own.

  EAN13.ttf          "Code EAN13": 0-9 the first digit before the start guard, A-J and K-T the
                     left half's odd and even sets, a-j the right half, "*" the centre guard,
                     "+" the end guard with the right quiet zone.
  Code 39 faces      "*" start and stop (each with its quiet zone outside the symbol),
                     0-9, A-Z (a-z draw the capitals), - . $ / + %; a blank separates
                     symbols.
"""
import sys
from pathlib import Path

from fontTools.feaLib.builder import addOpenTypeFeaturesFromString
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

UNITS_PER_EM = 1000
ASCENT = 920
DESCENT = 80

# Timestamps fixed so that a build makes the same files every time.
FIXED_TIME = 0

DOT_MATRIX = {
    "0": "01110 10001 10011 10101 11001 10001 01110",
    "1": "00100 01100 10100 00100 00100 00100 11111",
    "2": "01110 10001 00001 00010 00100 01000 11111",
    "3": "11111 00010 00100 00010 00001 10001 01110",
    "4": "00010 00110 01010 10010 11111 00010 00010",
    "5": "11111 10000 11110 00001 00001 10001 01110",
    "6": "00110 01000 10000 11110 10001 10001 01110",
    "7": "11111 00001 00010 00100 01000 01000 01000",
    "8": "01110 10001 10001 01110 10001 10001 01110",
    "9": "01110 10001 10001 01111 00001 00010 01100",
    "A": "01110 10001 10001 11111 10001 10001 10001",
    "B": "11110 10001 10001 11110 10001 10001 11110",
    "C": "01110 10001 10000 10000 10000 10001 01110",
    "D": "11100 10010 10001 10001 10001 10010 11100",
    "E": "11111 10000 10000 11110 10000 10000 11111",
    "F": "11111 10000 10000 11110 10000 10000 10000",
    "G": "01110 10001 10000 10111 10001 10001 01111",
    "H": "10001 10001 10001 11111 10001 10001 10001",
    "I": "01110 00100 00100 00100 00100 00100 01110",
    "J": "00111 00010 00010 00010 00010 10010 01100",
    "K": "10001 10010 10100 11000 10100 10010 10001",
    "L": "10000 10000 10000 10000 10000 10000 11111",
    "M": "10001 11011 10101 10101 10001 10001 10001",
    "N": "10001 10001 11001 10101 10011 10001 10001",
    "O": "01110 10001 10001 10001 10001 10001 01110",
    "P": "11110 10001 10001 11110 10000 10000 10000",
    "Q": "01110 10001 10001 10001 10101 10010 01101",
    "R": "11110 10001 10001 11110 10100 10010 10001",
    "S": "01111 10000 10000 01110 00001 00001 11110",
    "T": "11111 00100 00100 00100 00100 00100 00100",
    "U": "10001 10001 10001 10001 10001 10001 01110",
    "V": "10001 10001 10001 10001 10001 01010 00100",
    "W": "10001 10001 10001 10101 10101 10101 01010",
    "X": "10001 10001 01010 00100 01010 10001 10001",
    "Y": "10001 10001 01010 00100 00100 00100 00100",
    "Z": "11111 00001 00010 00100 01000 10000 11111",
    "-": "00000 00000 00000 11111 00000 00000 00000",
    ".": "00000 00000 00000 00000 00000 01100 01100",
    "$": "00100 01111 10100 01110 00101 11110 00100",
    "/": "00000 00001 00010 00100 01000 10000 00000",
    "+": "00000 00100 00100 11111 00100 00100 00000",
    "%": "11000 11001 00010 00100 01000 10011 00011",
    "*": "00000 00100 10101 01110 10101 00100 00000",
}

# EAN-13 element patterns, 1 a dark module: set A (odd parity), set C (right half); set B (even
# parity) is set C read backwards.
EAN_SET_A = ["0001101", "0011001", "0010011", "0111101", "0100011",
             "0110001", "0101111", "0111011", "0110111", "0001011"]
EAN_SET_C = ["".join("1" if m == "0" else "0" for m in a) for a in EAN_SET_A]
EAN_SET_B = [c[::-1] for c in EAN_SET_C]

# Code 39: the nine elements (bar, space, ... bar) of each character, w wide and n narrow.
CODE39 = {
    "0": "nnnwwnwnn", "1": "wnnwnnnnw", "2": "nnwwnnnnw", "3": "wnwwnnnnn", "4": "nnnwwnnnw",
    "5": "wnnwwnnnn", "6": "nnwwwnnnn", "7": "nnnwnnwnw", "8": "wnnwnnwnn", "9": "nnwwnnwnn",
    "A": "wnnnnwnnw", "B": "nnwnnwnnw", "C": "wnwnnwnnn", "D": "nnnnwwnnw", "E": "wnnnwwnnn",
    "F": "nnwnwwnnn", "G": "nnnnnwwnw", "H": "wnnnnwwnn", "I": "nnwnnwwnn", "J": "nnnnwwwnn",
    "K": "wnnnnnnww", "L": "nnwnnnnww", "M": "wnwnnnnwn", "N": "nnnnwnnww", "O": "wnnnwnnwn",
    "P": "nnwnwnnwn", "Q": "nnnnnnwww", "R": "wnnnnnwwn", "S": "nnwnnnwwn", "T": "nnnnwnwwn",
    "U": "wwnnnnnnw", "V": "nwwnnnnnw", "W": "wwwnnnnnn", "X": "nwnnwnnnw", "Y": "wwnnwnnnn",
    "Z": "nwwnwnnnn", "-": "nwnnnnwnw", ".": "wwnnnnwnn", "$": "nwnwnwnnn", "/": "nwnwnnnwn",
    "+": "nwnnnwnwn", "%": "nnnwnwnwn", "*": "nwnnwnwnn",
}


def rectangle(pen, x0, y0, x1, y1):
    # Clockwise, as TrueType wants the outside of a shape.
    pen.moveTo((x0, y0))
    pen.lineTo((x0, y1))
    pen.lineTo((x1, y1))
    pen.lineTo((x1, y0))
    pen.closePath()


def draw_text(pen, char, centre_x, bottom, cell):
    """The character in the dot-matrix hand, centred on centre_x, its lowest row at bottom."""
    rows = DOT_MATRIX[char].split()
    left = centre_x - 5 * cell // 2
    for r, row in enumerate(rows):
        y0 = bottom + (6 - r) * cell
        c = 0
        while c < 5:
            if row[c] == "1":
                start = c
                while c < 5 and row[c] == "1":
                    c += 1
                # Dots overlap by a unit so that no seam shows between rows.
                rectangle(pen, left + start * cell, y0, left + c * cell + 1, y0 + cell + 1)
            else:
                c += 1


def draw_modules(pen, pattern, x, module, y0, y1):
    """Dark runs of a module pattern as bars from x on."""
    i = 0
    while i < len(pattern):
        if pattern[i] == "1":
            start = i
            while i < len(pattern) and pattern[i] == "1":
                i += 1
            rectangle(pen, x + start * module, y0, x + i * module, y1)
        else:
            i += 1


class Face:
    def __init__(self, family, file_name):
        self.family = family
        self.file_name = file_name
        self.glyphs = {}    # glyph name -> (advance, draw function or None)
        self.cmap = {}      # code point -> glyph name
        self.features = ""  # OpenType feature code

    def add(self, name, advance, draw, chars=()):
        self.glyphs[name] = (advance, draw)
        for ch in chars:
            self.cmap[ord(ch)] = name

    def save(self, folder):
        order = [".notdef"] + sorted(n for n in self.glyphs if n != ".notdef")
        glyf, metrics = {}, {}
        for name in order:
            advance, draw = self.glyphs.get(name, (500, None))
            pen = TTGlyphPen(None)
            if draw:
                draw(pen)
            glyf[name] = pen.glyph()
            glyf[name].recalcBounds(glyf)
            metrics[name] = (advance, getattr(glyf[name], "xMin", 0))
        fb = FontBuilder(UNITS_PER_EM, isTTF=True)
        fb.setupGlyphOrder(order)
        fb.setupCharacterMap(self.cmap)
        fb.setupGlyf(glyf)
        fb.setupHorizontalMetrics(metrics)
        fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
        ps_name = "".join(ch for ch in self.family if ch.isalnum())
        fb.setupNameTable({
            "familyName": self.family,
            "styleName": "Regular",
            "uniqueFontIdentifier": f"Qvlzantor: {self.family}",
            "fullName": self.family,
            "psName": ps_name,
            "version": "Version 1.000",
        })
        fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                    usWinAscent=ASCENT, usWinDescent=DESCENT, fsType=0, achVendID="QVLZ")
        fb.setupPost()
        if self.features:
            addOpenTypeFeaturesFromString(fb.font, self.features)
        fb.setupHead(created=FIXED_TIME, modified=FIXED_TIME)
        fb.font["head"].created = FIXED_TIME
        fb.font["head"].modified = FIXED_TIME
        fb.save(str(Path(folder) / self.file_name))


def ean13_face():
    module = 23                       # 0.32 mm at 40 points
    text_cell = 22
    bars_low, guards_low, top = 210, 60, ASCENT
    face = Face("Code EAN13", "EAN13.ttf")

    def data_glyph(pattern, digit):
        def draw(pen):
            draw_modules(pen, pattern, 0, module, bars_low, top)
            draw_text(pen, str(digit), 7 * module // 2, 20, text_cell)
        return draw

    for d in range(10):
        face.add(f"setA{d}", 7 * module, data_glyph(EAN_SET_A[d], d), chr(ord("A") + d))
        face.add(f"setB{d}", 7 * module, data_glyph(EAN_SET_B[d], d), chr(ord("K") + d))
        face.add(f"setC{d}", 7 * module, data_glyph(EAN_SET_C[d], d), chr(ord("a") + d))

        # The first digit sits in the left quiet zone, in front of the start guard.
        def first(pen, d=d):
            draw_text(pen, str(d), 5 * module, 20, text_cell)
            draw_modules(pen, "101", 11 * module, module, guards_low, top)
        face.add(f"first{d}", 14 * module, first, str(d))

    face.add("centreGuard", 5 * module,
             lambda pen: draw_modules(pen, "01010", 0, module, guards_low, top), "*")
    # The right quiet zone comes with the end guard.
    face.add("endGuard", 10 * module,
             lambda pen: draw_modules(pen, "101", 0, module, guards_low, top), "+")
    face.add("space", 7 * module, None, " \u00a0")
    return face


def code39_face(family, file_name, readable):
    narrow = 25                       # 0.26 mm at 30 points
    wide = 3 * narrow
    advance = 6 * narrow + 3 * wide + narrow   # the narrow gap between characters included
    text_cell = 20
    bars_low = 190 if readable else 0
    quiet = 10 * narrow
    face = Face(family, file_name)

    for ch, elements in CODE39.items():
        def draw(pen, ch=ch, elements=elements, x0=0):
            x = x0
            for i, e in enumerate(elements):
                width = wide if e == "w" else narrow
                if i % 2 == 0:
                    rectangle(pen, x, bars_low, x + width, ASCENT)
                x += width
            if readable:
                draw_text(pen, ch, x0 + (advance - narrow) // 2, 20, text_cell)
        chars = ch + (ch.lower() if ch.isalpha() else "")
        face.add(f"code39_{ord(ch):02x}", advance, draw, chars)
    face.add("space", advance, None, " \u00a0")
    # The start and stop characters bring their quiet zones, so that a symbol reads wherever it
    # stands (against a table cell's border too): "*" before a symbol character is drawn after
    # a blank of ten narrow bars, "*" after one is followed by such a blank.
    face.add("code39_start", quiet + advance,
             lambda pen: face.glyphs["code39_2a"][1](pen, x0=quiet))
    face.add("code39_stop", advance + quiet, face.glyphs["code39_2a"][1])
    data = " ".join(f"code39_{ord(c):02x}" for c in CODE39 if c != "*")
    face.features = f"""
@data = [{data}];
lookup startStop {{
    sub code39_2a' @data by code39_start;
    sub @data code39_2a' by code39_stop;
}} startStop;
feature calt {{ lookup startStop; }} calt;
feature liga {{ lookup startStop; }} liga;
"""
    return face


FACES = [
    ean13_face(),
    code39_face("Code 39", "Code39.ttf", readable=False),
    code39_face("Bar-Code 39", "idautomation_com_code_39.ttf", readable=False),
    code39_face("c39hrp24dhtt", "c39hrp24dhtt.ttf", readable=True),
    code39_face("c39hrp36dltt", "c39hrp36dltt.ttf", readable=True),
    code39_face("c39hrp48dhtt", "c39hrp48dhtt.ttf", readable=True),
]

if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: MakeBarcodeFonts.py FOLDER")
    Path(sys.argv[1]).mkdir(parents=True, exist_ok=True)
    for face in FACES:
        face.save(sys.argv[1])
