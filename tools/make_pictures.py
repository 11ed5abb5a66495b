#!/usr/bin/python3
"""Draws the family gallery's pictures: portraits, window backgrounds, icons.

Run from the repository root:  /usr/bin/python3 tools/make_pictures.py

pictures/content/manifest.tsv says which files exist, their format, pixel
size, JPEG coding and drawing style ("look"); this script writes every one of
them. All randomness is seeded from the file name, so every run writes the
same bytes. A portrait's person (face, hair, clothes ...) is derived from its
file name, so a picture shared by several windows shows one person.
"""

import hashlib
import io
import math
import os
import random
import struct
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageOps

CONTENT = os.path.join("pictures", "content")
MANIFEST = os.path.join(CONTENT, "manifest.tsv")
PORTRAIT_BYTES = (1091, 13843)   # size range every portrait file keeps to


def seeded(name):
    """A random generator that depends only on the given name."""
    return random.Random(int.from_bytes(hashlib.sha256(name.encode()).digest()[:8], "big"))


def mix(a, b, t):
    """Colour between a (t=0) and b (t=1)."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def shade(c, f):
    return tuple(max(0, min(255, round(x * f))) for x in c)


# --- Portraits ---------------------------------------------------------------

SCALE = 4              # portraits are drawn 4 times larger, then reduced
REF_W, REF_H = 51, 60  # the usual picture size, in which the figure is laid out

SKIN = [(250, 221, 196), (241, 196, 164), (228, 178, 140), (214, 160, 120),
        (190, 135, 95), (160, 108, 72), (124, 82, 56), (236, 190, 168)]
HAIR = {"black": (32, 26, 24), "dark brown": (66, 42, 28), "brown": (112, 72, 42),
        "auburn": (146, 66, 32), "blond": (214, 178, 104), "ash": (176, 160, 128),
        "grey": (150, 148, 144), "white": (226, 224, 216)}
CLOTH = [(34, 46, 92), (110, 30, 40), (36, 84, 52), (70, 70, 76), (120, 82, 46),
         (176, 142, 60), (44, 112, 124), (150, 60, 110), (86, 52, 118),
         (196, 96, 52), (120, 150, 196), (200, 200, 190), (28, 28, 32)]
BACKDROP_COLOUR = [(92, 120, 160), (70, 96, 110), (150, 140, 120), (110, 130, 96),
                   (160, 110, 90), (120, 120, 130), (80, 70, 96), (170, 160, 140)]
BACKDROP_LIGHT = [(214, 208, 196), (230, 226, 216), (196, 192, 182)]   # behind darker faces
BACKDROP_DARK = [(128, 124, 118), (104, 100, 96), (150, 144, 136)]    # behind lighter faces


class Person:
    """The traits of one portrait's sitter, chosen from its file name."""

    def __init__(self, name, old):
        r = seeded(name)
        self.old = old
        self.female = r.random() < 0.5
        self.skin = r.choice(SKIN)
        greying = 0.35 if old else 0.08
        if r.random() < greying:
            self.hair = HAIR[r.choice(["grey", "white", "ash"])]
        else:
            self.hair = HAIR[r.choice(["black", "dark brown", "brown", "auburn", "blond",
                                       "dark brown", "brown"])]
        # face: half width and height, squareness (2 = ellipse), chin taper
        self.rx = r.uniform(7.8, 9.8)
        self.ry = r.uniform(10.4, 12.4)
        self.square = r.choice([2.0, 2.0, 2.4, 2.9])
        self.taper = r.uniform(0.05, 0.3)
        self.shift = r.uniform(-1.2, 1.2)       # sits a little left or right
        self.eye_gap = r.uniform(3.3, 4.3)
        self.smile = r.random() < 0.5
        # Styles of the older generations first, then of the younger ones.
        if self.female:
            self.hair_style = r.choice(["bun", "updo", "curls", "bob"] if old else
                                       ["long", "bob", "curls", "long", "ponytail"])
            self.facial = None
            self.earrings = r.random() < 0.5
            self.necklace = r.random() < 0.4
            self.collar = r.choice(["lace", "round", "vee", "high"] if old else
                                   ["round", "vee", "turtle", "lace"])
            hats = ["brim"] if old else ["cap"]
        else:
            self.hair_style = r.choice(["short", "parted", "bald", "crew"] if old else
                                       ["short", "parted", "curly", "long", "crew"])
            self.facial = r.choice([None, "moustache", "beard", "handlebar", "chops"] if old else
                                   [None, None, "moustache", "beard", "goatee"])
            self.earrings = self.necklace = False
            self.collar = r.choice(["high", "tie", "bow"] if old else
                                   ["tie", "open", "turtle", "tie"])
            hats = ["bowler", "cap"] if old else ["cap"]
        self.glasses = r.choice([None, None, None, "round" if old else "square"])
        wears_hat = r.random() < (0.18 if old else 0.06) and self.hair_style != "bun"
        self.hat = r.choice(hats) if wears_hat else None
        self.cloth = r.choice(CLOTH)
        self.second = r.choice(CLOTH)           # tie, hat band or trim
        self.shoulders = r.uniform(19, 21) if self.female else r.uniform(21.5, 24.5)
        if old:     # brown tones only: the face must stand out by lightness
            light_face = sum(self.skin) / 3 > 185
            self.backdrop = r.choice(BACKDROP_DARK if light_face else BACKDROP_LIGHT)
        else:
            self.backdrop = r.choice(BACKDROP_COLOUR)
        self.card = r.choice(["oval", "plain", "dark"]) if old else "plain"
        self.grain_seed = r.randrange(1 << 30)


