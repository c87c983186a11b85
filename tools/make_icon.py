#!/usr/bin/env python3
# make_icon.py - Draws src/app/win32/gdfconv-gui.ico: a boring column of coloured layers beside
# an arrow into a record sheet, at 16, 32 and 48 pixels. Run it again after changing the drawing.
#
#   tools/make_icon.py [OUTPUT]
import os
import struct
import sys

LAYERS = [(139, 90, 43), (200, 160, 80), (120, 120, 120), (170, 110, 60), (90, 70, 50)]


def pixel(x, y, size):
    """The colour (r, g, b, a) at x, y (0, 0 at the top left) of the icon of `size`."""
    u, v = x / size, y / size
    # The boring column: layers one above the other, with a dark outline.
    if 0.12 <= u < 0.42 and 0.06 <= v < 0.94:
        if u < 0.16 or u >= 0.38 or v < 0.10 or v >= 0.90:
            return (40, 40, 40, 255)
        layer = min(int((v - 0.10) / 0.80 * len(LAYERS)), len(LAYERS) - 1)
        return LAYERS[layer] + (255,)
    # The record sheet: white with blue lines.
    if 0.58 <= u < 0.92 and 0.18 <= v < 0.82:
        if u < 0.61 or u >= 0.89 or v < 0.21 or v >= 0.79:
            return (40, 40, 40, 255)
        row = (v - 0.21) / 0.58 * 6
        if row - int(row) < 0.25 and 0.64 <= u < 0.86:
            return (30, 80, 200, 255)
        return (255, 255, 255, 255)
    # The arrow from the column to the sheet.
    if 0.44 <= u < 0.50 and abs(v - 0.5) < 0.05:
        return (200, 30, 30, 255)
    if 0.48 <= u < 0.57 and abs(v - 0.5) < (0.57 - u) * 1.2:
        return (200, 30, 30, 255)
    return (0, 0, 0, 0)


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up, as a bitmap is stored
        rows.append(b"".join(struct.pack("<BBBB", b, g, r, a)
                             for r, g, b, a in (pixel(x, y, size) for x in range(size))))
    mask_row = b"\0" * (((size + 31) // 32) * 4)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + mask_row * size


def main(path):
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    main(sys.argv[1] if len(sys.argv) > 1
         else os.path.join(here, "..", "src", "app", "win32", "gdfconv-gui.ico"))
