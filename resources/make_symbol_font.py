#!/usr/bin/python3
"""Builds resources/Radivuru.TTF, the symbol font "RuduzodediRuvedur" of Gyrolux.

The astrological glyphs are taken from Noto Sans Symbols and Noto Sans Symbols 2, the
letter glyphs for MC, AS and GZ and the digits 0 to 9 (the house numbers of the wheel) from
Noto Sans Bold (all SIL Open Font License 1.1, Debian package fonts-noto-core). Every glyph is scaled to one common height and set on
the baseline, so that the glyphs of the wheel look alike in size.

Run with the system Python, which has fontTools (Debian package python3-fonttools):
    /usr/bin/python3 resources/make_symbol_font.py [output.ttf]
The generated font is committed; a build does not need this script.
"""

import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

NOTO = "/usr/share/fonts/truetype/noto"
SYMBOLS = os.path.join(NOTO, "NotoSansSymbols-Regular.ttf")
SYMBOLS2 = os.path.join(NOTO, "NotoSansSymbols2-Regular.ttf")
LETTERS = os.path.join(NOTO, "NotoSans-Bold.ttf")

UNITS_PER_EM = 1000
ASCENT = 800
DESCENT = 200
GLYPH_HEIGHT = 700      # every symbol is scaled to this height ...
GLYPH_MAX_WIDTH = 860   # ... unless it would grow wider than this
SIDE_BEARING = 50

# Factor i of the astro-alphabetical order is the character 97 + i. A glyph is either a
# code point of the symbol fonts or a short text drawn as one compact letter glyph.
FACTORS = [
    ("MC", "letters", "MC"),
    ("WI", "symbol", 0x2648),   # the vernal point: the sign of Aries
    ("SO", "symbol", 0x2609),
    ("AS", "letters", "AS"),
    ("MO", "symbol", 0x263D),
    ("KN", "symbol", 0x260A),
    ("ME", "symbol", 0x263F),
    ("VE", "symbol", 0x2640),
    ("MA", "symbol", 0x2642),
    ("JU", "symbol", 0x2643),
    ("SA", "symbol", 0x2644),
    ("UR", "symbol", 0x2645),
    ("NE", "symbol", 0x2646),
    ("PL", "symbol", 0x2647),
    ("CU", "symbol", 0x2BE0),
    ("HA", "symbol", 0x2BE1),
    ("ZE", "symbol", 0x2BE2),
    ("KR", "symbol", 0x2BE3),
    ("AP", "symbol", 0x2BE4),
    ("AD", "symbol", 0x2BE5),
    ("VU", "symbol", 0x2BE6),
    ("PO", "symbol", 0x2BE7),
    ("GZ", "letters", "GZ"),
]

# Aries to Pisces at the Windows-1252 codes C7..CC, C1..C6 (the same Unicode numbers).
SIGN_CODES = [0xC7, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6]
SIGN_NAMES = ["aries", "taurus", "gemini", "cancer", "leo", "virgo", "libra", "scorpius",
              "sagittarius", "capricornus", "aquarius", "pisces"]


class Source:
    def __init__(self, path):
        self.font = TTFont(path)
        self.glyphs = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()
        self.hmtx = self.font["hmtx"]

    def has(self, code):
        return code in self.cmap

    def outline(self, name, dx=0.0):
        """The glyph decomposed into a recording, shifted right by dx."""
        pen = DecomposingRecordingPen(self.glyphs)
        self.glyphs[name].draw(pen)
        if dx == 0.0:
            return pen
        shifted = DecomposingRecordingPen(self.glyphs)
        pen.replay(TransformPen(shifted, (1, 0, 0, 1, dx, 0)))
        return shifted


def bounds_of(recording):
    pen = BoundsPen(None)
    recording.replay(pen)
    return pen.bounds


def symbol_recording(sources, code):
    for source in sources:
        if source.has(code):
            return source.outline(source.cmap[code])
    raise SystemExit("no glyph for U+%04X in the symbol fonts" % code)


def letters_recording(letters, text, condense):
    """The letters of text set side by side, narrowed by condense."""
    combined = DecomposingRecordingPen(letters.glyphs)
    x = 0.0
    for char in text:
        name = letters.cmap[ord(char)]
        letters.outline(name).replay(TransformPen(combined, (condense, 0, 0, 1, x, 0)))
        x += letters.hmtx[name][0] * condense - 30  # set a little tighter than usual
    return combined


def fitted_glyph(recording, height=GLYPH_HEIGHT, max_width=GLYPH_MAX_WIDTH):
    """The recording scaled to height (or max_width), on the baseline, with side bearings."""
    x_min, y_min, x_max, y_max = bounds_of(recording)
    scale = min(height / (y_max - y_min), max_width / (x_max - x_min))
    pen = TTGlyphPen(None)
    transform = (scale, 0, 0, scale, SIDE_BEARING - x_min * scale, -y_min * scale)
    recording.replay(TransformPen(pen, transform))
    advance = round((x_max - x_min) * scale + 2 * SIDE_BEARING)
    return pen.glyph(), advance


