"""What the gallery must show on the screen, checked against screen images.

The gallery's background picture is learnt from the start view, where only Picture1 and the
two fixed lines stand over it; the place of Picture1 is learnt later, from a view that hides
Picture1. Each portrait's look is learnt where it first shows and must be the same in every
later view.
"""

import geometry as geo
import pixels
from gallery_scene import (ALWAYS_SHOWN_LINES, GALLERY_CLIENT, GALLERY_LIST, LINE_COLOURS,
                           LINES, MAROON, PORTRAITS, YELLOW)

ORIGIN = geo.client_origin(GALLERY_CLIENT)
CLIENT = geo.client_rect(GALLERY_CLIENT)
LIST_BOX = geo.screen_box(ORIGIN, *GALLERY_LIST)


def portrait_box(name):
    return geo.screen_box(ORIGIN, *PORTRAITS[name])


def portrait_centre(name):
    return geo.centre(portrait_box(name))


def point(x_twips, y_twips):
    return (ORIGIN[0] + geo.px(x_twips), ORIGIN[1] + geo.px(y_twips))


def line_colour(name):
    return LINE_COLOURS.get(name, YELLOW)


def list_problems(image, shown, with_text=True):
    """Why the info list does not look shown (or hidden); empty if it does."""
    inner = geo.inset(LIST_BOX, 2)
    maroon = pixels.colour_fraction(image, inner, MAROON, tolerance=8)
    if not shown:
        return [] if maroon < 0.01 else [f"info list shows ({maroon:.0%} maroon)"]
    problems = []
    if maroon < 0.4:
        problems.append(f"info list not shown, or not maroon ({maroon:.0%} of it maroon, mostly "
                        f"{pixels.commonest_colour(image, inner)})")
    if with_text:
        yellow = pixels.count_pixels(image, inner,
                                     lambda c: c[0] >= 200 and c[1] >= 200 and c[2] <= 100)
        if yellow < 5:
            problems.append("info list shows no yellow text")
    return problems


class GalleryScreen:
    def __init__(self, start_image):
        self.background = start_image.copy()
        # Where the start view shows something else than the background: Picture1.
        self.unknown = pixels.blank_mask(start_image.size)
        pixels.mark_boxes(self.unknown, [portrait_box("Picture1")])
        self.looks = {}

    def learn_background(self, image, box):
        """Takes box of image as background: it shows no portrait, line or list there."""
        x, y, w, h = box
        self.background.paste(image.crop((x, y, x + w, y + h)), (x, y))
        self.unknown.paste(0, (x, y, x + w, y + h))

    def learn_looks(self, image, portraits):
        for name in portraits:
            self.looks.setdefault(name, pixels.crop(image, portrait_box(name)))

    def view_problems(self, image, portraits, lines, list_shown, list_text=True):
        """Everything in which image differs from the gallery showing these portraits and lines
        (besides Line107 and Line108) with the info list shown or hidden, by kind."""
        shown_boxes = [portrait_box(p) for p in portraits]
        problems = {"portraits": [], "lines": [], "nothing else": [], "info list": []}

        for name, box in zip(portraits, shown_boxes):
            region = pixels.crop(image, box)
            background = pixels.crop(self.background, box)
            if pixels.crop(self.unknown, box).getbbox() is None:
                if pixels.changed_fraction(region, background) < 0.5:
                    problems["portraits"].append(f"{name} not shown")
                    continue
            look = self.looks.get(name)
            if look is not None and not pixels.same(region, look):
                problems["portraits"].append(f"{name} looks different than before")

        covering = shown_boxes + ([LIST_BOX] if list_shown else [])
        all_lines = tuple(lines) + ALWAYS_SHOWN_LINES
        for name in all_lines:
            colour = line_colour(name)
            if colour is None:
                continue
            visible = [p for p in geo.line_interior(ORIGIN, *LINES[name])
                       if not any(geo.inside(p, b) for b in covering)]
            wrong = pixels.wrong_colour(image, visible, colour)
            if wrong:
                problems["lines"].append(
                    f"{name}: {len(wrong)} of {len(visible)} visible pixels not {colour}, "
                    f"first at {wrong[0]} {image.getpixel(wrong[0])}")

        allowed = self.unknown.copy()
        pixels.mark_boxes(allowed, covering)
        for name in all_lines:
            ends = geo.line_points(ORIGIN, *LINES[name])
            pixels.mark_points(allowed, geo.near_points(ends) if name == "Line108" else ends)
        extra = pixels.unexplained_changes(image, self.background, allowed, CLIENT)
        if extra is not None:
            suspects = [p for p in PORTRAITS if p not in portraits
                        and pixels.overlaps(portrait_box(p), extra)]
            problems["nothing else"].append(
                f"differs from the background at {extra}"
                + (f", where hidden {', '.join(suspects[:6])} stand" if suspects else ""))

        problems["info list"] = list_problems(image, list_shown, list_text)
        return problems
