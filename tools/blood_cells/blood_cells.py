#!/usr/bin/env python3
"""Draw the pictures of exercise 10 (red blood cells and chromosomes 9) as SVG.

Usage: python3 tools/blood_cells/blood_cells.py
Writes into assets/ex10/:
  globule1.svg .. globule4.svg   a biconcave red blood cell, 114 x 99, carrying
                                 molecule A (blue diamonds) and/or molecule B
                                 (yellow triangles): A only, A and B, B only, none
  legende.svg                    the legend's cell, 98 x 83: two diamonds on the
                                 left, two triangles on the right, placed where
                                 the screen's pointer lines end
  chromosome_A/B/O.svg           a chromosome 9, 61 x 172, with the allele's band
  globules_meb.svg               a micrograph of red blood cells, red on black,
                                 with a yellow arrow pointing right, 160 x 118
Every picture is a handful of shapes and gradients, so that it draws at once.
"""
import math
import random
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent.parent / "assets" / "ex10"
FONT = "Liberation Sans"

BLUE, BLUE_EDGE = "#1f4fd8", "#0b2470"
YELLOW, YELLOW_EDGE = "#ffd81a", "#8a6a00"


def svg(width, height, title, body):
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
        f'version="1.1" width="{width}" height="{height}" viewBox="0 0 {width} {height}">\n'
        f"<title>{title}</title>\n{body}</svg>\n"
    )


def f(v):
    return f"{v:.1f}".rstrip("0").rstrip(".")


# ------------------------------------------------------------------ one cell

CELL_DEFS = """<defs>
 <radialGradient id="body" cx="0.5" cy="0.5" r="0.5">
  <stop offset="0" stop-color="#c8302a"/>
  <stop offset="0.38" stop-color="#b31e1a"/>
  <stop offset="0.7" stop-color="#e8483c"/>
  <stop offset="0.9" stop-color="#c42218"/>
  <stop offset="1" stop-color="#8e0e0c"/>
 </radialGradient>
 <radialGradient id="dimple" cx="0.58" cy="0.62" r="0.6">
  <stop offset="0" stop-color="#d84a40"/>
  <stop offset="0.7" stop-color="#a8181a"/>
  <stop offset="1" stop-color="#8c1012"/>
 </radialGradient>
 <linearGradient id="sheen" x1="0" y1="0" x2="0.6" y2="1">
  <stop offset="0" stop-color="#ffffff" stop-opacity="0.55"/>
  <stop offset="0.5" stop-color="#ffffff" stop-opacity="0"/>
 </linearGradient>
</defs>
"""


def cell_body(cx, cy, rx, ry):
    """A biconcave disc seen from above: a raised pale rim around a darker hollow."""
    return (
        f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(rx)}" ry="{f(ry)}" fill="url(#body)" '
        f'stroke="#6e0808" stroke-width="1.4"/>\n'
        f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(rx * 0.46)}" ry="{f(ry * 0.46)}" fill="url(#dimple)" '
        f'stroke="#8a1010" stroke-opacity="0.6" stroke-width="1"/>\n'
        f'<ellipse cx="{f(cx - rx * 0.22)}" cy="{f(cy - ry * 0.42)}" rx="{f(rx * 0.55)}" ry="{f(ry * 0.3)}" '
        f'fill="url(#sheen)"/>\n'
    )


def rim(cx, cy, rx, ry, degrees, out=0.0):
    """The point of the rim at an angle (counter-clockwise from the right), pushed out along the normal."""
    a = math.radians(degrees)
    x, y = cx + rx * math.cos(a), cy - ry * math.sin(a)
    nx, ny = math.cos(a) / rx, -math.sin(a) / ry
    n = math.hypot(nx, ny)
    return x + out * nx / n, y + out * ny / n, math.degrees(math.atan2(ny, nx))


def diamond(x, y, angle, size):
    """Molecule A: a blue diamond standing on the surface, its long axis along the normal."""
    a, b = size, size * 0.68
    return (
        f'<path d="M{f(-a)},0 L0,{f(-b)} L{f(a)},0 L0,{f(b)} Z" fill="{BLUE}" stroke="{BLUE_EDGE}" '
        f'stroke-width="1" transform="translate({f(x)},{f(y)}) rotate({f(angle)})"/>\n'
    )


