"""What a family-tree window must show on the screen, checked against screen images."""

import geometry as geo
import pixels
from tree_windows import PORTRAIT_SIZE, TREE_WINDOWS


def origin(form):
    return geo.client_origin(TREE_WINDOWS[form]["client"])


def portrait_box(form, name):
    left, top = TREE_WINDOWS[form]["portraits"][name][0]
    return geo.screen_box(origin(form), left, top, *PORTRAIT_SIZE)


def list_box(form):
    return geo.screen_box(origin(form), *TREE_WINDOWS[form]["list"])


def list_problems(image, form, shown):
    """Why the window's info list does not look shown (or hidden); empty if it does. For a
    window whose scene fixes the list's colours: Form2."""
    inner = geo.inset(list_box(form), 2)
    share = pixels.colour_fraction(image, inner, TREE_WINDOWS[form]["list_colour"], tolerance=8)
    if not shown:
        return [] if share < 0.01 else [f"info list shows ({share:.0%} of its place in its colour)"]
    problems = []
    if share < 0.4:
        problems.append(f"info list not shown, or not in its colour ({share:.0%} of it in its "
                        f"colour, mostly {pixels.commonest_colour(image, inner)})")
    text_colour = TREE_WINDOWS[form]["list_text_colour"]
    text = pixels.count_pixels(image, inner,
                               lambda c: all(abs(a - b) <= 60 for a, b in zip(c, text_colour)))
    if text < 20:
        problems.append(f"info list shows no text in {text_colour}")
    return problems


def scene_problems(image, form, gallery_looks):
    """Where the freshly opened window does not show its scene: portraits that must look like
    their gallery twins, and the lines whose colour the scene fixes."""
    window = TREE_WINDOWS[form]
    problems = []
    compared = 0
    for name, (_, twin) in window["portraits"].items():
        if twin is None or twin not in gallery_looks:
            continue
        compared += 1
        if not pixels.same(pixels.crop(image, portrait_box(form, name)), gallery_looks[twin]):
            problems.append(f"{name} does not show gallery {twin}'s picture at its place")
    if compared == 0:
        problems.append("no gallery portrait to compare with was seen")
    boxes = [portrait_box(form, name) for name in window["portraits"]]
    for name, (x1, y1, x2, y2, colour) in window["lines"].items():
        visible = [p for p in geo.line_interior(origin(form), x1, y1, x2, y2)
                   if not any(geo.inside(p, b) for b in boxes)]
        wrong = pixels.wrong_colour(image, visible, colour)
        if wrong:
            problems.append(f"{name}: {len(wrong)} of {len(visible)} pixels not {colour}, "
                            f"first at {wrong[0]} {image.getpixel(wrong[0])}")
    return problems
