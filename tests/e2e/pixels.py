"""Comparisons of screen images: exact colours, changed pixels, regions that match."""

from PIL import Image, ImageChops, ImageDraw


def crop(image, box):
    x, y, w, h = box
    return image.crop((x, y, x + w, y + h))


def changed(a, b):
    """A mask, 255 where the two equally sized images differ in any channel."""
    difference = ImageChops.difference(a.convert("RGB"), b.convert("RGB"))
    red, green, blue = difference.split()
    return ImageChops.lighter(ImageChops.lighter(red, green), blue).point(lambda v: 255 if v else 0)


def changed_fraction(a, b):
    mask = changed(a, b)
    return mask.histogram()[255] / (mask.width * mask.height)


def same(a, b):
    return ImageChops.difference(a.convert("RGB"), b.convert("RGB")).getbbox() is None


def colour_fraction(image, box, rgb, tolerance=0):
    """The share of pixels in box whose every channel is within tolerance of rgb."""
    region = crop(image, box)
    hits = sum(count for count, colour in region.getcolors(region.width * region.height)
               if all(abs(c - e) <= tolerance for c, e in zip(colour, rgb)))
    return hits / (region.width * region.height)


def commonest_colour(image, box):
    region = crop(image, box)
    return max(region.getcolors(region.width * region.height))[1]


def count_pixels(image, box, predicate):
    region = crop(image, box)
    return sum(count for count, colour in region.getcolors(region.width * region.height)
               if predicate(colour))


def wrong_colour(image, points, rgb):
    """The points whose colour is not exactly rgb."""
    return [p for p in points if image.getpixel(p) != tuple(rgb)]


def blank_mask(size):
    return Image.new("L", size, 0)


def mark_boxes(mask, boxes):
    draw = ImageDraw.Draw(mask)
    for x, y, w, h in boxes:
        draw.rectangle((x, y, x + w - 1, y + h - 1), fill=255)


def mark_points(mask, points):
    for point in points:
        if 0 <= point[0] < mask.width and 0 <= point[1] < mask.height:
            mask.putpixel(point, 255)


def unexplained_changes(a, b, allowed, area):
    """The bounding box, within area, of pixels where a and b differ outside the allowed mask;
    None if they differ nowhere else."""
    difference = changed(a, b)
    difference.paste(0, mask=allowed)
    x, y, w, h = area
    box = difference.crop((x, y, x + w, y + h)).getbbox()
    if box is None:
        return None
    return (box[0] + x, box[1] + y, box[2] - box[0], box[3] - box[1])


def overlaps(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]
