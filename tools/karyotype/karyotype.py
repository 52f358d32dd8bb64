#!/usr/bin/env python3
"""Draw the courseware's karyotype pictures as SVG from small JSON descriptions.

Usage: python3 tools/karyotype/karyotype.py [DESCRIPTION.json ...]
  Without arguments every *.json beside this script is drawn; each file names
  its output relative to assets/.  Keys of a description (defaults in brackets):
    output        "ex17/caryotype1.svg"
    title         text of the SVG <title>
    width, height picture size in pixels
    background    "#RRGGBB"                                   ["#FFFFFF"]
    copies        copies of each autosome 1..22: 2 diploid, 1 haploid   [2]
    extra         autosomes added on top, e.g. [21] for a trisomy 21      [[]]
    sex           groups at the bottom right, each a string whose letters
                  are its chromosomes and its label: ["Y", "X"], ["XX"]   [[]]
    layout_sex    the sex groups the scale and rows are worked out for, so
                  that pictures differing only in them draw every other
                  chromosome alike: ["X"] on a picture of 22 + Y     [sex]
    rows          first and last autosome of each row  [[1,5],[6,12],[13,18],[19,22]]
    scale_bar     true draws a 10 µm bar at the bottom left              [false]
    satellites    true draws the satellites of the acrocentrics          [false]
    label_colours {"X": "#D61010"}: colour of some labels               [{}]
    colours       overrides of {"body", "edge", "band", "outline", "text"};
                  a black-and-white sheet: body "#FFFFFF", edge "#D8D8D8",
                  band and outline "#000000"
"""
import json
import math
import sys
from xml.sax.saxutils import escape
from pathlib import Path

HERE = Path(__file__).resolve().parent
ASSETS = HERE.parent.parent / "assets"
FONT = "Liberation Sans"

# name: (length, share of the length in the short arm p, G bands of p from its
# tip to the centromere, G bands of q from the centromere to its tip).
# Lengths only keep the textbook order (1 longest,
# 21 shortest); the bands are a simplified ideogram: '.' pale, ':' grey,
# '#' dark, each arm's characters spread evenly along it.
CHROMOSOMES = {
    "1": (8.4, .48, "..:.#.#.#.#..", "##..#.#.##.#:#."),
    "2": (8.0, .39, "..#.#.#.##.#..", ".#.#.##.#.#.##.#.."),
    "3": (6.8, .47, "..#.#.##.#.#..", "..#.#.##.#.#.#.."),
    "4": (6.3, .29, "..#.#..", ".#.##.#.#.##.#.#."),
    "5": (6.1, .28, ".#.#..", "#.##.#.#.#.#.."),
    "6": (5.9, .39, ".#.##..#..", "#.##.#.#.#.#."),
    "7": (5.4, .38, ".#.#.#..", ".#.##.#..#.#."),
    "8": (4.9, .34, ".#.#..", ".#.#.##.#.#."),
    "9": (4.8, .35, ".#.#..", ":::.#.#.#.."),
    "10": (4.6, .32, ".#.#..", ".#.##.#.#.#."),
    "11": (4.55, .40, ".#.#.#..", ".#.##.#.#."),
    "12": (4.5, .28, ".#..", ".#.#.##.#.#."),
    "13": (3.7, .15, "::", ".#.##.#.##.#."),
    "14": (3.55, .16, "::", ".#.#.##.#.#."),
    "15": (3.45, .17, "::", ".#.#.#.#.."),
    "16": (3.35, .44, ".#.#..", ":.#.#.."),
    "17": (3.25, .33, ".#..", ".#..#.#."),
    "18": (2.95, .28, ".#.", ".#.##.#."),
    "19": (2.7, .47, ".:..", "..:.."),
    "20": (2.55, .46, ".#..", ".#.#."),
    "21": (1.9, .20, "::", ".##.."),
    "22": (2.05, .20, "::", "..#.."),
    "X": (5.3, .40, ".#.#.#..", ".#.#.##.#.#."),
    "Y": (2.3, .22, "..", ".:.###"),
}
ACROCENTRIC = {"13", "14", "15", "21", "22"}

CHROMATID = 0.56      # width of one chromatid, in the unit of the lengths
ARM_GAP = 0.08        # sister chromatids separate along the arms, touch at the centromere
WIDTH = 2 * CHROMATID + ARM_GAP
PAIR_GAP = 0.35       # between homologues
GROUP_GAP = 0.9       # least room between two numbered groups
UM = 8.4 / 10         # a metaphase chromosome 1 spans about 10 µm
LABEL = 12            # pixels under each row for the numbers
MIN_GAP = 4           # pixels between rows and at the picture's edges
SATELLITE = 0.55      # height a satellite adds above an acrocentric

