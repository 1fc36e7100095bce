#!/usr/bin/env python3
"""Draws the chart editor's bitmaps: the twelve brush patterns, the seven textures, the arrow
glyphs of the move buttons and the class icons of the series and tools.

Writes PNG files into chart/editor/resources/. Run it again after changing a picture here and
commit the result; the build only embeds the files.
"""
import math
import os
import struct
import sys
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'chart', 'editor', 'resources')

WHITE = (255, 255, 255, 255)
BLACK = (0, 0, 0, 255)
CLEAR = (0, 0, 0, 0)


def write_png(name, pixels):
    height = len(pixels)
    width = len(pixels[0])
    raw = b''.join(b'\0' + b''.join(struct.pack('4B', *p) for p in row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)

    png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')
    with open(os.path.join(OUT, name + '.png'), 'wb') as f:
        f.write(png)


def pattern(test):
    return [[BLACK if test(x, y) else WHITE for x in range(8)] for y in range(8)]


# An ordered-dither matrix gives the fill densities evenly spread pixels.
BAYER = [[0, 32, 8, 40, 2, 34, 10, 42], [48, 16, 56, 24, 50, 18, 58, 26], [12, 44, 4, 36, 14, 46, 6, 38],
         [60, 28, 52, 20, 62, 30, 54, 22], [3, 35, 11, 43, 1, 33, 9, 41], [51, 19, 59, 27, 49, 17, 57, 25],
         [15, 47, 7, 39, 13, 45, 5, 37], [63, 31, 55, 23, 61, 29, 53, 21]]


def fill(percent):
    return pattern(lambda x, y: BAYER[y][x] < percent * 64 // 100)


BRUSHES = [
    fill(80), fill(60), fill(40), fill(20), fill(10),
    pattern(lambda x, y: y == (x if x < 4 else 7 - x) % 4 + 2),  # zig zag
    pattern(lambda x, y: x % 2 == 0),  # vertical small
    pattern(lambda x, y: y % 2 == 0),  # horizontal small
    pattern(lambda x, y: (x + y) % 4 == 0),  # diagonal small
    pattern(lambda x, y: (x - y) % 4 == 0),  # back diagonal small
    pattern(lambda x, y: x % 4 == 0 or y % 4 == 0),  # cross small
    pattern(lambda x, y: (x + y) % 4 == 0 or (x - y) % 4 == 0),  # diagonal cross small
]


def periodic_noise(x, y, size, seed, octaves):
    # Sums of sines with whole periods across the tile, so the tile repeats without a seam.
    value = 0.0
    weight = 1.0
    total = 0.0
    for octave in range(octaves):
        k = 2 ** octave
        for i in range(3):
            fx = k * ((seed * 7 + i * 3 + octave) % 3 + 1)
            fy = k * ((seed * 5 + i * 2 + octave) % 3 + 1)
            phase = seed * 1.7 + i * 2.3 + octave * 0.9
            value += weight * math.sin(2 * math.pi * (fx * x + fy * y) / size + phase)
            total += weight
        weight *= 0.55
    return 0.5 + 0.5 * value / total


def mix(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3)) + (255,)


def texture(seed, low, high, shape=lambda n, x, y: n, octaves=4, size=32):
    return [[mix(low, high, shape(periodic_noise(x, y, size, seed, octaves), x, y)) for x in range(size)]
            for y in range(size)]


TEXTURES = {
    'METAL': texture(1, (110, 115, 125), (225, 228, 235), lambda n, x, y: 0.6 * n + 0.4 * (0.5 + 0.5 * math.sin(2 * math.pi * y * 4 / 32))),
    'WOOD': texture(2, (110, 62, 25), (200, 140, 80), lambda n, x, y: (0.5 + 0.5 * math.sin(2 * math.pi * (x * 3 / 32 + n * 1.5)))),
    'STONE': texture(3, (95, 95, 90), (185, 180, 170), octaves=5),
    'CLOUDS': texture(4, (70, 120, 220), (255, 255, 255), lambda n, x, y: n * n * 1.3),
    'GRASS': texture(5, (25, 95, 20), (120, 200, 70), lambda n, x, y: 0.5 * n + 0.5 * (0.5 + 0.5 * math.sin(2 * math.pi * x * 8 / 32 + n * 3))),
    'FIRE': texture(6, (180, 20, 0), (255, 230, 60), lambda n, x, y: n * 1.2 - 0.1),
    'SNOW': texture(7, (200, 215, 235), (255, 255, 255), lambda n, x, y: 1.0 if n > 0.8 else n * 0.8),
}


def arrow(up):
    rows = []
    for y in range(7):
        width = (y if up else 6 - y) + 1
        rows.append([BLACK if abs(x - 6) < width else CLEAR for x in range(13)])
    return [[CLEAR] * 13] * 3 + rows + [[CLEAR] * 13] * 3


class Icon:
    """A 16 x 16 icon drawn with a few primitives."""

    def __init__(self):
        self.px = [[CLEAR] * 16 for _ in range(16)]

    def dot(self, x, y, c):
        if 0 <= x < 16 and 0 <= y < 16:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.dot(x, y0, c)
            self.dot(x, y1, c)
        for y in range(y0, y1 + 1):
            self.dot(x0, y, c)
            self.dot(x1, y, c)

    def line(self, points, c, thick=False):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            steps = max(abs(x1 - x0), abs(y1 - y0), 1)
            for i in range(steps + 1):
                x = round(x0 + (x1 - x0) * i / steps)
                y = round(y0 + (y1 - y0) * i / steps)
                self.dot(x, y, c)
                if thick:
                    self.dot(x, y + 1, c)

    def disc(self, cx, cy, r, c):
        for y in range(16):
            for x in range(16):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.dot(x, y, c)

    def axes(self):
        self.line([(1, 1), (1, 14), (14, 14)], (64, 64, 64, 255))
        return self


RED = (200, 30, 30, 255)
BLUE = (30, 60, 200, 255)
GREEN = (30, 150, 50, 255)
YELLOW = (230, 190, 20, 255)
GRAY = (128, 128, 128, 255)
NAVY = (0, 0, 128, 255)


def icons():
    result = {}
    i = Icon().axes()
    i.line([(2, 12), (5, 7), (8, 9), (11, 3), (14, 5)], RED, thick=True)
    result['TLINESERIES'] = i
    i = Icon().axes()
    i.line([(3, 2), (8, 5), (6, 8), (11, 11), (9, 13)], RED, thick=True)
    result['THORIZLINESERIES'] = i
    i = Icon().axes()
    for x, top in zip(range(2, 15), [11, 9, 8, 7, 8, 9, 7, 5, 4, 5, 6, 4, 3]):
        i.rect(x, top, x, 13, GREEN)
    result['TAREASERIES'] = i
    i = Icon().axes()
    for y, right in zip(range(2, 14), [4, 6, 7, 9, 8, 7, 9, 11, 12, 11, 13, 12]):
        i.rect(2, y, right, y, GREEN)
    result['THORIZAREASERIES'] = i
    i = Icon().axes()
    for x, y in [(4, 10), (7, 6), (10, 9), (13, 4)]:
        i.rect(x - 1, y - 1, x + 1, y + 1, BLUE)
    result['TPOINTSERIES'] = i
    i = Icon().axes()
    for x0, top in [(3, 8), (7, 4), (11, 6)]:
        i.rect(x0, top, x0 + 2, 13, RED)
        i.frame(x0, top, x0 + 2, 13, NAVY)
    result['TBARSERIES'] = i
    i = Icon().axes()
    for y0, right in [(2, 9), (6, 13), (10, 7)]:
        i.rect(2, y0, right, y0 + 2, RED)
        i.frame(2, y0, right, y0 + 2, NAVY)
    result['THORIZBARSERIES'] = i
    i = Icon()
    for y in range(16):
        for x in range(16):
            dx, dy = x - 7.5, y - 7.5
            if dx * dx + dy * dy <= 49:
                angle = math.atan2(dy, dx)
                i.dot(x, y, RED if angle < -0.5 else YELLOW if angle < 1.6 else BLUE)
    result['TPIESERIES'] = i
    i = Icon().axes()
    i.line([(2, 10), (4, 8), (5, 11), (7, 5), (9, 9), (10, 6), (12, 8), (14, 3)], RED)
    result['TFASTLINESERIES'] = i
    i = Icon().axes()
    i.disc(5, 9, 2.5, BLUE)
    i.disc(11, 5, 3.5, RED)
    result['TBUBBLESERIES'] = i
    i = Icon().axes()
    i.line([(3, 12), (12, 3)], RED)
    i.line([(12, 3), (8, 3)], RED)
    i.line([(12, 3), (12, 7)], RED)
    result['TARROWSERIES'] = i
    i = Icon().axes()
    for y0, x0, x1 in [(3, 3, 8), (7, 6, 12), (11, 9, 14)]:
        i.rect(x0, y0, x1, y0 + 2, BLUE)
    result['TGANTTSERIES'] = i
    i = Icon()
    i.rect(2, 3, 13, 12, YELLOW)
    i.frame(2, 3, 13, 12, NAVY)
    result['TCHARTSHAPE'] = i
    i = Icon().axes()
    i.line([(2, 8), (7, 8), (8, 4), (11, 10), (14, 6)], GRAY)
    result['TCHARTSERIES'] = i
    i = Icon().axes()
    i.line([(8, 2), (8, 13)], RED)
    i.line([(2, 8), (14, 8)], RED)
    result['TCURSORTOOL'] = i
    i = Icon()
    i.line([(3, 13), (10, 6)], GRAY, thick=True)
    i.rect(9, 2, 13, 6, NAVY)
    i.rect(11, 3, 12, 4, CLEAR)
    result['TPLOTCUSTOMTOOL'] = i
    # Bases of the series and axis tools and of the annotations: the icons of their subclasses.
    i = Icon().axes()
    i.line([(2, 11), (6, 7), (10, 9), (14, 4)], RED)
    i.line([(6, 13), (12, 7)], GRAY, thick=True)
    result['TPLOTCUSTOMTOOLSERIES'] = i
    i = Icon().axes()
    i.line([(5, 3), (14, 3)], BLUE, thick=True)
    i.line([(11, 1), (14, 3), (11, 5)], BLUE)
    result['TPLOTCUSTOMTOOLAXIS'] = i
    i = Icon()
    i.rect(2, 2, 13, 9, YELLOW)
    i.frame(2, 2, 13, 9, NAVY)
    i.line([(5, 9), (3, 14)], NAVY)
    i.line([(4, 5), (11, 5)], GRAY)
    result['TANNOTATIONTOOL'] = i
    return result


def main():
    os.makedirs(OUT, exist_ok=True)
    for n, brush in enumerate(BRUSHES, start=1):
        write_png('PLOTBRUSH%d' % n, brush)
    for name, tile in TEXTURES.items():
        write_png(name, tile)
    write_png('PLOTARROWUP', arrow(True))
    write_png('PLOTARROWDOWN', arrow(False))
    for name, icon in icons().items():
        write_png(name, icon.px)
    return 0


if __name__ == '__main__':
    sys.exit(main())
