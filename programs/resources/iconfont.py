"""Builds the program's icon font "iconfont" (TrueType) from simple geometry.

Usage: python3 iconfont.py OUT.ttf   (needs Debian's python3-fontforge)

Every glyph is drawn in a 1000 x 1000 design box with y pointing down, like an SVG view box; the box is
mapped onto the 1024-unit em so that its centre sits at the middle of the ascent + descent cell, which is
where GDI and GDI+ centre a line of text. Shapes are unions of circles, rounded rectangles, polygons and
stroked paths, minus cut-outs; the outlines are filled with outer contours clockwise, as TrueType wants.
"""

import math
import sys

import fontforge

EM = 1024
ASCENT = 896
DESCENT = 128
KAPPA = 0.5522847498  # control-point distance of a quarter circle as a cubic Bezier


def to_font(x, y):
    return (x + 12, 884 - y)


def new_layer():
    layer = fontforge.layer()
    layer.is_quadratic = False
    return layer


def contour_from(points):
    contour = fontforge.contour()
    contour.is_quadratic = False
    contour.moveTo(*to_font(*points[0]))
    for p in points[1:]:
        contour.lineTo(*to_font(*p))
    contour.closed = True
    return contour


def poly(*points):
    layer = new_layer()
    layer += contour_from(points)
    return layer


def circle(cx, cy, r):
    k = r * KAPPA
    contour = fontforge.contour()
    contour.is_quadratic = False
    contour.moveTo(*to_font(cx + r, cy))
    quarters = [
        ((cx + r, cy + k), (cx + k, cy + r), (cx, cy + r)),
        ((cx - k, cy + r), (cx - r, cy + k), (cx - r, cy)),
        ((cx - r, cy - k), (cx - k, cy - r), (cx, cy - r)),
        ((cx + k, cy - r), (cx + r, cy - k), (cx + r, cy)),
    ]
    for c1, c2, end in quarters:
        contour.cubicTo(to_font(*c1), to_font(*c2), to_font(*end))
    contour.closed = True
    layer = new_layer()
    layer += contour
    return layer


def rect(x0, y0, x1, y1, r=0):
    """Axis-aligned rectangle with corners rounded by radius r."""
    if r <= 0:
        return poly((x0, y0), (x1, y0), (x1, y1), (x0, y1))
    k = r * (1 - KAPPA)
    contour = fontforge.contour()
    contour.is_quadratic = False
    contour.moveTo(*to_font(x0 + r, y0))
    contour.lineTo(*to_font(x1 - r, y0))
    contour.cubicTo(to_font(x1 - k, y0), to_font(x1, y0 + k), to_font(x1, y0 + r))
    contour.lineTo(*to_font(x1, y1 - r))
    contour.cubicTo(to_font(x1, y1 - k), to_font(x1 - k, y1), to_font(x1 - r, y1))
    contour.lineTo(*to_font(x0 + r, y1))
    contour.cubicTo(to_font(x0 + k, y1), to_font(x0, y1 - k), to_font(x0, y1 - r))
    contour.lineTo(*to_font(x0, y0 + r))
    contour.cubicTo(to_font(x0, y0 + k), to_font(x0 + k, y0), to_font(x0 + r, y0))
    contour.closed = True
    layer = new_layer()
    layer += contour
    return layer