class Pen:
    """Draws in figure units: (0, 0) is the head's centre, one unit one pixel
    of a 51 x 60 picture."""

    def __init__(self, draw, ox, oy, unit):
        self.d, self.ox, self.oy, self.u = draw, ox, oy, unit

    def pt(self, x, y):
        return (self.ox + x * self.u, self.oy + y * self.u)

    def ellipse(self, x, y, rx, ry, fill=None, outline=None, width=0):
        x0, y0 = self.pt(x - rx, y - ry)
        x1, y1 = self.pt(x + rx, y + ry)
        self.d.ellipse((x0, y0, x1, y1), fill=fill, outline=outline,
                       width=max(1, round(width * self.u)) if outline else 0)

    def polygon(self, points, fill):
        self.d.polygon([self.pt(x, y) for x, y in points], fill=fill)

    def line(self, points, fill, width):
        self.d.line([self.pt(x, y) for x, y in points], fill=fill,
                    width=max(1, round(width * self.u)), joint="curve")

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=0):
        self.d.rectangle(self.pt(x0, y0) + self.pt(x1, y1), fill=fill, outline=outline,
                         width=max(1, round(width * self.u)) if outline else 0)


def face_outline(p, scale=1.0, dx=0.0, dy=0.0, steps=72):
    """Points round a face: a superellipse whose lower half narrows to the chin."""
    n = p.square
    pts = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        c, s = math.cos(t), math.sin(t)
        x = p.rx * math.copysign(abs(c) ** (2 / n), c)
        y = p.ry * math.copysign(abs(s) ** (2 / n), s)
        if y > 0:
            x *= 1 - p.taper * (y / p.ry) ** 2
        pts.append((x * scale + dx, y * scale + dy))
    return pts


def arc(cx, cy, rx, ry, a0, a1, steps=24):
    """Points along an elliptical arc, angles in degrees, y pointing down."""
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps)))
            for i in range(steps + 1)]


def draw_backdrop(img, p):
    """Studio backdrop: lighter behind the head, darker to the corners."""
    d = ImageDraw.Draw(img)
    w, h = img.size
    outer, inner = shade(p.backdrop, 0.62), shade(p.backdrop, 1.12)
    d.rectangle((0, 0, w, h), fill=outer)
    for i in range(24):
        t = i / 23
        rx, ry = w * (0.95 - 0.6 * t), h * (0.85 - 0.5 * t)
        cx, cy = w * 0.48, h * 0.4
        d.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), fill=mix(outer, inner, t))