STYLE = {"body": "#9A8CB6", "edge": "#6E5E90", "band": "#34264E",
         "outline": "#2A1F3D", "text": "#1A1A1A"}


def num(v):
    return f"{v:.1f}".rstrip("0").rstrip(".")


def edges(y, length, cen, w):
    """Inner and outer x of the right chromatid at height y (the left one mirrors it)."""
    near = math.exp(-((y - cen) / (0.8 * w)) ** 2)
    gap = ARM_GAP / CHROMATID * w * (1 - near)
    x_in, x_out = gap / 2, gap / 2 + w * (1 - 0.5 * near)
    r, e = w / 2, min(y, length - y)
    if e < r:   # round the tips like half discs
        f = math.sqrt(max(0.0, 1 - ((r - e) / r) ** 2))
        m, h = (x_in + x_out) / 2, (x_out - x_in) / 2 * f
        x_in, x_out = m - h, m + h
    return x_in, x_out


def heights(y0, y1, length, w):
    """Sample heights, denser at the tips where the outline bends fastest."""
    ys = {y0, y1}
    n = max(2, int(y1 - y0))
    ys.update(y0 + (y1 - y0) * i / n for i in range(n))
    r = w / 2
    for i in range(1, 5):
        e = r * (1 - math.cos(math.pi / 2 * i / 5))
        ys.update(y for y in (e, length - e) if y0 < y < y1)
    return sorted(ys)


def outline(y0, y1, length, cen, w, side):
    ys = heights(y0, y1, length, w)
    pts = [(side * edges(y, length, cen, w)[1], y) for y in ys]
    pts += [(side * edges(y, length, cen, w)[0], y) for y in reversed(ys)]
    pts = [(num(x), num(y)) for x, y in pts]
    # straight runs of the sides need only their ends
    pts = [pt for i, pt in enumerate(pts) if not 0 < i < len(pts) - 1
           or not pts[i - 1][0] == pt[0] == pts[i + 1][0]]
    return "M" + " ".join(f"{x},{y}" for x, y in pts) + "Z"


def bands(p, q, cen, length):
    """Dark and grey stretches as (start, end, opacity), merging neighbours alike."""
    out = []
    for marks, start, span in ((p, 0, cen), (q, cen, length - cen)):
        step = span / len(marks)
        for i, m in enumerate(marks):
            if m == ".":
                continue
            a, b, o = start + i * step, start + (i + 1) * step, .85 if m == "#" else .4
            if out and abs(out[-1][1] - a) < 1e-9 and out[-1][2] == o:
                out[-1] = (out[-1][0], b, o)
            else:
                out.append((a, b, o))
    return out


def chromosome(name, s, style, satellites):
    """SVG for one chromosome, top of its p arm at y=0, centred on x=0."""
    rel, ci, p, q = CHROMOSOMES[name]
    length, w = rel * s, CHROMATID * s
    cen = ci * length
    pieces = []
    for side in (-1, 1):
        body = outline(0, length, length, cen, w, side)
        pieces.append(f'<path d="{body}" fill="url(#body)"/>')
        for a, b, o in bands(p, q, cen, length):
            pieces.append(f'<path d="{outline(a, b, length, cen, w, side)}" '
                          f'fill="{style["band"]}" fill-opacity="{o}"/>')
        pieces.append(f'<path d="{body}" fill="none" stroke="{style["outline"]}" '
                      f'stroke-width="0.5"/>')
        if satellites and name in ACROCENTRIC:
            m, r = side * sum(edges(0.01, length, cen, w)) / 2, 0.3 * w
            top = -SATELLITE * s
            pieces.append(f'<line x1="{num(m)}" y1="0" x2="{num(m)}" y2="{num(top + r)}" '
                          f'stroke="{style["outline"]}" stroke-width="0.4"/>'
                          f'<circle cx="{num(m)}" cy="{num(top + r)}" r="{num(r)}" '
                          f'fill="{style["body"]}" stroke="{style["outline"]}" stroke-width="0.4"/>')
    return "".join(pieces)


def groups_of(d, sex_key="sex"):
    """Rows of (label, chromosome names), sex chromosomes ending the last row."""
    copies, extra = d.get("copies", 2), d.get("extra", [])
    rows = [[(str(n), [str(n)] * (copies + extra.count(n))) for n in range(a, b + 1)]
            for a, b in d.get("rows", [[1, 5], [6, 12], [13, 18], [19, 22]])]
    rows[-1] += [(g, list(g)) for g in d.get(sex_key, d.get("sex", []))]
    return rows