def digit_glyph(letters, char, height=600):
    """A digit of the letters font scaled so that the digit 0 is height high, on the
    baseline, with the font's own advance scaled alike: the digits keep one width, so
    that numbers line up."""
    zero = bounds_of(letters.outline(letters.cmap[ord("0")]))
    scale = height / (zero[3] - zero[1])
    name = letters.cmap[ord(char)]
    scaled = DecomposingRecordingPen(letters.glyphs)
    letters.outline(name).replay(TransformPen(scaled, (scale, 0, 0, scale, 0, 0)))
    pen = TTGlyphPen(None)
    scaled.replay(pen)
    left_side_bearing = round(bounds_of(scaled)[0])
    return pen.glyph(), round(letters.hmtx[name][0] * scale), left_side_bearing


def empty_glyph():
    return TTGlyphPen(None).glyph()


def notdef_glyph():
    pen = TTGlyphPen(None)
    for (x0, y0, x1, y1, clockwise) in ((80, 0, 520, 700, True), (140, 60, 460, 640, False)):
        points = [(x0, y0), (x0, y1), (x1, y1), (x1, y0)]
        if not clockwise:
            points.reverse()
        pen.moveTo(points[0])
        for point in points[1:]:
            pen.lineTo(point)
        pen.closePath()
    return pen.glyph()


def build(output):
    symbols = [Source(SYMBOLS), Source(SYMBOLS2)]
    letters = Source(LETTERS)

    order = [".notdef", "space"]
    glyphs = {".notdef": notdef_glyph(), "space": empty_glyph()}
    metrics = {".notdef": (600, 80), "space": (400, 0)}
    cmap = {0x20: "space"}

    def add(name, glyph, advance, codes):
        order.append(name)
        glyphs[name] = glyph
        metrics[name] = (advance, SIDE_BEARING)
        for code in codes:
            cmap[code] = name

    for index, (abbrev, kind, what) in enumerate(FACTORS):
        if kind == "symbol":
            glyph, advance = fitted_glyph(symbol_recording(symbols, what))
            codes = [97 + index]
            if what not in cmap and abbrev != "WI":
                codes.append(what)
        else:
            # Two letters in the width of one glyph, a little lower than the symbols.
            glyph, advance = fitted_glyph(letters_recording(letters, what, 0.62), height=600)
            codes = [97 + index]
        add("factor_" + abbrev.lower(), glyph, advance, codes)

    for sign, (code, name) in enumerate(zip(SIGN_CODES, SIGN_NAMES)):
        glyph, advance = fitted_glyph(symbol_recording(symbols, 0x2648 + sign))
        add("sign_" + name, glyph, advance, [code, 0x2648 + sign])

    for digit in "0123456789":
        glyph, advance, left_side_bearing = digit_glyph(letters, digit)
        add("digit_" + digit, glyph, advance, [ord(digit)])
        metrics["digit_" + digit] = (advance, left_side_bearing)

    builder = FontBuilder(UNITS_PER_EM, isTTF=True)
    builder.setupGlyphOrder(order)
    builder.setupCharacterMap(cmap)
    builder.setupGlyf(glyphs)
    builder.setupHorizontalMetrics(metrics)
    builder.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    family = "RuduzodediRuvedur"
    builder.setupNameTable({
        "copyright": "Glyphs derived from Noto Sans Symbols, Noto Sans Symbols 2 and Noto Sans, "
                     "Copyright 2015-2020 Google Inc. and Google LLC; "
                     "arranged for Gyrolux by Gyrolux Software.",
        "familyName": family,
        "styleName": "Regular",
        "uniqueFontIdentifier": "Gyrolux Software: RuduzodediRuvedur Regular: 1.000",
        "fullName": family + " Regular",
        "psName": family + "-Regular",
        "version": "Version 1.000",
        "manufacturer": "Gyrolux Software",
        "description": "The astrological symbols of Die Mini-Gyrolux. A modified version of "
                       "Noto Sans Symbols, Noto Sans Symbols 2 and Noto Sans.",
        "licenseDescription": "This Font Software is licensed under the SIL Open Font License, "
                              "Version 1.1 (see Radivuru-OFL.txt).",
        "licenseInfoURL": "https://openfontlicense.org",
    })
    builder.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                     usWinAscent=ASCENT, usWinDescent=DESCENT, sxHeight=500, sCapHeight=700,
                     achVendID="GYRO", fsType=0, usWeightClass=400,
                     ulUnicodeRange1=0b11, ulCodePageRange1=0b1)
    builder.setupPost()
    builder.setupHead(unitsPerEm=UNITS_PER_EM, created=0, modified=0)
    builder.font["head"].created = builder.font["head"].modified = 3_900_000_000  # fixed, so a rebuild is identical
    builder.save(output)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    build(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "Radivuru.TTF"))