def draw_body(pen, p):
    """Shoulders, neck and the clothes' collar."""
    neck_w = p.rx * 0.5
    skin_dark = shade(p.skin, 0.8)
    pen.rect(-neck_w, p.ry - 4, neck_w, 20, skin_dark)
    sw = p.shoulders
    body = arc(0, 36, sw, 19, 180, 360) + [(sw, 60), (-sw, 60)]
    pen.polygon(body, p.cloth)
    if p.collar in ("tie", "bow", "open"):     # shirt collar under a jacket
        pen.polygon([(-neck_w - 1.5, 17.2), (neck_w + 1.5, 17.2), (0, 30)], (238, 236, 230))
        pen.polygon([(-neck_w - 1.5, 17.2), (-1, 23), (-neck_w - 5, 21)], (250, 250, 246))
        pen.polygon([(neck_w + 1.5, 17.2), (1, 23), (neck_w + 5, 21)], (250, 250, 246))
        if p.collar == "tie":
            pen.polygon([(-1.3, 20.5), (1.3, 20.5), (2.2, 31), (0, 33), (-2.2, 31)], p.second)
        elif p.collar == "bow":
            pen.polygon([(0, 21.5), (-4, 19.5), (-4, 23.5)], p.second)
            pen.polygon([(0, 21.5), (4, 19.5), (4, 23.5)], p.second)
        else:
            pen.polygon([(-2.2, 19), (2.2, 19), (0, 26)], skin_dark)
        lapel = shade(p.cloth, 0.7)
        pen.line([(-neck_w - 2, 18), (-4, 34)], lapel, 1.0)
        pen.line([(neck_w + 2, 18), (4, 34)], lapel, 1.0)
    elif p.collar == "high":                   # stand collar over a shirt front
        if not p.female:
            pen.polygon([(-neck_w - 2, 17.5), (neck_w + 2, 17.5), (0, 31)], (236, 234, 226))
            pen.polygon([(-1.6, 19), (1.6, 19), (1, 24), (-1, 24)], shade(p.second, 0.5))
        pen.polygon([(-neck_w - 0.8, 14.8), (neck_w + 0.8, 14.8), (neck_w + 1.2, 18.6),
                     (0, 19.8), (-neck_w - 1.2, 18.6)], (246, 244, 238))
        pen.line([(0, 15), (0, 19.6)], (190, 186, 178), 0.4)
        if p.female:
            pen.ellipse(0, 21.5, 1.7, 1.7, fill=(214, 182, 80))
    elif p.collar == "turtle":
        pen.rect(-neck_w - 1.2, 14, neck_w + 1.2, 20.5, shade(p.cloth, 1.15))
    elif p.collar == "lace":
        pen.polygon(arc(0, 17.5, neck_w + 0.5, 5, 0, 180), skin_dark)
        for i in range(9):
            a = math.radians(180 - 22.5 * i)
            pen.ellipse(math.cos(a) * (neck_w + 4), 18 + math.sin(a) * 4.5, 2.2, 2.0,
                        fill=(246, 244, 236))
    elif p.collar in ("round", "vee"):
        if p.collar == "round":
            pen.polygon(arc(0, 17, neck_w + 3.5, 6.5, 0, 180), skin_dark)
        else:
            pen.polygon([(-neck_w - 2.5, 17), (neck_w + 2.5, 17), (0, 27)], skin_dark)
    if p.necklace:
        for i in range(9):
            a = math.radians(20 + 17.5 * i)
            pen.ellipse(math.cos(a) * (neck_w + 1), 19 + math.sin(a) * 4.2, 0.8, 0.8,
                        fill=(248, 246, 236))


def hair_cap(p, hairline, part=0.0, grow=1.0):
    """Hair over the top of the head down to a hairline (fraction of ry above
    the centre); part moves a parting off the middle."""
    outer = arc(0, -0.4, p.rx + grow, p.ry + grow, 168, 372, 30)
    inner = []
    for i in range(21):
        t = i / 20                                  # right to left
        x = p.rx * (1 - 2 * t) * 1.02
        rise = math.sin(math.pi * t) ** 0.7
        y = -p.ry * (0.1 + (hairline - 0.1) * rise)
        if part and abs(x - part * p.rx) < 2.2:
            y -= (2.2 - abs(x - part * p.rx)) * 0.9
        inner.append((x, y))
    return outer + inner


def draw_hair_back(pen, p):
    """Hair that falls behind the head and neck."""
    h = shade(p.hair, 0.85)                     # in shadow behind the head
    if p.hair_style == "long":
        pen.polygon(arc(0, -1, p.rx + 2.6, p.ry + 1.8, 180, 360) +
                    [(p.rx + 3.2, 14), (p.rx + 1, 20), (-p.rx - 1, 20), (-p.rx - 3.2, 14)], h)
    elif p.hair_style == "bob":
        pen.polygon(arc(0, -1, p.rx + 2.4, p.ry + 1.6, 180, 360) +
                    [(p.rx + 2.6, 7), (-p.rx - 2.6, 7)], h)
    elif p.hair_style == "curls":
        for i in range(11):
            a = math.radians(170 + 200 * i / 10)
            pen.ellipse(math.cos(a) * (p.rx + 1.2), math.sin(a) * (p.ry + 0.2) - 0.5, 3.2, 3.2,
                        fill=h)
    elif p.hair_style == "ponytail":
        pen.polygon([(p.rx - 1, -6), (p.rx + 4, -2), (p.rx + 5, 10), (p.rx + 1, 12)], h)