def bar(x0, y0, x1, y1, width):
    """A straight stroke with square ends."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    return poly((x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny))


def arc_band(cx, cy, r, width, start_deg, end_deg):
    """A band of the given width along an arc of radius r (angles clockwise from 3 o'clock, y down)."""
    steps = max(8, int(abs(end_deg - start_deg) / 5))
    angles = [math.radians(start_deg + (end_deg - start_deg) * i / steps) for i in range(steps + 1)]
    outer = [(cx + (r + width / 2) * math.cos(a), cy + (r + width / 2) * math.sin(a)) for a in angles]
    inner = [(cx + (r - width / 2) * math.cos(a), cy + (r - width / 2) * math.sin(a)) for a in angles]
    return poly(*(outer + inner[::-1]))


def union(*layers):
    out = new_layer()
    for layer in layers:
        contours = list(layer)
        if len(contours) == 1 and not contours[0].isClockwise():
            # a single primitive: fill it whichever way its points run; results of earlier operations
            # already have their holes running the other way
            contours[0].reverseDirection()
        for contour in contours:
            out += contour
    out.removeOverlap()
    out.correctDirection()
    return out


def minus(shape, *cuts):
    """shape with the cuts taken away.

    FontForge's own exclude() leaves nothing in the Debian 12 build, so the difference is taken as the
    intersection of the shape with a large square from which the cuts were removed (reversed contours).
    """
    base = union(shape)
    hole = union(*cuts)
    outer_clockwise = max(base, key=lambda c: area_of(c.boundingBox())).isClockwise()
    big = contour_from([(-2000, -2000), (3000, -2000), (3000, 3000), (-2000, 3000)])
    if big.isClockwise() != outer_clockwise:
        big.reverseDirection()
    work = new_layer()
    for contour in base:
        work += contour
    work += big
    for contour in hole:
        if contour.isClockwise() == outer_clockwise:
            contour.reverseDirection()
        work += contour
    work.intersect()
    work.correctDirection()
    return work


def area_of(box):
    return (box[2] - box[0]) * (box[3] - box[1])


# ---- the glyphs -------------------------------------------------------------------------------------------


def record():
    return union(circle(500, 500, 380))


def play():
    return union(poly((230, 110), (860, 500), (230, 890)))


def open_folder():
    back = union(
        rect(80, 170, 420, 330, 50),  # tab
        rect(80, 240, 860, 830, 60),
    )
    back = minus(back, rect(160, 370, 780, 760))  # inside of the folder seen through the open front
    front = poly((250, 450), (960, 450), (800, 830), (90, 830))
    return union(minus(back, poly((210, 390), (1000, 390), (840, 890), (40, 890))), front)


def save_disk():
    body = union(poly((90, 90), (760, 90), (910, 240), (910, 910), (90, 910)))
    shutter = rect(250, 90, 700, 350)
    label = rect(210, 560, 790, 910)
    disk = minus(body, shutter, label)
    return union(
        disk,
        rect(520, 130, 630, 310),  # slot in the shutter
        minus(rect(210, 560, 790, 910), rect(290, 640, 710, 910)),  # label frame
        rect(290, 700, 710, 740),
        rect(290, 790, 710, 830),
    )


def mode_windows():
    back = minus(rect(330, 90, 930, 560, 40), rect(410, 230, 850, 480))
    front_outline = rect(70, 380, 690, 910, 40)
    front = minus(front_outline, rect(150, 520, 610, 830))
    gap = rect(30, 340, 730, 950, 70)  # keeps the back window apart from the front one
    return union(minus(back, gap), front)


def editor_document():
    page = poly((140, 60), (620, 60), (860, 300), (860, 940), (140, 940))
    hollow = minus(page, poly((220, 140), (560, 140), (560, 360), (780, 360), (780, 860), (220, 860)))
    return union(
        hollow,
        rect(300, 450, 700, 520, 20),
        rect(300, 590, 700, 660, 20),
        rect(300, 730, 580, 800, 20),
    )


def question_mark():
    """The hook, stem and dot of a question mark, as the cut-out of the help glyph."""
    hook = union(
        arc_band(500, 350, 155, 125, 180, 450),
        circle(345, 350, 62.5),  # round end of the hook
        rect(437, 440, 563, 610),  # stem
    )
    return hook, circle(500, 735, 75)


def help_circle():
    mark, dot = question_mark()
    return minus(circle(500, 500, 440), mark, dot)


def about_circle():
    return minus(circle(500, 500, 440), circle(500, 270, 75), rect(435, 410, 565, 760, 25))


def settings_gear():
    teeth = []
    for i in range(8):
        a = math.radians(i * 45)
        ca, sa = math.cos(a), math.sin(a)
        # a tooth is a 150-wide bar from inside the rim out to radius 460
        teeth.append(bar(500 + 250 * ca, 500 + 250 * sa, 500 + 460 * ca, 500 + 460 * sa, 150))
    return minus(union(circle(500, 500, 330), *teeth), circle(500, 500, 150))


def eye_lens(scale):
    """Almond outline of an eye: the intersection of two large circles."""
    r = 560 * scale
    d = 360 * scale
    both = new_layer()
    for part in (circle(500, 500 - d, r), circle(500, 500 + d, r)):
        for contour in part:
            both += contour
    both.intersect()
    return both


def eye_open():
    return union(minus(eye_lens(1.0), eye_lens(0.78)), circle(500, 500, 150))


def eye_hidden():
    slash_gap = bar(140, 140, 860, 860, 210)
    return union(minus(eye_open(), slash_gap), bar(160, 160, 840, 840, 80))


GLYPHS = [
    # toolbar buttons: record, play, open, save, mode, editor, help
    (0xE781, "record", record),
    (0xE782, "play", play),
    (0xE7D1, "open", open_folder),
    (0xE63B, "save", save_disk),
    (0xE7D7, "mode", mode_windows),
    (0xE6F5, "editor", editor_document),
    (0xE783, "help", help_circle),
    # menu: settings, about, show, hide (help is shared with the toolbar)
    (0xE78E, "settings", settings_gear),
    (0xE77E, "about", about_circle),
    (0xEC86, "show", eye_open),
    (0xEBE3, "hide", eye_hidden),
]


def build(path):
    font = fontforge.font()
    font.encoding = "UnicodeBmp"
    font.em = EM
    font.ascent = ASCENT
    font.descent = DESCENT
    font.fontname = "iconfont"
    font.familyname = "iconfont"
    font.fullname = "iconfont"
    font.weight = "Regular"
    font.version = "1.0"
    font.copyright = "Drawn for this program by its build scripts."
    font.appendSFNTName("English (US)", "SubFamily", "Regular")
    font.appendSFNTName("English (US)", "UniqueID", "iconfont 1.0")
    for attr, value in (("os2_winascent", ASCENT), ("os2_windescent", DESCENT),
                        ("os2_typoascent", ASCENT), ("os2_typodescent", -DESCENT), ("os2_typolinegap", 0),
                        ("hhea_ascent", ASCENT), ("hhea_descent", -DESCENT), ("hhea_linegap", 0)):
        setattr(font, attr, value)
    for attr in ("os2_winascent_add", "os2_windescent_add", "os2_typoascent_add", "os2_typodescent_add",
                 "hhea_ascent_add", "hhea_descent_add"):
        setattr(font, attr, False)
    font.os2_codepages = (1, 0)  # Latin 1, so GDI does not take the font for a symbol font

    notdef = font.createChar(-1, ".notdef")
    notdef.width = EM
    space = font.createChar(0x20, "space")
    space.width = EM

    for code, name, draw in GLYPHS:
        glyph = font.createChar(code, name)
        glyph.foreground = draw()
        glyph.width = EM
        glyph.correctDirection()
        glyph.round()
    font.generate(path, flags=("opentype",))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: iconfont.py OUT.ttf")
    build(sys.argv[1])
