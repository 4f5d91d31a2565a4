"""Writes the benchmark's drawings into the folder given: for each page, 200 figures spread over
it, as a Quadrix drawing (d-WxH.edt) and as the same figures for fig2dev (d-WxH.fig).

xfig's files count 1200 units an inch and fig2dev's bitmaps show 80 pixels an inch, so a pixel
is 15 units; xfig's y runs downwards. A white box the size of the page gives fig2dev's output
our page's size.
"""
import random
import struct
import sys

PAGES = ((510, 254), (3840, 2160))
UNITS = 15
HEADER = "#FIG 3.2\nLandscape\nCenter\nInches\nLetter\n100.00\nSingle\n-2\n1200 2\n"
# object line, polyline subtype, style 0, thickness 1, pen colour, fill colour 7, depth 50...
POLY = "2 {sub} 0 1 {pen} 7 50 -1 -1 0.000 0 0 -1 0 0 {n}\n\t{points}\n"
ELLIPSE = "1 1 0 1 0 7 50 -1 -1 0.000 1 0.0000 {cx} {cy} {rx} {ry} {cx} {cy} {ex} {cy}\n"


def figures(w, h, rng):
    """Flat rectangles and ellipses are left out: fig2dev refuses them."""
    out = []
    while len(out) < 200:
        kind = len(out) % 3
        x = [rng.randrange(w) for _ in range(3)]
        y = [rng.randrange(h) for _ in range(3)]
        if kind != 2 and (abs(x[1] - x[0]) < 2 or abs(y[1] - y[0]) < 2):
            continue
        if kind != 2:
            x[2] = y[2] = -1
        out.append((kind, *x, *y))
    return out


def fig_point(x, y, h):
    return f"{x * UNITS} {(h - 1 - y) * UNITS}"


def fig_object(r, h):
    kind, x1, x2, x3, y1, y2, y3 = r
    if kind == 0:
        corners = [(x1, y1), (x2, y1), (x2, y2), (x1, y2), (x1, y1)]
        return POLY.format(sub=2, pen=0, n=5, points=" ".join(fig_point(x, y, h) for x, y in corners))
    if kind == 1:
        cx, cy = (x1 + x2) * UNITS // 2, (2 * h - 2 - y1 - y2) * UNITS // 2
        rx, ry = abs(x2 - x1) * UNITS // 2, abs(y2 - y1) * UNITS // 2
        return ELLIPSE.format(cx=cx, cy=cy, rx=rx, ry=ry, ex=cx + rx)
    corners = [(x1, y1), (x2, y2), (x3, y3), (x1, y1)]
    return POLY.format(sub=3, pen=0, n=4, points=" ".join(fig_point(x, y, h) for x, y in corners))


def page_box(w, h):
    corners = [(0, 0), (w - 1, 0), (w - 1, h - 1), (0, h - 1), (0, 0)]
    return POLY.format(sub=2, pen=7, n=5, points=" ".join(fig_point(x, y, h) for x, y in corners))


def main(folder):
    rng = random.Random(200)
    for w, h in PAGES:
        records = figures(w, h, rng)
        with open(f"{folder}/d-{w}x{h}.edt", "wb") as f:
            f.write(b"".join(struct.pack("<7i", *r) for r in records))
        with open(f"{folder}/d-{w}x{h}.fig", "w") as f:
            f.write(HEADER + page_box(w, h) + "".join(fig_object(r, h) for r in records))


if __name__ == "__main__":
    main(sys.argv[1])
