#!/usr/bin/env python3
"""Renders the program icon at the larger sizes of desktop menus and software centres (48, 64, 128
and 256 pixels) with the drawing of res/make_icon.py, into icons/quarnel-SIZE.png next to itself.
The 16 and 32 pixel images are res/icon-16.png and res/icon-32.png. Needs only Python."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "res"))
import make_icon  # noqa: E402

SIZES = (48, 64, 128, 256)


def main():
    for size in SIZES:
        path = os.path.join(HERE, "icons", "quarnel-%d.png" % size)
        with open(path, "wb") as f:
            f.write(make_icon.png(make_icon.draw(size)))


if __name__ == "__main__":
    main()
