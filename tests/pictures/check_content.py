#!/usr/bin/python3
"""Checks the committed picture content against the program's picture tables.

Usage: /usr/bin/python3 tests/pictures/check_content.py <repo-root>

Reads pictures/content/manifest.tsv and every image it names, and checks
- the manifest: which portrait, background and icon each window shows, the
  pixel sizes, the shared images and the JPEG codings;
- the files: format, pixel size and coding read from their own headers.
"""

import io
import os
import struct
import sys
from collections import Counter

from PIL import Image

# --- Expected data -----------------------------------------------------------

# Portrait picture sizes per window: (width, height) -> picture numbers.
# Form1's Picture47 has no picture.
PORTRAITS = {
    "Form1": {
        (51, 60): [1, 4, 5, 7, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
                   31, 33, 34, 35, 36, 37, 38, 39, 40, 41, 44, 45, 46, 48, 49,
                   52, 53],
        (60, 68): [26, 27, 28, 29],
        (53, 60): [6, 11, 12, 32, 50],
        (50, 60): [8, 30, 55],
        (62, 60): [9], (57, 60): [10], (50, 59): [57], (55, 60): [3],
        (54, 60): [42], (50, 58): [43], (50, 57): [13], (52, 60): [54],
        (50, 62): [56], (49, 60): [2], (50, 61): [51],
    },
    "Form2": {
        (51, 60): [1, 6, 22, 23, 24, 25], (53, 60): [11, 12],
        (49, 60): [2], (55, 60): [3], (60, 68): [4], (40, 45): [5],
    },
    "Form3": {
        (51, 60): [6, 17, 22, 23, 24, 25, 34, 36], (53, 60): [11, 12],
    },
    "Form4": {
        (60, 68): [26, 27, 28, 29], (49, 60): [2], (55, 60): [3],
        (57, 60): [10], (62, 60): [9], (50, 60): [8],
    },
    "Form5": {
        (51, 60): [1, 3, 4, 5, 8], (53, 60): [2, 9], (50, 61): [10],
        (54, 60): [6], (50, 58): [7],
    },
    "Form6": {
        (51, 60): [1, 2, 3, 4, 5, 6, 7, 14, 15, 16, 18, 19, 20, 21],
        (50, 62): [9], (52, 60): [8], (50, 57): [13],
    },
}
USES_PER_WINDOW = {"Form1": 56, "Form2": 12, "Form3": 10, "Form4": 9,
                   "Form5": 10, "Form6": 17}

# Portrait sizes over all uses: (width, height) -> (uses, distinct images).
SIZE_COUNTS = {
    (51, 60): (66, 55), (53, 60): (11, 5), (60, 68): (9, 5), (50, 60): (4, 3),
    (49, 60): (3, 1), (55, 60): (3, 1), (50, 57): (2, 1), (50, 59): (1, 1),
    (50, 58): (2, 1), (50, 61): (2, 1), (50, 62): (2, 1), (52, 60): (2, 1),
    (54, 60): (2, 1), (57, 60): (2, 1), (62, 60): (2, 1), (40, 45): (1, 1),
}

# Portraits that show one and the same image.
SHARED = [
    "Form1.Picture1 Form2.Picture1",
    "Form1.Picture2 Form2.Picture2 Form4.Picture2",
    "Form1.Picture3 Form2.Picture3 Form4.Picture3",
    "Form1.Picture5 Form6.Picture5",
    "Form1.Picture6 Form5.Picture2",
    "Form1.Picture7 Form5.Picture3",
    "Form1.Picture8 Form4.Picture8",
    "Form1.Picture9 Form4.Picture9",
    "Form1.Picture10 Form4.Picture10",
    "Form1.Picture11 Form2.Picture11 Form3.Picture11",
    "Form1.Picture12 Form2.Picture12 Form3.Picture12",
    "Form1.Picture13 Form6.Picture13",
    "Form1.Picture14 Form6.Picture14",
    "Form1.Picture17 Form3.Picture17",
    "Form1.Picture26 Form4.Picture26",
    "Form1.Picture27 Form4.Picture27",
    "Form1.Picture28 Form4.Picture28",
    "Form1.Picture29 Form4.Picture29",
    "Form1.Picture42 Form5.Picture6",
    "Form1.Picture43 Form5.Picture7",
    "Form1.Picture46 Form2.Picture6 Form3.Picture6",
    "Form1.Picture50 Form5.Picture9",
    "Form1.Picture51 Form5.Picture10",
    "Form1.Picture54 Form6.Picture8",
    "Form1.Picture56 Form6.Picture9",
    "Form2.Picture22 Form3.Picture22",
    "Form2.Picture23 Form3.Picture23",
    "Form2.Picture24 Form3.Picture24",
    "Form2.Picture25 Form3.Picture25",
]
DISTINCT_PORTRAITS = 80
SINGLE_USE_PORTRAITS = 51
# Codings counted over the 114 portrait uses.
CODING_COUNTS = {("progressive", None): 90, ("baseline", "4:2:0"): 9,
                 ("baseline", "4:4:4"): 15}