def render(d):
    W, H = d["width"], d["height"]
    style = {**STYLE, **d.get("colours", {})}
    sat = d.get("satellites", False)
    rows = groups_of(d)
    fit = groups_of(d, "layout_sex")
    bar = 10 * UM if d.get("scale_bar") else 0

    def p_arm(n):
        rel, ci = CHROMOSOMES[n][:2]
        return rel * ci + (SATELLITE if sat and n in ACROCENTRIC else 0)

    def group_width(names):
        return len(names) * WIDTH + (len(names) - 1) * PAIR_GAP

    tops = [max(p_arm(n) for _, ns in row for n in ns) for row in fit]
    bottoms = [max(CHROMOSOMES[n][0] * (1 - CHROMOSOMES[n][1]) for _, ns in row for n in ns)
               for row in fit]
    widths = [sum(group_width(ns) for _, ns in row) + GROUP_GAP * (len(row) + 1) for row in fit]
    widths[-1] += bar + (GROUP_GAP if bar else 0)
    s = min((H - len(rows) * LABEL - (len(rows) + 1) * MIN_GAP) / (sum(tops) + sum(bottoms)),
            W / max(widths))
    row_gap = (H - len(rows) * LABEL - s * (sum(tops) + sum(bottoms))) / (len(rows) + 1)

    shapes, uses = {}, []
    y = row_gap
    for i, row in enumerate(rows):
        cen_y, base = y + tops[i] * s, y + (tops[i] + bottoms[i]) * s
        lead = [("bar", None)] if bar and i == len(rows) - 1 else []
        items = lead + row
        used = sum(bar if ns is None else group_width(ns) for _, ns in lead + fit[i]) * s
        gap = (W - used) / (len(lead + fit[i]) + 1)
        x = gap
        for label, names in items:
            if names is None:
                uses.append(scale_bar(x, x + bar * s, base, style))
                x += bar * s + gap
                continue
            gw = group_width(names) * s
            for k, n in enumerate(names):
                shapes.setdefault(n, chromosome(n, s, style, sat))
                top = cen_y - CHROMOSOMES[n][0] * CHROMOSOMES[n][1] * s
                uses.append(f'<use xlink:href="#c{n}" x="{num(x + s * (k * (WIDTH + PAIR_GAP) + WIDTH / 2))}" '
                            f'y="{num(top)}"/>')
            colour = d.get("label_colours", {}).get(label, style["text"])
            uses.append(f'<text x="{num(x + gw / 2)}" y="{num(base + LABEL - 1.5)}" '
                        f'fill="{colour}" text-anchor="middle">{escape(label)}</text>')
            x += gw + gap
        y = base + LABEL + row_gap

    defs = "".join(f'<g id="c{n}">{body}</g>' for n, body in shapes.items())
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
        f'version="1.1" width="{W}" height="{H}" viewBox="0 0 {W} {H}">\n'
        f'<title>{escape(d["title"])}</title>\n'
        # one gradient across every chromatid rounds it; the light comes from the left
        '<defs><linearGradient id="body" x1="0" y1="0" x2="1" y2="0">'
        f'<stop offset="0" stop-color="{style["edge"]}"/>'
        f'<stop offset="0.45" stop-color="{style["body"]}"/>'
        f'<stop offset="1" stop-color="{style["edge"]}"/></linearGradient>\n'
        f'{defs}</defs>\n'
        f'<rect width="{W}" height="{H}" fill="{d.get("background", "#FFFFFF")}"/>\n'
        f'<g font-family="{FONT}" font-size="10" font-weight="bold">\n'
        + "\n".join(uses) + "\n</g>\n</svg>\n")


def scale_bar(x0, x1, y, style):
    c = style["text"]
    return (f'<path d="M{num(x0)},{num(y - 3)}v3H{num(x1)}v-3" fill="none" stroke="{c}" '
            f'stroke-width="1.2"/><text x="{num((x0 + x1) / 2)}" y="{num(y + LABEL - 1.5)}" '
            f'fill="{c}" text-anchor="middle">10 µm</text>')


def main(paths):
    for path in paths or sorted(HERE.glob("*.json")):
        d = json.loads(Path(path).read_text(encoding="utf-8"))
        out = ASSETS / d["output"]
        out.parent.mkdir(parents=True, exist_ok=True)
        out.write_text(render(d), encoding="utf-8")
        print(out)


if __name__ == "__main__":
    main(sys.argv[1:])