def triangle(x, y, angle, size):
    """Molecule B: a yellow triangle, its base on the surface and its tip outwards."""
    h, b = size * 1.5, size * 0.95
    return (
        f'<path d="M{f(-h / 3)},{f(-b)} L{f(2 * h / 3)},0 L{f(-h / 3)},{f(b)} Z" fill="{YELLOW}" '
        f'stroke="{YELLOW_EDGE}" stroke-width="1" transform="translate({f(x)},{f(y)}) rotate({f(angle)})"/>\n'
    )


def mark(kind, cx, cy, rx, ry, degrees, size):
    if kind == "A":
        x, y, a = rim(cx, cy, rx, ry, degrees, size * 0.35)
        return diamond(x, y, a, size)
    x, y, a = rim(cx, cy, rx, ry, degrees, size * 0.45)
    return triangle(x, y, a, size)


def red_cell(width, height, title, cell, marks, size):
    cx, cy, rx, ry = cell
    body = CELL_DEFS + cell_body(cx, cy, rx, ry)
    for kind, degrees in marks:
        body += mark(kind, cx, cy, rx, ry, degrees, size)
    return svg(width, height, title, body)


UPPER_LEFT, LOWER_LEFT, UPPER_RIGHT, LOWER_RIGHT = 142, 218, 38, 322

CELLS = [
    ("globule1.svg", "Globule rouge portant la molécule A",
     [("A", UPPER_LEFT), ("A", LOWER_LEFT), ("A", UPPER_RIGHT), ("A", LOWER_RIGHT)]),
    ("globule2.svg", "Globule rouge portant les molécules A et B",
     [("A", UPPER_LEFT), ("A", LOWER_LEFT), ("B", UPPER_RIGHT), ("B", LOWER_RIGHT)]),
    ("globule3.svg", "Globule rouge portant la molécule B",
     [("B", UPPER_LEFT), ("B", LOWER_LEFT), ("B", UPPER_RIGHT), ("B", LOWER_RIGHT)]),
    ("globule4.svg", "Globule rouge sans molécule A ni B", []),
]


# ------------------------------------------------------------------ chromosome 9

# The left chromatid; the right one is its mirror image. Its two ends are rounded, its outer
# edge pinches in at the centromere, high on the chromosome, where the inner edges meet.
CHROMATID = ("M18,4 C11,4 7,8 7,14 L7,40 C7,47 12,48 12,52 C12,56 7,58 7,64 L7,160 "
             "C7,166 11,168 18,168 C25,168 29,166 29,160 L29,64 C29,58 30.5,56 30.5,52 "
             "C30.5,48 29,47 29,40 L29,14 C29,8 25,4 18,4 Z")
MIRROR = "translate(61,0) scale(-1,1)"
# Pale G bands of chromosome 9 (top, height), on both chromatids.
BANDS = [(20, 5), (31, 4), (70, 6), (84, 5), (98, 7), (150, 5)]
ALLELES = {
    "A": ("#e01414", "#ffffff"),
    "B": ("#ffd81a", "#000000"),
    "O": ("#ffffff", "#000000"),
}
BAND_TOP, BAND_HEIGHT = 118, 20