def draw_hair_front(pen, p):
    """Hair on top of the head, over the face's upper edge."""
    h = p.hair
    dark = shade(h, 0.75)
    s = p.hair_style
    if s == "bald":
        pen.polygon([(-p.rx - 0.6, -4), (-p.rx + 1.8, -5.5), (-p.rx + 1.5, 1), (-p.rx - 0.6, 1)], h)
        pen.polygon([(p.rx + 0.6, -4), (p.rx - 1.8, -5.5), (p.rx - 1.5, 1), (p.rx + 0.6, 1)], h)
        pen.ellipse(-2.5, -p.ry * 0.75, 2.2, 1.2, fill=shade(p.skin, 1.08))
        return
    if s == "curly":
        for i in range(9):
            a = math.radians(195 + 150 * i / 8)
            pen.ellipse(math.cos(a) * p.rx * 0.95, math.sin(a) * p.ry * 0.95 - 1, 2.8, 2.8, fill=h)
        return
    line = {"short": 0.55, "parted": 0.6, "crew": 0.7, "long": 0.45, "bob": 0.35,
            "curls": 0.55, "bun": 0.62, "updo": 0.6, "ponytail": 0.62}[s]
    part = {"parted": -0.4, "long": 0.25, "bob": -0.2}.get(s, 0.0)
    grow = {"crew": 0.5, "updo": 2.6, "bob": 1.6, "long": 1.8}.get(s, 1.1)
    pen.polygon(hair_cap(p, line, part, grow + 0.5), dark)
    pen.polygon(hair_cap(p, line, part, grow), h)
    if s == "bun":
        pen.ellipse(0, -p.ry - 2.6, 3.6, 3.0, fill=h)
        pen.line([(-2.5, -p.ry - 1), (2.5, -p.ry - 1)], dark, 0.5)
    if s in ("parted", "short", "updo", "long"):
        px = part * p.rx
        pen.line([(px, -p.ry * line - 1), (px + 1.5, -p.ry - 0.5)], dark, 0.5)


def draw_face(pen, p):
    """Ears, face lit from the upper left, cheeks, eyes, brows, nose, mouth."""
    skin, dark = p.skin, shade(p.skin, 0.82)
    for side in (-1, 1):                        # ears
        pen.ellipse(side * p.rx * 0.98, 0.8, 1.5, 2.5, fill=dark)
    pen.polygon(face_outline(p), dark)          # shadow side, then lit face
    pen.polygon(face_outline(p, 0.93, -0.6, -0.4), skin)
    blush = 0.15 if p.female else 0.06
    for side in (-1, 1):                        # cheeks, the lit one warmer
        pen.ellipse(side * p.rx * 0.42, 2.5, 2.2, 1.4,
                    fill=mix(skin, (230, 120, 110), blush * (1.2 if side < 0 else 0.8)))
    brow = shade(p.hair, 0.6) if p.hair[0] < 200 else (120, 116, 110)
    g = p.eye_gap
    for side in (-1, 1):
        pen.ellipse(side * g, -1.0, 1.7, 1.0, fill=(244, 240, 234))
        pen.ellipse(side * g + 0.2, -1.0, 0.95, 0.95, fill=(40, 30, 28))
        pen.line([(side * (g - 2.0), -3.4), (side * (g + 2.2), -4.0)], brow, 0.85)
    pen.line([(0.3, -0.6), (0.9, 3.4), (-0.4, 3.9)], shade(skin, 0.7), 0.6)
    lips = (176, 70, 72) if p.female else shade(skin, 0.62)
    if p.smile:
        pen.line(arc(0, 4.8, 2.8, 1.8, 20, 160, 10), lips, 0.8 if not p.female else 1.1)
    else:
        pen.line([(-2.5, 6.4), (2.5, 6.4)], lips, 0.8 if not p.female else 1.2)


def draw_facial_hair(pen, p):
    """Beards and moustaches, in the hair colour."""
    h = p.hair
    f = p.facial
    if f == "beard":                            # jaw and chin, round the mouth
        jaw = sorted(((x, y) for x, y in face_outline(p, 1.05) if y > 0.5),
                     key=lambda q: math.atan2(q[1], q[0]))
        pen.polygon(jaw + arc(0, 5.2, 3.6, 2.6, 180, 360, 12), h)
    elif f == "chops":                          # side whiskers down to the moustache
        for side in (-1, 1):
            pen.polygon([(side * p.rx * 1.02, -3.5), (side * p.rx * 1.0, 3.5),
                         (side * p.rx * 0.8, 7.5), (side * 3.4, 6.2), (side * 3.6, 4.2),
                         (side * p.rx * 0.72, 1.5), (side * p.rx * 0.8, -3.5)], h)
    if f in ("moustache", "beard", "chops", "goatee"):
        pen.polygon([(-3.4, 5.4), (0, 4.0), (3.4, 5.4), (0, 5.0)], h)
    if f == "handlebar":
        pen.polygon([(-3.0, 5.2), (0, 3.9), (3.0, 5.2), (0, 4.9)], h)
        pen.line([(-2.8, 5.1), (-4.6, 4.6), (-4.9, 3.6)], h, 0.7)
        pen.line([(2.8, 5.1), (4.6, 4.6), (4.9, 3.6)], h, 0.7)
    if f == "goatee":
        pen.ellipse(0, p.ry - 1.8, 2.0, 2.0, fill=h)


