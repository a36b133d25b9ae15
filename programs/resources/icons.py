"""Draws the program icon (zhu.ico) and the script-file icon (mkx.ico) with ImageMagick.

Usage: python3 icons.py OUT_DIR

Both pictures are described once, in a 256 x 256 view box, as ImageMagick drawing primitives, and drawn
afresh at 16, 32, 48 and 256 pixels (not shrunk from the large one) so the small sizes stay sharp. The sizes
are then packed into one .ico each.
"""

import os
import subprocess
import sys
import tempfile

SIZES = (16, 32, 48, 256)

# The pointer arrow, tip at the top left, in view-box units, and the click burst around its tip.
TIP = (112, 84)
ARROW = "M 112,84 L 112,210 L 140,183 L 161,230 L 186,220 L 165,174 L 204,174 Z"
BURST = [(-30, 0, -62, 0), (-22, -22, -46, -46), (0, -30, 0, -62)]


def program_icon(size):
    """A blue rounded square with a white pointer and a small orange click burst at its tip."""
    stroke = max(1.0, 256 / size)  # at least one device pixel wide
    return [
        "fill '#1565C0' stroke '#0D47A1' stroke-width %.2f" % stroke,
        "roundrectangle 8,8 248,248 44,44",
        "fill none",
        "stroke '#FFB300'",
        "stroke-width %.2f" % max(16, 1.4 * stroke),
        "stroke-linecap round",
    ] + [
        "line %d,%d %d,%d" % (TIP[0] + x0, TIP[1] + y0, TIP[0] + x1, TIP[1] + y1)
        for x0, y0, x1, y1 in (BURST if size >= 32 else [])
    ] + [
        "fill white stroke '#0D2B5C' stroke-width %.2f stroke-linejoin round" % max(6, stroke),
        "path '%s'" % ARROW,
    ]


def script_icon(size):
    """A white page with a folded corner, lines of script, and a small program badge."""
    stroke = max(1.0, 256 / size)
    lines = []
    if size >= 32:
        for y in (98, 130, 162):
            lines.append("line 70,%d %s,%d" % (y, 170 if y != 162 else 140, y))
    badge = [
        "fill '#1565C0' stroke '#0D47A1' stroke-width %.2f" % stroke,
        "roundrectangle 120,120 248,248 24,24",
        "fill white stroke none",
        # the pointer arrow at half size inside the badge
        "path 'M 160,136 L 160,215 L 177,198 L 190,227 L 206,220 L 193,192 L 217,192 Z'",
    ]
    return [
        "fill white stroke '#5A6B7D' stroke-width %.2f stroke-linejoin round" % max(8, stroke),
        "path 'M 40,12 L 160,12 L 216,68 L 216,244 L 40,244 Z'",
        "fill '#DCE3EA' path 'M 160,12 L 160,68 L 216,68 Z'",
        "fill none stroke '#1E88E5' stroke-width %.2f stroke-linecap round" % max(14, 1.5 * stroke),
    ] + lines + badge


def render(draw, size, path):
    scale = size / 256
    primitives = "\n".join(["scale %.6f,%.6f" % (scale, scale)] + [p for p in draw(size) if p])
    subprocess.run(
        ["convert", "-size", "%dx%d" % (size, size), "xc:none", "-draw", primitives,
         "-define", "png:exclude-chunks=date,time", "PNG32:" + path],
        check=True,
    )


def build(out_dir):
    with tempfile.TemporaryDirectory() as work:
        for name, draw in (("zhu", program_icon), ("mkx", script_icon)):
            pngs = []
            for size in SIZES:
                png = os.path.join(work, "%s-%d.png" % (name, size))
                render(draw, size, png)
                pngs.append(png)
            subprocess.run(["convert"] + pngs + [os.path.join(out_dir, name + ".ico")], check=True)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: icons.py OUT_DIR")
    build(sys.argv[1])
