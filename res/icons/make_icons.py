#!/usr/bin/env python3
"""Draws Tolvane's ten 16 x 16 icons and writes them as 32-bit .ico files."""
import math
import os
import struct

SIZE = 16
HERE = os.path.dirname(os.path.abspath(__file__))


class Canvas:
    def __init__(self):
        self.px = [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]

    def set(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c if len(c) == 4 else c + (255,)

    def rect(self, x0, y0, x1, y1, c):  # inclusive
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(SIZE):
            for x in range(SIZE):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        steps = max(abs(x1 - x0), abs(y1 - y0)) * 2 + 1
        for i in range(steps + 1):
            t = i / steps
            self.set(round(x0 + (x1 - x0) * t), round(y0 + (y1 - y0) * t), c)


DARK = (40, 40, 60)
BLUE = (30, 90, 200)
WHITE = (255, 255, 255)
GREY = (160, 160, 170)


def window(c, x0, y0, x1, y1):
    c.rect(x0, y0, x1, y1, WHITE)
    c.frame(x0, y0, x1, y1, DARK)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 2, BLUE)


def app():  # program window with speed lines
    c = Canvas()
    window(c, 5, 2, 15, 12)
    for y, x0 in ((5, 0), (8, 1), (11, 2)):
        c.line(x0, y, 3, y, (220, 120, 0))
    return c


def computer():
    c = Canvas()
    c.rect(1, 1, 14, 10, GREY)
    c.frame(1, 1, 14, 10, DARK)
    c.rect(3, 3, 12, 8, (60, 140, 230))
    c.rect(6, 11, 9, 12, DARK)
    c.rect(3, 13, 12, 14, GREY)
    c.frame(3, 13, 12, 14, DARK)
    return c


def gear_window():  # program window with a gear wheel
    c = Canvas()
    window(c, 0, 1, 11, 11)
    cx, cy = 11.0, 11.0
    for a in range(8):
        ang = a * math.pi / 4
        c.disc(cx + 4.2 * math.cos(ang), cy + 4.2 * math.sin(ang), 1.1, (110, 110, 120))
    c.disc(cx, cy, 3.6, (110, 110, 120))
    c.disc(cx, cy, 1.4, WHITE)
    return c


def globe():
    c = Canvas()
    c.disc(8, 8, 7.5, (40, 110, 220))
    for (x, y, r) in ((5.5, 5.5, 2.2), (10.5, 10, 2.5), (11, 4.5, 1.3)):
        c.disc(x, y, r, (60, 170, 70))
    for y in range(SIZE):
        for x in range(SIZE):
            if c.px[y][x][3] and ((x + 0.5 - 8) ** 2 + (y + 0.5 - 8) ** 2) > 6.5 ** 2:
                c.set(x, y, (20, 60, 140))
    return c


def quit_sign():  # red round sign with a white cross
    c = Canvas()
    c.disc(8, 8, 7.5, (200, 30, 30))
    for i in range(4, 12):
        for d in (0, 1):
            c.set(i + d - 0, i, WHITE)
            c.set(15 - i - d + 0, i, WHITE)
    return c


def numbered(colour):  # the unused slots: a coloured square with a corner fold
    def draw():
        c = Canvas()
        c.rect(2, 2, 13, 13, colour)
        c.frame(2, 2, 13, 13, DARK)
        c.line(9, 2, 13, 6, DARK)
        return c
    return draw


SLOTS = [app, computer, gear_window, globe,
         numbered((250, 210, 60)), numbered((120, 200, 120)), numbered((200, 140, 220)),
         numbered((120, 200, 230)), numbered((240, 150, 90)), quit_sign]


def ico_bytes(c):
    xor = b"".join(struct.pack("4B", b, g, r, a)
                   for row in reversed(c.px) for (r, g, b, a) in row)
    mask_rows = []
    for row in reversed(c.px):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (31 - x)
        mask_rows.append(struct.pack(">I", bits))  # 16 bits padded to 32
    mask = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22) + image


def main():
    for slot, draw in enumerate(SLOTS):
        with open(os.path.join(HERE, "image%d.ico" % slot), "wb") as f:
            f.write(ico_bytes(draw()))


if __name__ == "__main__":
    main()
