"""Writes a schedule as a script of the event-list edition (迅点小侠): a binary .mkx file holding, for every
schedule line "x y wait-ms" (client point of the probe), a left press and its release on the probe's window,
the release waiting the line's wait. The benchmarks need scripts no recording could make exactly.

    mkx.py <schedule> <out.mkx> <client-x> <client-y> <window-x> <window-y> <repeat> <foreground 0|1>

client-x/y: the probe's client origin on the screen; window-x/y: its window rectangle's top-left corner.
"""
import struct
import sys

MAGIC = "岚榕迅点小侠脚本文件".encode("gbk")
VERSION = 30100
PLAY_KEY_F2 = 113
FOREGROUND = 0x10000
TITLE = "迅点探针".encode("gbk")
CLASS = b"XdProbe_Main"
LEFT_DOWN, LEFT_UP, MK_LBUTTON = 0x201, 0x202, 1


def halves(high, low):
    return ((high & 0xFFFF) << 16) | (low & 0xFFFF)


def main():
    schedule, out = sys.argv[1:3]
    cx, cy, wx, wy, repeat, foreground = (int(v) for v in sys.argv[3:9])
    records = []
    for line in open(schedule):
        if not line.strip():
            continue
        x, y, wait = (int(v) for v in line.split())
        sx, sy = cx + x, cy + y
        # Offsets from the top-level window and from the window under the point: the same window here.
        dx, dy = sx - wx, sy - wy
        for message, flags, delay in ((LEFT_DOWN, MK_LBUTTON, 0), (LEFT_UP, 0, wait)):
            # The strings are the pool's entries 0 (title), 1 (class) and 2 (the empty child path); every
            # event after the first repeats the one before's.
            same = 1 if records else 0
            records.append(struct.pack("<8i", *(v - (1 << 32) if v >= 1 << 31 else v for v in (
                halves(sx, sy), halves(0, 1), halves(2, same), halves(dx, dx), halves(dy, dy), message, flags,
                delay))))
    options = PLAY_KEY_F2 | (FOREGROUND if foreground else 0)
    header = MAGIC + struct.pack("<5i", VERSION, len(records), repeat, 0, options) + bytes(20)
    # The table joins the entries with 00 00; the file ends with one zero byte.
    table = TITLE + b"\0\0" + CLASS + b"\0\0"
    with open(out, "wb") as f:
        f.write(header + b"".join(records) + table + b"\0")


if __name__ == "__main__":
    main()
