#!/usr/bin/env python3
"""Draws the gun-sight cursor as two X bitmaps: the sight itself and its mask.

The sight is a 32 x 32 monochrome picture: a circle about 25 pixels across, a cross-hair through
the hot spot (15, 15) with a gap in the middle, and short tick marks across the cross-hair. Every
pixel of the sight is black; its neighbours form a white halo so that the sight stays visible on
any ground. Run it from this folder to write tarnquil.xbm and tarnquil-mask.xbm.
"""

import math

SIZE = 32
CENTRE = 15
RADIUS = 12.2


def sight_pixels():
    pixels = set()
    # The circle: every pixel whose centre lies within half a pixel of the radius.
    for y in range(SIZE):
        for x in range(SIZE):
            if abs(math.hypot(x - CENTRE, y - CENTRE) - RADIUS) < 0.5:
                pixels.add((x, y))
    # The cross-hair, from outside the circle to a small gap around the hot spot.
    for d in range(2, 15):
        for sign in (-1, 1):
            pixels.add((CENTRE + sign * d, CENTRE))
            pixels.add((CENTRE, CENTRE + sign * d))
    pixels.add((CENTRE, CENTRE))
    # Short tick marks across the cross-hair, halfway to the circle.
    for sign in (-1, 1):
        t = CENTRE + sign * 6
        for k in (-2, -1, 1, 2):
            pixels.add((t, CENTRE + k))
            pixels.add((CENTRE + k, t))
    return {(x, y) for (x, y) in pixels if 0 <= x < SIZE and 0 <= y < SIZE}


def halo(pixels):
    ring = set()
    for (x, y) in pixels:
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                p = (x + dx, y + dy)
                if 0 <= p[0] < SIZE and 0 <= p[1] < SIZE:
                    ring.add(p)
    return ring


def write_xbm(path, name, pixels):
    data = []
    for y in range(SIZE):
        for byte in range(SIZE // 8):
            value = 0
            for bit in range(8):
                if (byte * 8 + bit, y) in pixels:
                    value |= 1 << bit  # X bitmaps keep the leftmost pixel in the lowest bit
            data.append(value)
    lines = [f"#define {name}_width {SIZE}", f"#define {name}_height {SIZE}",
             f"#define {name}_x_hot {CENTRE}", f"#define {name}_y_hot {CENTRE}",
             f"static unsigned char {name}_bits[] = {{"]
    for i in range(0, len(data), 12):
        chunk = ", ".join(f"0x{v:02x}" for v in data[i:i + 12])
        lines.append("   " + chunk + ("," if i + 12 < len(data) else "};"))
    with open(path, "w", encoding="ascii") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    sight = sight_pixels()
    write_xbm("tarnquil.xbm", "tarnquil", sight)
    write_xbm("tarnquil-mask.xbm", "tarnquil_mask", sight | halo(sight))
