#!/usr/bin/env python3
"""Draws the program icon, a brick wall under a load arrow, in the 16 colours of the standard
palette, and writes icon-16.png, icon-32.png, icon_xpm.h (both images as XPM data, which the Linux
program builds its window icon from without loading any image-format plugin) and quarnel.ico, the
Windows icon: the sizes Windows shows at 100 to 200 % scaling (16, 20, 24, 32, 40, 48, 64) and 256
for the large views, in 32-bit colour with alpha, the 256 one PNG-compressed.
Run it from anywhere; it writes next to itself. Needs only the Python standard library."""
import os
import struct
import zlib

PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
CLEAR, MAROON, SILVER, GREY, RED, BLUE, NAVY = None, 1, 7, 8, 9, 12, 4
ICO_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def draw(size):
    """Rows of palette indices (None: transparent) for an image of size x size pixels."""
    img = [[CLEAR] * size for _ in range(size)]
    top = size * 3 // 8                       # the wall fills the lower five eighths
    brick_w, brick_h = size // 4, size // 8 if size >= 32 else 3
    for y in range(top, size):
        row = (y - top) // brick_h
        shift = brick_w // 2 if row % 2 else 0
        for x in range(size):
            mortar = (y - top) % brick_h == brick_h - 1 or (x + shift) % brick_w == brick_w - 1
            face_top = (y - top) % brick_h == 0
            img[y][x] = SILVER if mortar else (RED if face_top else MAROON)
        img[y][0] = img[y][size - 1] = GREY
    for x in range(size):
        img[size - 1][x] = GREY
    mid = size // 2                           # the load arrow pointing down onto the wall
    shaft = max(1, size // 16)
    head = size // 4
    for y in range(0, top - head):
        for x in range(mid - shaft, mid + shaft):
            img[y][x] = BLUE
    for i in range(head):
        y = top - head + i
        half = head - i
        for x in range(mid - half, mid + half):
            img[y][x] = NAVY if x in (mid - half, mid + half - 1) else BLUE
    return img


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(
        ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png(img):
    size = len(img)
    raw = b"".join(b"\0" + bytes(16 if p is None else p for p in row) for row in img)
    plte = b"".join(bytes(c) for c in PALETTE) + bytes((0, 0, 0))   # index 16 is transparent
    trns = bytes([255] * 16 + [0])
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", plte) + chunk(b"tRNS", trns)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def rgba(p):
    """A palette index as red, green, blue and alpha; None is transparent."""
    return (0, 0, 0, 0) if p is None else PALETTE[p] + (255,)


def png32(img):
    """The image as a PNG in 32-bit colour (8 bits each of red, green, blue and alpha)."""
    size = len(img)
    raw = b"".join(b"\0" + b"".join(bytes(rgba(p)) for p in row) for row in img)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib32(img):
    """The image as an icon resource in 32-bit colour: header, blue-green-red-alpha rows, and the
    1-bit mask rows that Windows still reads where it ignores alpha."""
    size = len(img)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    xor, mask = b"", b""
    for row in reversed(img):                  # bottom-up
        xor += b"".join(bytes((b, g, r, a)) for r, g, b, a in map(rgba, row))
        bits = "".join("1" if p is None else "0" for p in row) + "0" * (-size % 8)
        line = bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))
        mask += line + b"\0" * (-len(line) % 4)
    return header + xor + mask


def ico(images):
    """The icon file: each image in 32-bit colour, PNG-compressed from 256 pixels on."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for img in images:
        size = len(img)
        body = png32(img) if size >= 256 else dib32(img)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(body), offset)
        offset += len(body)
        data += body
    return out + data


def xpm(img, name):
    """The image as XPM data in a C array: a blank is transparent, 0-9 and a-f the 16 colours."""
    keys = "0123456789abcdef"
    size = len(img)
    lines = ['"%d %d 17 1"' % (size, size), '"  c None"']
    lines += ['"%s c #%02X%02X%02X"' % ((keys[i],) + c) for i, c in enumerate(PALETTE)]
    lines += ['"%s"' % "".join(" " if p is None else keys[p] for p in row) for row in img]
    return "static const char* const %s[] = {\n%s};\n" % (name, ",\n".join(lines))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    big, small = draw(32), draw(16)
    for name, content in (("icon-32.png", png(big)), ("icon-16.png", png(small)),
                          ("quarnel.ico", ico([draw(s) for s in ICO_SIZES])),
                          ("icon_xpm.h", ("// Written by make_icon.py.\n" + xpm(small, "icon16_xpm")
                                          + xpm(big, "icon32_xpm")).encode())):
        with open(os.path.join(here, name), "wb") as f:
            f.write(content)


if __name__ == "__main__":
    main()
