#!/usr/bin/env python3
"""Draws the logo bitmaps and icons of the title and About windows:
title.bmp (resource 157), about.bmp (292), product.ico and project.ico.
Run it in this folder; the outputs are committed beside it."""
import struct

# 5x7 letters of the product's name.
LETTERS = {
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "V": ["10001", "10001", "10001", "10001", "01010", "01010", "00100"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "X": ["10001", "01010", "00100", "00100", "00100", "01010", "10001"],
}


def canvas(width, height, top, bottom):
    """Rows of (r, g, b), a vertical gradient from top to bottom colour."""
    rows = []
    for y in range(height):
        t = y / max(1, height - 1)
        colour = tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
        rows.append([colour] * width)
    return rows


def write_text(rows, text, x, y, scale, colour):
    for letter in text:
        for dy, line in enumerate(LETTERS[letter]):
            for dx, bit in enumerate(line):
                if bit == "1":
                    for sy in range(scale):
                        for sx in range(scale):
                            rows[y + dy * scale + sy][x + dx * scale + sx] = colour
        x += 6 * scale


def bmp(rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = b""
    for row in reversed(rows):
        line = b"".join(struct.pack("BBB", b, g, r) for r, g, b in row)
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)) + header + pixels


def icon_image(size, background, mark):
    """A 32-bit icon image: a rounded square with a mark in its middle."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            corner = min(x, size - 1 - x) + min(y, size - 1 - y) < size // 8
            inside = size // 4 <= x < size - size // 4 and size // 4 <= y < size - size // 4
            if corner:
                row.append((0, 0, 0, 0))
            elif inside and (x + y) % 2 == 0:
                row.append(mark + (255,))
            else:
                row.append(background + (255,))
        rows.append(row)
    pixels = b"".join(struct.pack("BBBB", b, g, r, a) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_stride * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def ico(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset + len(body))
        body += data
    return out + body


def main():
    title = canvas(200, 60, (20, 40, 110), (70, 130, 200))
    write_text(title, "ORVEX", 25, 9, 6, (255, 255, 255))
    open("title.bmp", "wb").write(bmp(title))
    about = canvas(64, 64, (70, 130, 200), (20, 40, 110))
    write_text(about, "OR", 9, 10, 4, (255, 255, 255))
    write_text(about, "VX", 9, 42, 2, (255, 220, 120))
    open("about.bmp", "wb").write(bmp(about))
    for name, background, mark in (("product.ico", (30, 70, 160), (255, 255, 255)),
                                   ("project.ico", (200, 150, 40), (60, 40, 10))):
        open(name, "wb").write(ico([(32, icon_image(32, background, mark)), (16, icon_image(16, background, mark))]))


if __name__ == "__main__":
    main()