def chromosome(allele):
    fill, letter = ALLELES[allele]
    body = ('<defs>\n <linearGradient id="relief" x1="0" y1="0" x2="1" y2="0">\n'
            '  <stop offset="0" stop-color="#e9a9b8"/>\n  <stop offset="0.45" stop-color="#fbd9e1"/>\n'
            '  <stop offset="1" stop-color="#efb8c5"/>\n </linearGradient>\n</defs>\n')
    for transform in ("", f' transform="{MIRROR}"'):
        body += f'<path d="{CHROMATID}" fill="url(#relief)"{transform}/>\n'
    for x in (7, 32):
        for top, h in BANDS:
            body += f'<rect x="{x}" y="{top}" width="22" height="{h}" fill="#d88c9e" fill-opacity="0.7"/>\n'
        body += (f'<rect x="{x}" y="{BAND_TOP}" width="22" height="{BAND_HEIGHT}" fill="{fill}" '
                 f'stroke="#5a2a34" stroke-width="0.8"/>\n')
        body += (f'<text x="{x + 11}" y="{BAND_TOP + 15}" text-anchor="middle" font-family="{FONT}" '
                 f'font-weight="bold" font-size="14" fill="{letter}">{allele}</text>\n')
    for transform in ("", f' transform="{MIRROR}"'):
        body += f'<path d="{CHROMATID}" fill="none" stroke="#9c4a5c" stroke-width="1.3"{transform}/>\n'
    return svg(61, 172, f"Chromosome 9 portant l'allèle {allele}", body)


# ------------------------------------------------------------------ micrograph

# Shown at its own size left of the table, which it must not reach, and above its caption.
MEB_WIDTH, MEB_HEIGHT = 160, 118
MEB_DEFS = """<defs>
 <radialGradient id="rbc" cx="0.5" cy="0.5" r="0.5">
  <stop offset="0" stop-color="#6e0c0a"/>
  <stop offset="0.32" stop-color="#8c120e"/>
  <stop offset="0.66" stop-color="#ee4a34"/>
  <stop offset="0.86" stop-color="#c8261a"/>
  <stop offset="1" stop-color="#4a0604"/>
 </radialGradient>
 <radialGradient id="glow" cx="0.35" cy="0.3" r="0.5">
  <stop offset="0" stop-color="#ffb49c" stop-opacity="0.55"/>
  <stop offset="1" stop-color="#ffb49c" stop-opacity="0"/>
 </radialGradient>
 <g id="cell">
  <circle r="15" fill="url(#rbc)"/>
  <circle r="15" fill="url(#glow)"/>
 </g>
</defs>
"""


def micrograph():
    rng = random.Random(9)
    body = MEB_DEFS + f'<rect width="{MEB_WIDTH}" height="{MEB_HEIGHT}" fill="#000000"/>\n'
    # A loose crowd of cells, some tilted, overlapping as in a smear seen from above.
    for row in range(6):
        for col in range(8):
            x = col * 24 + (12 if row % 2 else 0) + rng.uniform(-4, 4)
            y = row * 25 + 3 + rng.uniform(-4, 4)
            if x > 112 and 38 < y < 80:
                continue  # room for the arrow
            scale = rng.uniform(0.8, 0.95)
            tilt = rng.uniform(0.65, 1.0)
            turn = rng.uniform(0, 180)
            body += (f'<use xlink:href="#cell" transform="translate({f(x)},{f(y)}) rotate({f(turn)}) '
                     f'scale({scale:.2f},{scale * tilt:.2f})"/>\n')
    body += ('<path d="M118,55 H138 V47 L156,59 L138,71 V63 H118 Z" fill="#ffe21a" '
             'stroke="#5a4a00" stroke-width="1.2" stroke-linejoin="round"/>\n')
    return svg(MEB_WIDTH, MEB_HEIGHT, "Globules rouges au microscope électronique à balayage, x1000", body)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for name, title, marks in CELLS:
        (OUT / name).write_text(red_cell(114, 99, title, (57, 50, 42, 36), marks, 8), encoding="utf-8")
    # The legend: the marks sit where the screen's lines end, the upper diamond's tip at (10, 16), the
    # lower triangle's tip at (90, 72), and the middle line reaches into the cell at (16, 48).
    legend = [("A", 145), ("A", 215), ("B", 38), ("B", 320)]
    (OUT / "legende.svg").write_text(
        red_cell(98, 83, "Globule rouge portant les molécules A et B", (51, 42, 40, 34), legend, 8),
        encoding="utf-8")
    for allele in ALLELES:
        (OUT / f"chromosome_{allele}.svg").write_text(chromosome(allele), encoding="utf-8")
    (OUT / "globules_meb.svg").write_text(micrograph(), encoding="utf-8")


if __name__ == "__main__":
    main()
