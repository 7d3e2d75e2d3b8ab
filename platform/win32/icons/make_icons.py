#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files beside this
script: the application icon and the four tray states. Each is drawn on a
fine grid and averaged down, so edges are smooth at 16 and 32 pixels.
Run it again after changing a drawing; the .ico files are committed."""
import os
import struct

FINE = 8  # fine-grid cells per pixel


class Canvas:
    """Premultiplied RGBA on a fine grid of size*FINE, drawn in a 0..1 unit
    square so that one drawing serves every size."""

    def __init__(self, size):
        self.size = size
        self.n = size * FINE
        self.px = [[(0.0, 0.0, 0.0, 0.0)] * self.n for _ in range(self.n)]

    def fill(self, inside, colour):
        r, g, b, a = [c / 255 for c in colour]
        for y in range(self.n):
            v = (y + 0.5) / self.n
            row = self.px[y]
            for x in range(self.n):
                if inside((x + 0.5) / self.n, v):
                    pr, pg, pb, pa = row[x]
                    row[x] = (r * a + pr * (1 - a), g * a + pg * (1 - a),
                              b * a + pb * (1 - a), a + pa * (1 - a))

    def rect(self, x0, y0, x1, y1, colour, radius=0.0):
        def inside(u, v):
            if not (x0 <= u <= x1 and y0 <= v <= y1):
                return False
            cx = min(max(u, x0 + radius), x1 - radius)
            cy = min(max(v, y0 + radius), y1 - radius)
            return (u - cx) ** 2 + (v - cy) ** 2 <= radius ** 2 + 1e-12
        self.fill(inside, colour)

    def circle(self, cx, cy, r, colour):
        self.fill(lambda u, v: (u - cx) ** 2 + (v - cy) ** 2 <= r * r, colour)

    def ring(self, cx, cy, r0, r1, colour):
        self.fill(lambda u, v: r0 * r0 <= (u - cx) ** 2 + (v - cy) ** 2 <= r1 * r1,
                  colour)

    def line(self, x0, y0, x1, y1, width, colour):
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy

        def inside(u, v):
            t = max(0.0, min(1.0, ((u - x0) * dx + (v - y0) * dy) / length2))
            px, py = x0 + t * dx, y0 + t * dy
            return (u - px) ** 2 + (v - py) ** 2 <= (width / 2) ** 2
        self.fill(inside, colour)

    def polygon(self, points, colour):
        def inside(u, v):
            hit = False
            j = len(points) - 1
            for i in range(len(points)):
                (xi, yi), (xj, yj) = points[i], points[j]
                if (yi > v) != (yj > v) and u < (xj - xi) * (v - yi) / (yj - yi) + xi:
                    hit = not hit
                j = i
            return hit
        self.fill(inside, colour)

    def pixels(self):
        """Straight BGRA rows, top row first."""
        rows = []
        for y in range(self.size):
            row = []
            for x in range(self.size):
                acc = [0.0, 0.0, 0.0, 0.0]
                for fy in range(y * FINE, (y + 1) * FINE):
                    for fx in range(x * FINE, (x + 1) * FINE):
                        for k, c in enumerate(self.px[fy][fx]):
                            acc[k] += c
                acc = [c / (FINE * FINE) for c in acc]
                a = acc[3]
                if a <= 0:
                    row.append((0, 0, 0, 0))
                    continue
                r, g, b = (min(255, round(c / a * 255)) for c in acc[:3])
                row.append((b, g, r, round(a * 255)))
            rows.append(row)
        return rows


def ico(images):
    """An .ico of 32-bit bitmaps with their AND masks."""
    head = struct.pack('<HHH', 0, 1, len(images))
    entries, blobs = b'', b''
    offset = 6 + 16 * len(images)
    for rows in images:
        size = len(rows)
        bitmap = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                             size * size * 4, 0, 0, 0, 0)
        for row in reversed(rows):
            bitmap += b''.join(bytes(p) for p in row)
        stride = (size + 31) // 32 * 4
        for row in reversed(rows):
            bits = bytearray(stride)
            for x, p in enumerate(row):
                if p[3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            bitmap += bytes(bits)
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32,
                               len(bitmap), offset)
        blobs += bitmap
        offset += len(bitmap)
    return head + entries + blobs


SCREEN_FRAME = (52, 58, 70, 255)


def monitor(c, glass):
    """A screen on a stand: what every tray state shows."""
    c.rect(0.30, 0.72, 0.70, 0.80, SCREEN_FRAME, 0.02)
    c.rect(0.44, 0.64, 0.56, 0.74, SCREEN_FRAME)
    c.rect(0.04, 0.10, 0.96, 0.68, SCREEN_FRAME, 0.06)
    c.rect(0.11, 0.17, 0.89, 0.61, glass, 0.02)


def idle(c):
    monitor(c, (150, 160, 172, 255))


def connected(c):
    monitor(c, (96, 180, 110, 255))
    # Two linked clients.
    c.line(0.30, 0.39, 0.70, 0.39, 0.07, (255, 255, 255, 255))
    c.circle(0.30, 0.39, 0.12, (255, 255, 255, 255))
    c.circle(0.70, 0.39, 0.12, (255, 255, 255, 255))
    c.circle(0.30, 0.39, 0.07, (30, 120, 50, 255))
    c.circle(0.70, 0.39, 0.07, (30, 120, 50, 255))


def files(c):
    monitor(c, (96, 180, 110, 255))
    # An open document in front of the screen.
    c.polygon([(0.46, 0.30), (0.80, 0.30), (0.96, 0.46), (0.96, 0.98),
               (0.46, 0.98)], (150, 30, 20, 255))
    c.polygon([(0.52, 0.36), (0.78, 0.36), (0.90, 0.48), (0.90, 0.92),
               (0.52, 0.92)], (255, 236, 210, 255))
    c.polygon([(0.76, 0.36), (0.90, 0.50), (0.76, 0.50)], (230, 120, 60, 255))
    for y in (0.60, 0.70, 0.80):
        c.rect(0.58, y, 0.84, y + 0.05, (200, 60, 40, 255))


def userless(c):
    monitor(c, (96, 180, 110, 255))
    # A session with nobody's name: a yellow badge with a question mark.
    c.circle(0.70, 0.70, 0.28, (120, 90, 0, 255))
    c.circle(0.70, 0.70, 0.23, (250, 200, 30, 255))
    c.ring(0.70, 0.63, 0.06, 0.12, (60, 40, 0, 255))
    c.rect(0.58, 0.56, 0.66, 0.66, (250, 200, 30, 255))
    c.rect(0.67, 0.70, 0.73, 0.80, (60, 40, 0, 255))
    c.rect(0.67, 0.84, 0.73, 0.90, (60, 40, 0, 255))


def application(c):
    # A ring of the network with three computers on it.
    c.circle(0.5, 0.5, 0.48, (20, 70, 140, 255))
    c.circle(0.5, 0.5, 0.43, (60, 130, 210, 255))
    c.ring(0.5, 0.5, 0.22, 0.30, (255, 255, 255, 255))
    for x, y in ((0.5, 0.20), (0.24, 0.65), (0.76, 0.65)):
        c.circle(x, y, 0.11, (20, 70, 140, 255))
        c.circle(x, y, 0.075, (255, 210, 60, 255))


def draw(drawing, size):
    canvas = Canvas(size)
    drawing(canvas)
    return canvas.pixels()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    icons = {'idle': (idle, (16, 32)), 'connected': (connected, (16, 32)),
             'files': (files, (16, 32)), 'userless': (userless, (16, 32)),
             'orvane': (application, (16, 32, 48))}
    for name, (drawing, sizes) in icons.items():
        with open(os.path.join(here, name + '.ico'), 'wb') as out:
            out.write(ico([draw(drawing, size) for size in sizes]))


if __name__ == '__main__':
    main()
