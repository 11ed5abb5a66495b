"""Twips to screen pixels, and the pixels that boxes and connector lines cover."""

TWIPS_PER_PIXEL = 15


def px(twips):
    """Twips to pixels, rounded to the nearest pixel, halves away from zero."""
    magnitude = (2 * abs(twips) + TWIPS_PER_PIXEL) // (2 * TWIPS_PER_PIXEL)
    return magnitude if twips >= 0 else -magnitude


def client_origin(client_twips):
    """The screen pixel of a window's client-area corner from its stored client rectangle."""
    return (px(client_twips[0]), px(client_twips[1]))


def client_rect(client_twips):
    left, top, width, height = client_twips
    return (px(left), px(top), px(width), px(height))


def screen_box(origin, left, top, width, height):
    """A control's outer rectangle (x, y, width, height) on the screen."""
    return (origin[0] + px(left), origin[1] + px(top), px(width), px(height))


def centre(box):
    x, y, w, h = box
    return (x + w // 2, y + h // 2)


def inside(point, box):
    x, y, w, h = box
    return x <= point[0] < x + w and y <= point[1] < y + h


def inset(box, by):
    x, y, w, h = box
    return (x + by, y + by, w - 2 * by, h - 2 * by)


def line_points(origin, x1, y1, x2, y2):
    """The screen pixels of a connector line from end point to end point, both included."""
    a = (origin[0] + px(x1), origin[1] + px(y1))
    b = (origin[0] + px(x2), origin[1] + px(y2))
    steps = max(abs(b[0] - a[0]), abs(b[1] - a[1]))
    if steps == 0:
        return [a]
    return [(a[0] + round(i * (b[0] - a[0]) / steps), a[1] + round(i * (b[1] - a[1]) / steps))
            for i in range(steps + 1)]


def line_interior(origin, x1, y1, x2, y2):
    """The pixels of a line without its two end points, which a platform may leave out."""
    return line_points(origin, x1, y1, x2, y2)[1:-1]


def near_points(points, reach=1):
    """The points and their neighbours up to reach pixels away: the room a sloped line may
    take when it is drawn with another rounding."""
    return {(x + dx, y + dy) for x, y in points
            for dx in range(-reach, reach + 1) for dy in range(-reach, reach + 1)}
