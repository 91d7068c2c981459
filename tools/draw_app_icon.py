#!/usr/bin/env python3
"""Draws the program's icon, a notebook with a price tag, from one list of shapes: writes it as
resources/icons/pricotta.svg and renders the same shapes to resources/icons/pricotta_<size>.png for
the sizes the desktop asks for. Needs nothing beyond Python. Run from anywhere."""
import math
import pathlib
import struct
import zlib

SIZES = (16, 24, 32, 48, 64, 128, 256)
CANVAS = 256.0
SAMPLES = 4  # per pixel and axis: 16 samples give smooth edges

COVER = '#3c6e91'
PAGE = '#fffdf5'
RING = '#5b6770'
RULE = '#bfd3e3'
TAG = '#e8553e'
TAG_EDGE = '#b93a27'
MARK = '#ffffff'


class RoundRect:
    def __init__(self, x, y, w, h, r, colour):
        self.x, self.y, self.w, self.h, self.r, self.colour = x, y, w, h, r, colour
        self.box = (x, y, x + w, y + h)

    def inside(self, px, py):
        # Distance to the inner rectangle that the corner circles run around.
        dx = max(self.x + self.r - px, 0.0, px - (self.x + self.w - self.r))
        dy = max(self.y + self.r - py, 0.0, py - (self.y + self.h - self.r))
        return (self.x <= px <= self.x + self.w and self.y <= py <= self.y + self.h
                and dx * dx + dy * dy <= self.r * self.r)

    def svg(self):
        return (f'<rect x="{self.x:g}" y="{self.y:g}" width="{self.w:g}" height="{self.h:g}" '
                f'rx="{self.r:g}" fill="{self.colour}"/>')


class Circle:
    def __init__(self, cx, cy, r, colour):
        self.cx, self.cy, self.r, self.colour = cx, cy, r, colour
        self.box = (cx - r, cy - r, cx + r, cy + r)

    def inside(self, px, py):
        return (px - self.cx) ** 2 + (py - self.cy) ** 2 <= self.r * self.r

    def svg(self):
        return f'<circle cx="{self.cx:g}" cy="{self.cy:g}" r="{self.r:g}" fill="{self.colour}"/>'


class Polygon:
    def __init__(self, points, colour):
        self.points, self.colour = points, colour
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.box = (min(xs), min(ys), max(xs), max(ys))

    def inside(self, px, py):
        inside = False
        n = len(self.points)
        for i in range(n):
            (x1, y1), (x2, y2) = self.points[i], self.points[(i + 1) % n]
            if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
        return inside

    def svg(self):
        points = ' '.join(f'{x:.2f},{y:.2f}' for x, y in self.points)
        return f'<polygon points="{points}" fill="{self.colour}"/>'


class Stroke:
    """A straight line with round ends."""

    def __init__(self, a, b, width, colour):
        self.a, self.b, self.half, self.colour = a, b, width / 2.0, colour
        self.box = (min(a[0], b[0]) - self.half, min(a[1], b[1]) - self.half,
                    max(a[0], b[0]) + self.half, max(a[1], b[1]) + self.half)

    def inside(self, px, py):
        (ax, ay), (bx, by) = self.a, self.b
        vx, vy = bx - ax, by - ay
        t = ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)
        t = min(1.0, max(0.0, t))
        dx, dy = px - (ax + t * vx), py - (ay + t * vy)
        return dx * dx + dy * dy <= self.half * self.half

    def svg(self):
        return (f'<line x1="{self.a[0]:.2f}" y1="{self.a[1]:.2f}" x2="{self.b[0]:.2f}" y2="{self.b[1]:.2f}" '
                f'stroke="{self.colour}" stroke-width="{2 * self.half:g}" stroke-linecap="round"/>')


def placed(points, angle_degrees, centre):
    """Points of a shape drawn around (0, 0), turned by the angle and moved to the centre."""
    a = math.radians(angle_degrees)
    c, s = math.cos(a), math.sin(a)
    return [(centre[0] + x * c - y * s, centre[1] + x * s + y * c) for x, y in points]


def shapes():
    out = [RoundRect(36, 14, 180, 228, 20, COVER), RoundRect(54, 24, 150, 206, 10, PAGE)]
    for y in (50, 90, 130, 170, 210):
        out.append(Stroke((30, y), (66, y), 13, RING))
    for y in (66, 102, 138):
        out.append(Stroke((86, y), (180, y), 9, RULE))

    # The price tag, hanging at an angle over the page's corner, with a yen sign.
    angle, centre = -35, (166, 184)
    outline = [(-74, 0), (-42, -40), (64, -40), (64, 40), (-42, 40)]
    inner = [(-66, 0), (-38, -33), (57, -33), (57, 33), (-38, 33)]
    out.append(Polygon(placed(outline, angle, centre), TAG_EDGE))
    out.append(Polygon(placed(inner, angle, centre), TAG))
    hole = placed([(-44, 0)], angle, centre)[0]
    out.append(Circle(hole[0], hole[1], 9, PAGE))
    yen = [((-4, -27), (14, -3)), ((32, -27), (14, -3)), ((14, -3), (14, 28)),
           ((-2, 6), (30, 6)), ((-2, 18), (30, 18))]
    for a, b in yen:
        pa, pb = placed([a, b], angle, centre)
        out.append(Stroke(pa, pb, 9, MARK))
    return out


def svg_text(all_shapes):
    body = '\n  '.join(s.svg() for s in all_shapes)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
            f'  <title>Pricotta</title>\n  {body}\n</svg>\n')


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def render(all_shapes, size):
    scale = CANVAS / size
    step = scale / SAMPLES
    colours = [rgb(s.colour) for s in all_shapes]
    rows = []
    for py in range(size):
        row = bytearray([0])  # PNG filter: none
        for px in range(size):
            # Shapes that can touch this pixel, in drawing order.
            x0, y0 = px * scale, py * scale
            near = [i for i, s in enumerate(all_shapes)
                    if s.box[0] <= x0 + scale and s.box[2] >= x0 and s.box[1] <= y0 + scale and s.box[3] >= y0]
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x, y = x0 + (sx + 0.5) * step, y0 + (sy + 0.5) * step
                    top = None
                    for i in near:
                        if all_shapes[i].inside(x, y):
                            top = i
                    if top is not None:
                        cr, cg, cb = colours[top]
                        r, g, b, a = r + cr, g + cg, b + cb, a + 1
            n = SAMPLES * SAMPLES
            if a:
                row += bytes((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return png(size, b''.join(rows))


def png(size, raw):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def main():
    folder = pathlib.Path(__file__).resolve().parent.parent / 'resources' / 'icons'
    folder.mkdir(parents=True, exist_ok=True)
    all_shapes = shapes()
    (folder / 'pricotta.svg').write_text(svg_text(all_shapes), encoding='utf-8')
    for size in SIZES:
        (folder / f'pricotta_{size}.png').write_bytes(render(all_shapes, size))
        print(f'wrote pricotta_{size}.png')


if __name__ == '__main__':
    main()