def draw_extras(pen, p):
    """Glasses, hats and earrings."""
    g = p.eye_gap
    frame = (50, 40, 36) if p.glasses != "round" else (150, 130, 80)
    if p.glasses == "round":
        for side in (-1, 1):
            pen.ellipse(side * g, -1.0, 2.3, 2.3, outline=frame, width=0.45)
        pen.line([(-g + 2.3, -1.2), (g - 2.3, -1.2)], frame, 0.45)
    elif p.glasses == "square":
        for side in (-1, 1):
            pen.rect(side * g - 2.5, -2.9, side * g + 2.5, 0.8, outline=frame, width=0.6)
        pen.line([(-g + 2.5, -1.6), (g - 2.5, -1.6)], frame, 0.6)
    if p.earrings:
        for side in (-1, 1):
            pen.ellipse(side * p.rx * 0.98, 3.8, 0.8, 0.8, fill=(222, 190, 90))
    if p.hat == "bowler":
        c = (30, 28, 28)
        pen.ellipse(0, -p.ry * 0.62, p.rx + 3.8, 1.5, fill=c)
        pen.polygon(arc(0, -p.ry * 0.62, p.rx + 0.6, 7.5, 180, 360), c)
    elif p.hat == "cap":
        c = shade(p.second, 0.8)
        pen.polygon(arc(0, -p.ry * 0.55, p.rx + 1.4, 6.2, 180, 360), c)
        pen.polygon([(-p.rx - 1.4, -p.ry * 0.55), (p.rx + 1.4, -p.ry * 0.55),
                     (p.rx - 1, -p.ry * 0.55 + 2.2), (-p.rx - 3, -p.ry * 0.55 + 1.2)],
                    shade(c, 0.8))
    elif p.hat == "brim":
        c = p.second
        pen.ellipse(0, -p.ry * 0.6, p.rx + 7, 2.4, fill=shade(c, 0.85))
        pen.polygon(arc(0, -p.ry * 0.6, p.rx + 0.5, 6.5, 180, 360), c)
        pen.rect(-p.rx - 0.5, -p.ry * 0.6 - 1.6, p.rx + 0.5, -p.ry * 0.6, (236, 230, 220))
        pen.ellipse(p.rx - 1.5, -p.ry * 0.6 - 2.2, 1.6, 1.6, fill=(200, 60, 70))


def to_sepia(img, p):
    """Old photograph: brown tones, a card mount or fading, a little grain."""
    grey = ImageOps.autocontrast(img.convert("L"), cutoff=1)
    lut = [mix((38, 24, 14), (148, 108, 68), v / 128) if v < 128 else
           mix((148, 108, 68), (244, 230, 200), (v - 128) / 127) for v in range(256)]
    if p.card != "plain":
        w, h = img.size
        mask = Image.new("L", (w, h), 0)
        ImageDraw.Draw(mask).ellipse((w * 0.06, h * 0.04, w * 0.94, h * 1.08), fill=255)
        mask = mask.filter(ImageFilter.GaussianBlur(w * 0.08))
        edge = 236 if p.card == "oval" else 40
        grey = Image.composite(grey, Image.new("L", (w, h), edge), mask)
    r = random.Random(p.grain_seed)
    grain = bytes(r.randrange(122, 135) for _ in range(grey.width * grey.height))
    noise = Image.frombytes("L", grey.size, grain)
    grey = ImageChops.add(grey, noise, 1.0, -128)
    return Image.merge("RGB", [grey.point([c[i] for c in lut]) for i in range(3)])


def draw_portrait(name, width, height, look):
    """A head-and-shoulders likeness; look is "sepia" for the older
    generations, "colour" for the younger."""
    p = Person(name, look == "sepia")
    img = Image.new("RGB", (width * SCALE, height * SCALE))
    draw_backdrop(img, p)
    # The figure fills a 51 x 60 picture; other sizes scale it by height and
    # keep it a little left of centre in wide pictures, whose right columns
    # the portrait boxes cut off.
    s = min(height / REF_H, width / (REF_W - 3))
    cx = (width + min(width, REF_W)) / 4 + p.shift * s
    pen = Pen(ImageDraw.Draw(img), cx * SCALE, 23 * s * SCALE, s * SCALE)
    draw_hair_back(pen, p)
    draw_body(pen, p)
    draw_face(pen, p)
    draw_facial_hair(pen, p)
    draw_hair_front(pen, p)
    draw_extras(pen, p)
    img = img.resize((width, height), Image.LANCZOS)
    return to_sepia(img, p) if p.old else img


def portrait_jpeg(img, progressive, subsampling, name):
    """Encodes a portrait, choosing a quality that keeps the file in range."""
    for quality in (90, 93, 95, 97, 86, 80):
        data = jpeg_bytes(img, progressive, subsampling, quality)
        if PORTRAIT_BYTES[0] <= len(data) <= PORTRAIT_BYTES[1]:
            return data
    sys.exit("%s: no quality gives a file of %d..%d bytes" % ((name,) + PORTRAIT_BYTES))


def jpeg_bytes(img, progressive, subsampling, quality=90):
    buf = io.BytesIO()
    img.save(buf, "JPEG", quality=quality, progressive=progressive,
             subsampling={"4:2:0": 2, "4:4:4": 0}[subsampling], optimize=False)
    return buf.getvalue()


