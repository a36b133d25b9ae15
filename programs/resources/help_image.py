"""Draws the help picture shown while the pointer rests on the Help button (381 x 306 pixels, 96 DPI).

Usage: python3 help_image.py ICONFONT.ttf TEXT_FONT OUT.png

The picture is opaque, so any image loader shows it the same. It repeats the toolbar strip as the program draws it and explains each button in one line: its
glyph from our icon font, what it does, and its hotkey where it has one.
"""

import subprocess
import sys

WIDTH, HEIGHT = 381, 306
STRIP_BACKGROUND = "#E0FFFF"
BUTTON_X = (5, 40, 80, 115, 155, 190, 230)  # the toolbar's own button positions
SEPARATOR_X = (77, 152, 227)

# glyph, caption, hotkey (empty when none)
BUTTONS = [
    (0xE781, "录制 / 停止录制鼠标操作", "F3"),
    (0xE782, "回放 / 停止回放", "F2"),
    (0xE7D1, "打开保存过的脚本文件", ""),
    (0xE63B, "保存录制的脚本", ""),
    (0xE7D7, "前台 / 后台回放模式切换", ""),
    (0xE6F5, "打开编辑器，修改脚本", ""),
    (0xE783, "帮助网页、设置与关于", ""),
]
ROW_COLOURS = ("#D32F2F", "#2E7D32", "#1565C0", "#1565C0", "#6A1B9A", "#00695C", "#006400")


def text(font, size, colour, x, y, value):
    return ["font '%s'" % font, "font-size %d" % size, "fill '%s'" % colour, "stroke none",
            "text %d,%d '%s'" % (x, y, value)]


def centred_glyph(icon_font, size, colour, cx, cy, code):
    # The icon font's glyphs are centred on their em box; ImageMagick places text by its baseline, which
    # lies 128/1024 of the size above the bottom of that box.
    return text(icon_font, size, colour, cx - size // 2, cy + size // 2 - size * 128 // 1024, chr(code))


def drawing(icon_font, text_font):
    out = [
        "fill '#FBFDFF'", "stroke '#8FAFCF'", "stroke-width 1",
        "rectangle 0.5,0.5 %.1f,%.1f" % (WIDTH - 1.5, HEIGHT - 1.5),
    ]
    out += text(text_font, 15, "#0D2B5C", 14, 25, "工具栏按钮说明")

    # the strip, as the program shows it, centred
    left, top = (WIDTH - 272) // 2, 36
    out += ["fill '%s'" % STRIP_BACKGROUND, "stroke '#B0C4DE'", "stroke-width 1",
            "rectangle %.1f,%.1f %.1f,%.1f" % (left + 0.5, top + 0.5, left + 271.5, top + 35.5)]
    for x in SEPARATOR_X:
        out += ["stroke black", "line %d,%d %d,%d" % (left + x, top + 7, left + x, top + 26)]
    for (code, _, _), x in zip(BUTTONS, BUTTON_X):
        out += centred_glyph(icon_font, 18, "black", left + x + 17, top + 17, code)

    # one line per button
    row_top, row_height = 82, 27
    for i, ((code, caption, key), colour) in enumerate(zip(BUTTONS, ROW_COLOURS)):
        y = row_top + i * row_height
        out += ["fill '%s'" % colour, "stroke none", "roundrectangle 18,%d 42,%d 6,6" % (y, y + 22)]
        out += centred_glyph(icon_font, 16, "white", 30, y + 11, code)
        out += text(text_font, 14, "#1A1A1A", 54, y + 16, caption)
        if key:
            out += ["fill '#FFFFFF'", "stroke '#5A6B7D'", "stroke-width 1",
                    "roundrectangle 300.5,%.1f 334.5,%.1f 4,4" % (y + 1.5, y + 20.5)]
            out += text(text_font, 13, "#1A1A1A", 308, y + 16, key)

    bottom = row_top + len(BUTTONS) * row_height + 6
    out += ["stroke '#C9D6E3'", "stroke-width 1", "line 14,%d %d,%d" % (bottom, WIDTH - 15, bottom)]
    out += text(text_font, 14, "#B71C1C", 14, bottom + 21, "按 Esc 停止录制或回放")
    out += text(text_font, 12, "#5A6B7D", 196, bottom + 21, "快捷键可在【设置】中更改")
    return "\n".join(out)


def build(icon_font, text_font, out_path):
    subprocess.run(
        ["convert", "-size", "%dx%d" % (WIDTH, HEIGHT), "xc:white", "-draw", drawing(icon_font, text_font),
         "-units", "PixelsPerInch", "-density", "96",
         "-define", "png:exclude-chunks=date,time", "PNG32:" + out_path],
        check=True,
    )


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit("usage: help_image.py ICONFONT.ttf TEXT_FONT OUT.png")
    build(*sys.argv[1:])
