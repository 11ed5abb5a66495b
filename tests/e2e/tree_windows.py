"""The five family-tree windows: where they open and what must show where, in twips."""

# Every portrait of these windows is 800 x 900 twips but Form6's Picture9.
PORTRAIT_SIZE = (800, 900)

WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)
MAROON = (128, 0, 0)

TREE_WINDOWS = {
    "Form2": {
        "opened_by": "Picture1",
        "client": (3450, 2130, 7305, 7335),
        # Each portrait's (left, top), and the gallery portrait that shows the same picture in
        # the same style, where there is one.
        "portraits": {
            "Picture6": ((3720, 2760), None), "Picture1": ((1320, 3960), "Picture1"),
            "Picture2": ((1920, 6240), "Picture2"), "Picture3": ((1680, 5160), "Picture3"),
            "Picture11": ((720, 2760), "Picture11"), "Picture12": ((2520, 2760), "Picture12"),
            "Picture22": ((240, 1440), None), "Picture23": ((1200, 1440), None),
            "Picture24": ((2040, 1440), None), "Picture25": ((3000, 1440), None),
            "Picture4": ((2520, 120), None), "Picture5": ((3480, 120), None),
        },
        # Lines whose colour the scene fixes: X1, Y1, X2, Y2, RGB.
        "lines": {
            "Line13": (4080, 3840, 4080, 3600, YELLOW), "Line12": (2880, 3840, 4080, 3840, YELLOW),
            "Line1": (1680, 5040, 2040, 5040, YELLOW), "Line2": (2040, 5040, 2040, 5280, YELLOW),
            "Line3": (1680, 4800, 1680, 5040, YELLOW), "Line6": (2040, 6120, 2040, 5880, YELLOW),
            "Line7": (2280, 6360, 2280, 6120, YELLOW), "Line15": (1200, 3840, 2880, 3840, YELLOW),
            "Line16": (1200, 3600, 1200, 3840, YELLOW), "Line17": (2880, 3480, 2880, 3840, YELLOW),
            "Line18": (1680, 4080, 1680, 3840, YELLOW), "Line40": (600, 2520, 1680, 2520, YELLOW),
            "Line41": (600, 2280, 600, 2520, YELLOW), "Line42": (1680, 2280, 1680, 2520, YELLOW),
            "Line43": (1200, 2520, 1200, 2760, YELLOW), "Line44": (2400, 2520, 3360, 2520, YELLOW),
            "Line45": (2400, 2520, 2400, 2280, YELLOW), "Line46": (3360, 2520, 3360, 2280, YELLOW),
            "Line47": (2880, 2520, 2880, 2760, YELLOW), "Line4": (2040, 6120, 2280, 6120, YELLOW),
            "Line5": (2880, 1200, 3960, 1200, YELLOW), "Line9": (2880, 1200, 2880, 960, YELLOW),
            "Line10": (3960, 1200, 3960, 960, YELLOW), "Line11": (3360, 1200, 3360, 1440, YELLOW),
        },
        # The info list: left, top, width, height, and its fixed colours.
        "list": (4200, 3960, 2655, 1620),
        "list_colour": MAROON,
        "list_text_colour": YELLOW,
    },
    "Form3": {
        "opened_by": "Picture17",
        "client": (3255, 2325, 6165, 6975),
        "portraits": {
            "Picture6": ((3720, 1800), None), "Picture36": ((2160, 5880), None),
            "Picture34": ((1920, 4560), None), "Picture11": ((720, 1800), "Picture11"),
            "Picture12": ((2520, 1800), "Picture12"), "Picture17": ((1560, 3240), "Picture17"),
            "Picture22": ((240, 360), None), "Picture23": ((1200, 360), None),
            "Picture24": ((2040, 360), None), "Picture25": ((3000, 360), None),
        },
        "lines": {
            "Line12": (2880, 3000, 4080, 3000, WHITE), "Line13": (4080, 3000, 4080, 2640, WHITE),
            "Line65": (2520, 5880, 2520, 5640, WHITE), "Line64": (2280, 5400, 2280, 5640, WHITE),
            "Line62": (2520, 5640, 2280, 5640, WHITE),
        },
    },
    "Form4": {
        "opened_by": "Picture8",
        "client": (3450, 2325, 6090, 5970),
        "portraits": {
            "Picture2": ((2760, 4680), "Picture2"), "Picture3": ((2760, 3600), "Picture3"),
            "Picture29": ((4200, 0), "Picture29"), "Picture28": ((3120, 0), "Picture28"),
            "Picture27": ((1680, 0), "Picture27"), "Picture26": ((600, 0), "Picture26"),
            "Picture10": ((3600, 1200), "Picture10"), "Picture9": ((1080, 1200), "Picture9"),
            "Picture8": ((2640, 2520), "Picture8"),
        },
        "lines": {
            "Line11": (3960, 1080, 3960, 1320, YELLOW), "Line10": (3480, 1080, 4680, 1080, YELLOW),
            "Line8": (4680, 1080, 4680, 840, YELLOW), "Line7": (3480, 1080, 3480, 840, YELLOW),
            "Line6": (1440, 1080, 1440, 1320, YELLOW), "Line5": (960, 1080, 2160, 1080, YELLOW),
            "Line4": (2160, 1080, 2160, 840, YELLOW), "Line3": (960, 1080, 960, 840, YELLOW),
            "Line14": (3000, 2280, 3000, 2640, YELLOW), "Line13": (3960, 2280, 3960, 1920, YELLOW),
            "Line12": (1440, 1920, 1440, 2280, YELLOW), "Line9": (1440, 2280, 3960, 2280, YELLOW),
        },
    },
    "Form5": {
        "opened_by": "Picture6",
        "client": (4455, 2085, 5490, 5235),
        "portraits": {
            "Picture10": ((3720, 3960), "Picture51"), "Picture9": ((4200, 2640), "Picture50"),
            "Picture8": ((240, 2640), None), "Picture5": ((720, 3960), None),
            "Picture2": ((3120, 1320), "Picture6"), "Picture3": ((2160, 2640), "Picture7"),
            "Picture6": ((1200, 2640), "Picture42"), "Picture7": ((3120, 2640), "Picture43"),
            "Picture1": ((2400, 0), None), "Picture4": ((4080, 0), None),
        },
        "lines": {},  # all in the platform's window-text colour
    },
    "Form6": {
        "opened_by": "Picture5",
        "client": (2655, 2325, 7620, 8955),
        # Only the portraits that have a gallery twin; Picture9 (735 x 855) has none.
        "portraits": {
            "Picture8": ((4320, 7440), "Picture54"), "Picture5": ((3840, 4920), "Picture5"),
            "Picture13": ((3480, 6360), "Picture13"), "Picture14": ((4320, 6360), "Picture14"),
        },
        "lines": {},  # all in the platform's window-text colour
    },
}