# --- Backgrounds -------------------------------------------------------------

def smooth_noise(r, size, grid):
    """Soft random field in 0..255: a coarse random grid enlarged smoothly."""
    gw, gh = grid
    small = Image.frombytes("L", (gw, gh), bytes(r.randrange(256) for _ in range(gw * gh)))
    return small.resize(size, Image.BICUBIC)


def vignette(img, strength):
    """Darkens towards the edges and corners."""
    w, h = img.size
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).ellipse((-w * 0.15, -h * 0.2, w * 1.15, h * 1.2), fill=255)
    mask = mask.filter(ImageFilter.GaussianBlur(min(w, h) * 0.18))
    dark = img.point(lambda v: round(v * (1 - strength)))
    return Image.composite(img, dark, mask)


def draw_wood_panel(width, height, r):
    """Gallery wall: vertical boards of warm, darkish wood with a soft grain."""
    img = Image.new("RGB", (width, height))
    x = 0
    while x < width:
        board = r.randint(96, 150)
        base = (r.randint(104, 124), r.randint(66, 80), r.randint(36, 46))
        grain = smooth_noise(r, (board, height), (max(4, board // 5), 9)).load()
        streak = smooth_noise(r, (board, height), (max(4, board // 2), 3)).load()
        phase = r.uniform(0, 6.3)
        px = img.load()
        for bx in range(board):
            if x + bx >= width:
                break
            for y in range(height):
                ring = math.sin(bx * 0.35 + grain[bx, y] * 0.05 + phase)
                f = 0.86 + 0.1 * ring + 0.12 * (streak[bx, y] - 128) / 128
                if bx < 2:
                    f *= 0.45                   # joint between two boards
                elif bx == 2:
                    f *= 1.12
                px[x + bx, y] = shade(base, f)
        x += board
    return vignette(img.filter(ImageFilter.GaussianBlur(0.6)), 0.45)


class Tree:
    """A tree of tapering branches, grown first and painted afterwards."""

    def __init__(self, r, depth, spread, shrink):
        self.r, self.depth, self.spread, self.shrink = r, depth, spread, shrink
        self.segments = []      # (x, y, x2, y2, start width, end width)
        self.leaf_spots = []    # branch ends high in the crown

    def grow(self, x, y, angle, length, width, level=0):
        r = self.r
        x2 = x + length * math.cos(angle)
        y2 = y - length * math.sin(angle)
        w2 = width * r.uniform(0.62, 0.72)
        self.segments.append((x, y, x2, y2, width, w2))
        if level >= self.depth - 2:
            self.leaf_spots.append((x2, y2))
        if level >= self.depth or w2 < 1.2:
            return
        n = 3 if level < 2 and r.random() < 0.35 else 2
        for i in range(n):
            offset = self.spread * (2 * i / (n - 1) - 1)
            a = angle + offset * r.uniform(0.6, 1.1) + r.uniform(-0.15, 0.15)
            self.grow(x2, y2, a, length * r.uniform(*self.shrink), w2, level + 1)

    def add_roots(self, x, y, width):
        for side in (-1, 1):
            self.segments.append((x, y - width * 1.3, x + side * width * 1.6, y + 2,
                                  width * 0.7, width * 0.25))

    def fit(self, x, y, left, top, right):
        """Scales the tree about its foot (x, y) to reach the box's edges."""
        xs = [v for s in self.segments for v in (s[0], s[2])]
        ys = [v for s in self.segments for v in (s[1], s[3])]
        k = min((y - top) / (y - min(ys)), (x - left) / max(1, x - min(xs)),
                (right - x) / max(1, max(xs) - x))
        move = lambda px, py: (x + (px - x) * k, y + (py - y) * k)
        self.segments = [move(a, b) + move(c, d) + (w * k, w2 * k)
                         for a, b, c, d, w, w2 in self.segments]
        self.leaf_spots = [move(a, b) for a, b in self.leaf_spots]

    def paint(self, draw, colour, extra=0.0):
        """Paints the branches, each widened by extra pixels on both sides."""
        for x, y, x2, y2, w, w2 in self.segments:
            a = math.atan2(y2 - y, x2 - x) + math.pi / 2
            hw, hw2 = max(0.5, w / 2 + extra), max(0.5, w2 / 2 + extra)
            dx, dy = math.cos(a), math.sin(a)
            draw.polygon([(x + dx * hw, y + dy * hw), (x2 + dx * hw2, y2 + dy * hw2),
                          (x2 - dx * hw2, y2 - dy * hw2), (x - dx * hw, y - dy * hw)],
                         fill=colour)
            draw.ellipse((x2 - hw2, y2 - hw2, x2 + hw2, y2 + hw2), fill=colour)


def tree_picture(width, height, r, ground, bark, leaves=None, outline=None, oversample=2):
    """One tree standing at the bottom centre of a plain ground. leaves are
    three greens (shadow, body, light) for a leafy crown; outline draws the
    tree as an outline in that colour with the ground showing inside."""
    S = oversample
    w, h = width * S, height * S
    img = Image.new("RGB", (w, h), ground)
    d = ImageDraw.Draw(img)
    foot_x, foot_y = w * 0.5, h * 0.985
    trunk = min(w, h) * (0.08 if leaves else 0.06)
    tree = Tree(r, depth=6 if leaves else 8, spread=0.55 if leaves else 0.46,
                shrink=(0.7, 0.82) if leaves else (0.7, 0.83))
    tree.grow(foot_x, foot_y, math.pi / 2 + r.uniform(-0.04, 0.04), h * 0.25, trunk)
    tree.add_roots(foot_x, foot_y, trunk)
    margin = 0.11 * min(w, h) if leaves else 0.03 * min(w, h)
    tree.fit(foot_x, foot_y, margin, margin, w - margin)
    if outline:
        tree.paint(d, outline, extra=1.8 * S)
        tree.paint(d, ground, extra=-0.3 * S)
    else:
        tree.paint(d, bark)
    if leaves:                                  # clumps of leaves, lit from the top left
        blobs = []
        for tx, ty in tree.leaf_spots:
            for _ in range(2):
                rad = r.uniform(0.035, 0.06) * min(w, h)
                blobs.append((tx + r.uniform(-1, 1) * rad, ty + r.uniform(-1, 1) * rad, rad))
        for colour, off, k in zip(leaves, (0, -0.25, -0.45), (1.15, 0.85, 0.45)):
            for bx, by, rad in blobs:
                rr, cx, cy = rad * k, bx + off * rad, by + off * rad
                d.ellipse((cx - rr, cy - rr, cx + rr, cy + rr), fill=colour)
    return img.resize((width, height), Image.LANCZOS)


def draw_background(look, width, height, r):
    if look == "wood-panel":
        return draw_wood_panel(width, height, r)
    if look == "tree-leafy-light-blue":
        return tree_picture(width, height, r, (176, 214, 240), (66, 44, 30),
                            leaves=((38, 100, 44), (62, 138, 56), (104, 170, 80)))
    if look == "tree-bare-yellow-dark-blue":
        img = tree_picture(width, height, r, (18, 28, 84), (236, 204, 48))
        return vignette(img, 0.3)
    if look == "tree-leafy-green-light-grey":
        return tree_picture(width, height, r, (214, 214, 210), (92, 66, 42),
                            leaves=((46, 112, 40), (76, 150, 58), (128, 186, 84)))
    if look == "tree-outline-green":
        return tree_picture(width, height, r, (72, 146, 82), None, outline=(20, 52, 26))
    raise ValueError("unknown background look %r" % look)


def gif_bytes(img):
    """GIF89a, interlaced, with a full 256-colour global table and no
    transparent colour."""
    pal = img.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    colours = pal.getpalette()[:768]
    pal.putpalette(colours + [0] * (768 - len(colours)))
    buf = io.BytesIO()
    pal.save(buf, "GIF", interlace=True, optimize=False)
    data = bytearray(buf.getvalue())
    # Pillow labels a file without extension blocks GIF87a; the windows'
    # picture records carry GIF89a, and the blocks are the same for both.
    data[:6] = b"GIF89a"
    return bytes(data)


# --- Icons -------------------------------------------------------------------

# The classic 16-colour palette; icons draw with these indices.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW, \
    BLUE, FUCHSIA, AQUA, WHITE = range(16)


class IconCanvas:
    """A 32 x 32 picture in palette indices with its opacity mask."""

    def __init__(self):
        self.img = Image.new("P", (32, 32), 0)
        self.mask = Image.new("1", (32, 32), 0)
        self.d, self.m = ImageDraw.Draw(self.img), ImageDraw.Draw(self.mask)

    def __getattr__(self, shape):              # rectangle, ellipse, polygon, line
        def both(xy, colour, **kw):
            getattr(self.d, shape)(xy, fill=colour, **kw)
            getattr(self.m, shape)(xy, fill=1, **kw)
        return both


def icon_branches(c, x, y, angle, length, depth, colour, width):
    x2, y2 = x + length * math.cos(angle), y - length * math.sin(angle)
    c.line((x, y, x2, y2), colour, width=width)
    if depth:
        for turn in (-0.5, 0.45):
            icon_branches(c, x2, y2, angle + turn, length * 0.68, depth - 1, colour,
                          max(1, width - 1))


def draw_icon(look):
    c = IconCanvas()
    if look == "icon-frame":                    # gilt frame around a small portrait
        c.rectangle((3, 1, 28, 30), OLIVE)
        c.rectangle((5, 3, 26, 28), YELLOW)
        c.rectangle((7, 5, 24, 26), MAROON)
        c.ellipse((9, 18, 22, 30), GREY)        # shoulders, cut off by the mat below
        c.ellipse((11, 8, 20, 18), SILVER)
        c.rectangle((7, 26, 24, 26), MAROON)
        c.rectangle((5, 27, 26, 28), YELLOW)
        c.rectangle((3, 29, 28, 30), OLIVE)
        c.line((6, 4, 25, 4), WHITE)            # glint on the gilt
    elif look == "icon-tree-round":             # leafy tree, dark trunk
        c.polygon([(14, 31), (14, 18), (12, 15), (15, 16), (16, 12), (17, 16), (20, 14),
                   (18, 18), (18, 31)], MAROON)
        c.ellipse((4, 2, 27, 21), GREEN)
        c.ellipse((7, 3, 22, 15), LIME)
        c.ellipse((9, 5, 14, 9), WHITE)
        c.rectangle((15, 21, 17, 31), MAROON)
    elif look == "icon-tree-autumn":            # autumn tree of red and gold blobs
        c.rectangle((15, 17, 17, 31), MAROON)
        c.line((16, 22, 11, 17), MAROON, width=2)
        for box, colour in (((3, 7, 15, 19), RED), ((15, 6, 28, 19), MAROON),
                            ((7, 1, 22, 14), OLIVE), ((10, 9, 20, 19), YELLOW),
                            ((5, 4, 11, 10), RED), ((21, 3, 26, 8), YELLOW)):
            c.ellipse(box, colour)
    elif look == "icon-tree-bare":              # bare yellow tree on a dark blue disc
        c.ellipse((0, 0, 31, 31), NAVY)
        icon_branches(c, 16, 29, math.pi / 2, 9, 3, YELLOW, 3)
    elif look == "icon-tree-fir":               # fir tree on a grey ground
        c.rectangle((2, 28, 29, 30), GREY)
        c.rectangle((14, 24, 17, 29), MAROON)
        for top, half, bottom in ((2, 6, 12), (7, 9, 18), (12, 12, 25)):
            c.polygon([(16, top), (16 + half, bottom), (15 - half, bottom)], GREEN)
        c.polygon([(16, 2), (19, 8), (15, 8)], LIME)
        c.rectangle((10, 20, 11, 21), LIME)
        c.rectangle((20, 14, 21, 15), LIME)
    elif look == "icon-tree-outline":           # tree outline on a green tile
        c.rectangle((1, 1, 30, 30), GREEN)
        c.rectangle((0, 2, 31, 29), GREEN)
        c.rectangle((2, 0, 29, 31), GREEN)
        icon_branches(c, 16, 30, math.pi / 2, 10, 3, BLACK, 5)
        icon_branches(c, 16, 30, math.pi / 2, 10, 3, LIME, 3)
    else:
        raise ValueError("unknown icon look %r" % look)
    return c.img, c.mask


def ico_bytes(img, mask):
    """A one-image icon file: 32 x 32, 4 bits per pixel, 16-colour palette,
    AND mask; 766 bytes."""
    xor = bytearray()
    andmask = bytearray()
    px, mk = img.load(), mask.load()
    for y in range(31, -1, -1):                 # bitmaps run bottom-up
        for x in range(0, 32, 2):
            a = px[x, y] if mk[x, y] else 0
            b = px[x + 1, y] if mk[x + 1, y] else 0
            xor.append(a << 4 | b)
        bits = 0
        for x in range(32):
            bits = bits << 1 | (0 if mk[x, y] else 1)  # 1 = transparent
        andmask += bits.to_bytes(4, "big")
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(xor) + len(andmask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(andmask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4,
                                                           len(image), 22)
    return directory + image


# --- Main --------------------------------------------------------------------

def read_manifest():
    with open(MANIFEST, encoding="utf-8") as f:
        lines = f.read().splitlines()
    header = lines[0].split("\t")
    return [dict(zip(header, line.split("\t"))) for line in lines[1:] if line]


def make(row):
    name, look = row["file"], row["look"]
    w, h = int(row["width"]), int(row["height"])
    if name.startswith("portraits/"):
        img = draw_portrait(name, w, h, look)
        return portrait_jpeg(img, row["coding"] == "progressive", row["subsampling"], name)
    if row["format"] == "ico":
        return ico_bytes(*draw_icon(look))
    img = draw_background(look, w, h, seeded(name))
    if row["format"] == "gif":
        return gif_bytes(img)
    return jpeg_bytes(img, row["coding"] == "progressive", row["subsampling"])


def main():
    if not os.path.isfile(MANIFEST):
        sys.exit("run from the repository root: %s not found" % MANIFEST)
    rows = read_manifest()
    for row in rows:
        data = make(row)
        path = os.path.join(CONTENT, row["file"])
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    print("wrote %d pictures" % len(rows))


if __name__ == "__main__":
    main()
