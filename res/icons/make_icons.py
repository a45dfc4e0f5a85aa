#!/usr/bin/env python3
"""Draws Tolvane's ten icons and writes them as 32-bit .ico files.

Each icon is designed on a 16 x 16 grid and drawn again at every size its
file holds (16, 24 and 32 pixels; the application icon also 48), so that a
scaled display, Explorer and Alt+Tab get a sharp image of their own size
instead of an enlarged 16-pixel one. At 16 pixels the drawing is exactly the
original one.
"""
import math
import os
import struct

GRID = 16
SMALL_SIZES = (16, 24, 32)
APP_SIZES = (16, 24, 32, 48)
HERE = os.path.dirname(os.path.abspath(__file__))


def nearest(v):
    return int(math.floor(v + 0.5))


class Canvas:
    """Pixels of one size; drawing calls take 16-grid coordinates."""

    def __init__(self, size=GRID):
        self.size = size
        self.k = size / GRID
        self.pen = max(1, int(self.k))  # line and frame thickness in pixels
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def pixel(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c if len(c) == 4 else c + (255,)

    def fill(self, x0, y0, x1, y1, c):  # pixel rectangle, end exclusive
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.pixel(x, y, c)

    def cell(self, v):  # grid line -> pixel line
        return nearest(v * self.k)

    def set(self, x, y, c):  # one grid cell
        self.fill(self.cell(x), self.cell(y), self.cell(x + 1), self.cell(y + 1), c)

    def rect(self, x0, y0, x1, y1, c):  # inclusive grid cells
        self.fill(self.cell(x0), self.cell(y0), self.cell(x1 + 1), self.cell(y1 + 1), c)

    def frame(self, x0, y0, x1, y1, c):
        X0, Y0, X1, Y1 = self.cell(x0), self.cell(y0), self.cell(x1 + 1), self.cell(y1 + 1)
        t = self.pen
        self.fill(X0, Y0, X1, Y0 + t, c)
        self.fill(X0, Y1 - t, X1, Y1, c)
        self.fill(X0, Y0, X0 + t, Y1, c)
        self.fill(X1 - t, Y0, X1, Y1, c)

    def inside(self, px, py):  # centre of a pixel in grid coordinates
        return (px + 0.5) / self.k, (py + 0.5) / self.k

    def disc(self, cx, cy, r, c):
        for y in range(self.size):
            for x in range(self.size):
                u, v = self.inside(x, y)
                if (u - cx) ** 2 + (v - cy) ** 2 <= r * r:
                    self.pixel(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        steps = nearest(max(abs(x1 - x0), abs(y1 - y0)) * 2 * self.k) + 1
        offset = (self.k - 1) / 2  # a grid cell's centre, minus half a pen
        for i in range(steps + 1):
            t = i / steps
            x = round((x0 + (x1 - x0) * t) * self.k + offset - (self.pen - 1) / 2)
            y = round((y0 + (y1 - y0) * t) * self.k + offset - (self.pen - 1) / 2)
            self.fill(x, y, x + self.pen, y + self.pen, c)


DARK = (40, 40, 60)
BLUE = (30, 90, 200)
WHITE = (255, 255, 255)
GREY = (160, 160, 170)


def window(c, x0, y0, x1, y1):
    c.rect(x0, y0, x1, y1, WHITE)
    c.frame(x0, y0, x1, y1, DARK)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 2, BLUE)


def app(size):  # program window with speed lines
    c = Canvas(size)
    window(c, 5, 2, 15, 12)
    for y, x0 in ((5, 0), (8, 1), (11, 2)):
        c.line(x0, y, 3, y, (220, 120, 0))
    return c


def computer(size):
    c = Canvas(size)
    c.rect(1, 1, 14, 10, GREY)
    c.frame(1, 1, 14, 10, DARK)
    c.rect(3, 3, 12, 8, (60, 140, 230))
    c.rect(6, 11, 9, 12, DARK)
    c.rect(3, 13, 12, 14, GREY)
    c.frame(3, 13, 12, 14, DARK)
    return c


def gear_window(size):  # program window with a gear wheel
    c = Canvas(size)
    window(c, 0, 1, 11, 11)
    cx, cy = 11.0, 11.0
    for a in range(8):
        ang = a * math.pi / 4
        c.disc(cx + 4.2 * math.cos(ang), cy + 4.2 * math.sin(ang), 1.1, (110, 110, 120))
    c.disc(cx, cy, 3.6, (110, 110, 120))
    c.disc(cx, cy, 1.4, WHITE)
    return c


def globe(size):
    c = Canvas(size)
    c.disc(8, 8, 7.5, (40, 110, 220))
    for (x, y, r) in ((5.5, 5.5, 2.2), (10.5, 10, 2.5), (11, 4.5, 1.3)):
        c.disc(x, y, r, (60, 170, 70))
    for y in range(size):
        for x in range(size):
            u, v = c.inside(x, y)
            if c.px[y][x][3] and ((u - 8) ** 2 + (v - 8) ** 2) > 6.5 ** 2:
                c.pixel(x, y, (20, 60, 140))
    return c


def quit_sign(size):  # red round sign with a white cross
    c = Canvas(size)
    c.disc(8, 8, 7.5, (200, 30, 30))
    for i in range(4, 12):
        for d in (0, 1):
            c.set(i + d - 0, i, WHITE)
            c.set(15 - i - d + 0, i, WHITE)
    return c


def history(size):  # a page of lines with a clock at its lower right
    c = Canvas(size)
    c.rect(1, 0, 11, 14, WHITE)
    c.frame(1, 0, 11, 14, DARK)
    for y in (3, 5, 7, 9):
        c.line(3, y, 9, y, GREY)
    c.disc(11, 11, 4.6, DARK)
    c.disc(11, 11, 3.6, (255, 250, 220))
    c.line(11, 8.5, 11, 11, DARK)
    c.line(11, 11, 13, 11, DARK)
    return c


def start_now(size):  # green arrow pointing right
    c = Canvas(size)
    green, edge = (40, 170, 60), (20, 100, 30)
    for y in range(size):
        for x in range(size):
            u, v = c.inside(x, y)
            shaft = 1.5 <= u <= 8.5 and 5.5 <= v <= 10.5
            head = 8 <= u <= 14.5 and abs(v - 8) <= (14.5 - u) * 0.95
            if shaft or head:
                c.pixel(x, y, green)
    for y in range(size):
        for x in range(size):
            if c.px[y][x][3] and any(not (0 <= x + dx < size and 0 <= y + dy < size) or c.px[y + dy][x + dx][3] == 0
                                     for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                c.pixel(x, y, edge)
    return c


def check_list(size):  # a list with a check mark
    c = Canvas(size)
    c.rect(0, 1, 12, 14, WHITE)
    c.frame(0, 1, 12, 14, DARK)
    for y in (4, 7, 10):
        c.line(5, y, 10, y, GREY)
        c.rect(2, y, 3, y, BLUE)
    tick = (30, 150, 40)
    c.line(7, 9, 10, 12, tick)
    c.line(10, 12, 15, 5, tick)
    c.line(7, 10, 10, 13, tick)
    c.line(10, 13, 15, 6, tick)
    return c


def numbered(colour):  # the unused slots: a coloured square with a corner fold
    def draw(size):
        c = Canvas(size)
        c.rect(2, 2, 13, 13, colour)
        c.frame(2, 2, 13, 13, DARK)
        c.line(9, 2, 13, 6, DARK)
        return c
    return draw


SLOTS = [app, computer, gear_window, globe, history, start_now, check_list,
         numbered((120, 200, 230)), numbered((240, 150, 90)), quit_sign]


def image_bytes(c):
    """One icon image: BITMAPINFOHEADER, 32-bit colours, then the AND mask."""
    size = c.size
    xor = b"".join(struct.pack("4B", b, g, r, a)
                   for row in reversed(c.px) for (r, g, b, a) in row)
    stride = (size + 31) // 32 * 4  # mask rows are padded to 32 bits
    mask_rows = []
    for row in reversed(c.px):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (stride * 8 - 1 - x)
        mask_rows.append(bits.to_bytes(stride, "big"))
    mask = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def ico_bytes(canvases):
    images = [image_bytes(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, image in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.size, c.size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    for slot, draw in enumerate(SLOTS):
        sizes = APP_SIZES if slot == 0 else SMALL_SIZES
        with open(os.path.join(HERE, "image%d.ico" % slot), "wb") as f:
            f.write(ico_bytes([draw(size) for size in sizes]))


if __name__ == "__main__":
    main()