PORTRAIT_BYTES = (1091, 13843)

# Background pictures: uses -> (format, coding, width, height).
BACKGROUNDS = {
    "Form1.Picture": ("jpeg", "baseline", 900, 494),
    "Form2.Picture Form3.Picture": ("gif", "interlaced", 500, 500),
    "Form4.Picture": ("jpeg", "baseline", 420, 400),
    "Form5.Picture": ("jpeg", "progressive", 370, 350),
    "Form6.Picture": ("jpeg", "progressive", 539, 655),
}
ICON_USES = ["Form%d.Icon" % n for n in range(1, 7)]
ICON_BYTES = 766

SIGNATURES = {"jpeg": b"\xff\xd8", "gif": b"GIF89a", "ico": b"\x00\x00\x01\x00"}
HEADER = "file format width height coding subsampling look uses".split()

# --- Reporting ---------------------------------------------------------------

passed = 0
failures = []


def check(ok, message):
    global passed
    if ok:
        passed += 1
    else:
        failures.append(message)
        print("FAIL: " + message)
    return ok


# --- Header readers ----------------------------------------------------------

def jpeg_info(data):
    """Returns (sof marker, width, height, [sampling bytes]) of a JPEG."""
    pos = 2
    while pos + 4 <= len(data):
        if data[pos] != 0xFF:
            raise ValueError("marker expected at %d" % pos)
        marker = data[pos + 1]
        if marker == 0xFF:
            pos += 1
            continue
        if 0xD0 <= marker <= 0xD7 or marker == 0x01:
            pos += 2
            continue
        length = struct.unpack(">H", data[pos + 2:pos + 4])[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            h, w, n = struct.unpack(">HHB", data[pos + 5:pos + 10])
            comps = data[pos + 10:pos + 10 + 3 * n]
            return marker, w, h, [comps[3 * i + 1] for i in range(n)]
        if marker == 0xDA:
            break
        pos += 2 + length
    raise ValueError("no SOF marker")


def gif_info(data):
    """Returns (width, height, global table entries, interlaced, transparent)."""
    w, h, packed = struct.unpack("<HHB", data[6:11])
    table = 2 << (packed & 7) if packed & 0x80 else 0
    pos, interlaced, transparent, images = 13 + 3 * table, [], False, 0
    while data[pos] != 0x3B:
        if data[pos] == 0x21:
            if data[pos + 1] == 0xF9 and data[pos + 3] & 1:
                transparent = True
            pos += 2
        elif data[pos] == 0x2C:
            interlaced.append(bool(data[pos + 9] & 0x40))
            if data[pos + 9] & 0x80:
                pos += 3 * (2 << (data[pos + 9] & 7))
            pos += 11
            images += 1
        else:
            raise ValueError("unknown GIF block at %d" % pos)
        while data[pos]:          # data sub-blocks
            pos += data[pos] + 1
        pos += 1
    return w, h, table, images == 1 and all(interlaced), transparent


def ico_problems(data):
    """Lists the ways an icon differs from one 32x32, 4-bit, masked image."""
    problems = []
    if len(data) != ICON_BYTES:
        problems.append("%d bytes, not %d" % (len(data), ICON_BYTES))
        return problems
    if struct.unpack("<HHH", data[:6]) != (0, 1, 1):
        problems.append("icon directory is not one icon entry")
    w, h, colours, _, planes, bits, size, offset = struct.unpack(
        "<BBBBHHII", data[6:22])
    if (w, h, colours, planes, bits, size, offset) != (32, 32, 16, 1, 4, 744, 22):
        problems.append("directory entry %r" % ((w, h, colours, planes, bits, size, offset),))
    hdr = struct.unpack("<IiiHHIIiiII", data[22:62])
    if hdr[:6] != (40, 32, 64, 1, 4, 0) or hdr[9] not in (0, 16):
        problems.append("bitmap header %r (want 40-byte, 32x64 for image and mask, "
                        "4 bits, uncompressed, 16 colours)" % (hdr,))
    mask = data[22 + 40 + 64 + 512:]
    if len(mask) != 128 or not any(mask) or all(b == 0xFF for b in mask):
        problems.append("AND mask missing or without transparent and opaque pixels")
    return problems


# --- Manifest checks ---------------------------------------------------------

def read_manifest(root):
    path = os.path.join(root, "pictures", "content", "manifest.tsv")
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    check(lines and lines[0].split("\t") == HEADER, "manifest header is %r" % lines[:1])
    rows = []
    for line in lines[1:]:
        cells = line.split("\t")
        if check(len(cells) == len(HEADER), "manifest row %r has %d cells" % (line, len(cells))):
            row = dict(zip(HEADER, cells))
            row["width"], row["height"] = int(row["width"]), int(row["height"])
            row["uses"] = row["uses"].split()
            rows.append(row)
    return rows


def check_manifest(rows):
    portraits = [r for r in rows if r["file"].startswith("portraits/")]
    expected = {}
    for form, sizes in PORTRAITS.items():
        for size, numbers in sizes.items():
            for n in numbers:
                expected["%s.Picture%d" % (form, n)] = size
    check(len(expected) == 114 and all(
        sum(u.startswith(f + ".") for u in expected) == n for f, n in USES_PER_WINDOW.items()),
        "expected portrait table is not 114 uses split as %r" % USES_PER_WINDOW)

    uses = [(u, r) for r in portraits for u in r["uses"]]
    names = [u for u, _ in uses]
    check(len(names) == len(set(names)), "portrait uses listed twice: %s" % sorted(
        u for u, n in Counter(names).items() if n > 1))
    check(set(names) == set(expected), "portrait uses missing %s, unexpected %s" % (
        sorted(set(expected) - set(names)), sorted(set(names) - set(expected))))
    for use, row in uses:
        if use in expected:
            check((row["width"], row["height"]) == expected[use], "%s is %dx%d, want %dx%d" % (
                use, row["width"], row["height"], *expected[use]))
    for row in portraits:
        first = row["uses"][0].replace(".", "_").lower()
        check(row["file"] == "portraits/%s.jpg" % first, "%s is not named after %s" % (
            row["file"], row["uses"][0]))
        check(row["format"] == "jpeg", "%s is not a JPEG" % row["file"])

    check(len(portraits) == DISTINCT_PORTRAITS, "%d portrait images, want %d" % (
        len(portraits), DISTINCT_PORTRAITS))
    shared = {frozenset(r["uses"]) for r in portraits if len(r["uses"]) > 1}
    want = {frozenset(group.split()) for group in SHARED}
    check(shared == want, "shared images differ: missing %s, unexpected %s" % (
        [" ".join(sorted(g)) for g in want - shared], [" ".join(sorted(g)) for g in shared - want]))
    check(sum(len(r["uses"]) == 1 for r in portraits) == SINGLE_USE_PORTRAITS,
          "portrait images used once: want %d" % SINGLE_USE_PORTRAITS)

    uses_by_size, images_by_size = Counter(), Counter()
    for row in portraits:
        uses_by_size[row["width"], row["height"]] += len(row["uses"])
        images_by_size[row["width"], row["height"]] += 1
    sizes = {s: (uses_by_size[s], images_by_size[s]) for s in images_by_size}
    check(sizes == SIZE_COUNTS, "size counts %r, want %r" % (sizes, SIZE_COUNTS))

    codings = Counter()
    for row in portraits:
        key = (row["coding"], row["subsampling"] if row["coding"] == "baseline" else None)
        codings[key] += len(row["uses"])
    check(dict(codings) == CODING_COUNTS, "portrait codings over uses %r, want %r" % (
        dict(codings), CODING_COUNTS))

    backgrounds = {" ".join(r["uses"]): r for r in rows if r["file"].startswith("backgrounds/")}
    check(sorted(backgrounds) == sorted(BACKGROUNDS), "background uses %s" % sorted(backgrounds))
    for uses_, (fmt, coding, w, h) in BACKGROUNDS.items():
        r = backgrounds.get(uses_)
        if r:
            check((r["format"], r["coding"], r["width"], r["height"]) == (fmt, coding, w, h),
                  "background %s is %s %s %dx%d, want %s %s %dx%d" % (
                      uses_, r["format"], r["coding"], r["width"], r["height"], fmt, coding, w, h))

    icons = [r for r in rows if r["file"].startswith("icons/")]
    check(sorted(u for r in icons for u in r["uses"]) == sorted(ICON_USES)
          and all(len(r["uses"]) == 1 and r["format"] == "ico" and
                  (r["width"], r["height"]) == (32, 32) for r in icons),
          "icons are not one 32x32 ico per window: %r" % [(r["file"], r["uses"]) for r in icons])
    check(len(portraits) + len(backgrounds) + len(icons) == len(rows),
          "manifest rows outside portraits/, backgrounds/, icons/")


# --- File checks -------------------------------------------------------------

def check_file(root, row):
    """Checks one manifest row's file; returns its bytes (None when missing)."""
    name = row["file"]
    path = os.path.join(root, "pictures", "content", name)
    if not check(os.path.isfile(path), "%s is missing" % name):
        return None
    with open(path, "rb") as f:
        data = f.read()
    fmt, w, h = row["format"], row["width"], row["height"]
    if not check(fmt in SIGNATURES and data.startswith(SIGNATURES[fmt]),
                 "%s does not start like a %s file" % (name, fmt)):
        return data
    try:
        check_headers(name, data, row)
    except (ValueError, IndexError, struct.error) as e:
        check(False, "%s: unreadable %s headers: %s" % (name, fmt, e))

    try:                      # an ordinary decoder must read it at its size
        with Image.open(io.BytesIO(data)) as im:
            im.load()
            check(im.size == (w, h), "%s decodes as %dx%d" % (name, *im.size))
    except Exception as e:    # noqa: BLE001 - report any decoder failure
        check(False, "%s does not decode: %s" % (name, e))
    return data


def check_headers(name, data, row):
    """Checks a file's own headers against its manifest row."""
    fmt, w, h = row["format"], row["width"], row["height"]
    if fmt == "jpeg":
        marker, jw, jh, sampling = jpeg_info(data)
        coding = {0xC0: "baseline", 0xC2: "progressive"}.get(marker, "SOF%X" % marker)
        check((jw, jh) == (w, h), "%s is %dx%d, want %dx%d" % (name, jw, jh, w, h))
        check(coding == row["coding"], "%s is %s, want %s" % (name, coding, row["coding"]))
        check(len(sampling) == 3, "%s has %d colour components, want 3" % (name, len(sampling)))
        sub = {(0x22, 0x11, 0x11): "4:2:0", (0x11, 0x11, 0x11): "4:4:4"}.get(tuple(sampling), "?")
        check(sub == row["subsampling"], "%s sampling %s, want %s" % (
            name, sub, row["subsampling"]))
        if name.startswith("portraits/"):
            lo, hi = PORTRAIT_BYTES
            check(lo <= len(data) <= hi, "%s has %d bytes, want %d..%d" % (name, len(data), lo, hi))
    elif fmt == "gif":
        gw, gh, table, interlaced, transparent = gif_info(data)
        check((gw, gh) == (w, h), "%s is %dx%d, want %dx%d" % (name, gw, gh, w, h))
        check(table == 256, "%s has a %d-colour global table, want 256" % (name, table))
        check(interlaced, "%s is not one interlaced image" % name)
        check(not transparent, "%s has a transparent colour" % name)
    elif fmt == "ico":
        problems = ico_problems(data)
        check(not problems, "%s: %s" % (name, "; ".join(problems)))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: check_content.py <repo-root>")
    root = sys.argv[1]
    rows = read_manifest(root)
    check_manifest(rows)

    contents = {row["file"]: check_file(root, row) for row in rows}
    icons = [contents[r["file"]] for r in rows if r["format"] == "ico"]
    check(len(set(icons)) == len(ICON_USES), "the window icons are not all different")

    base = os.path.join(root, "pictures", "content")
    on_disk = {os.path.relpath(os.path.join(d, f), base).replace(os.sep, "/")
               for d, _, files in os.walk(base) for f in files} - {"manifest.tsv"}
    check(on_disk == set(contents), "files not in the manifest: %s; named but absent: %s" % (
        sorted(on_disk - set(contents)), sorted(set(contents) - on_disk)))

    print("%d passed, %d failed" % (passed, len(failures)))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
