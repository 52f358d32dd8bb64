#!/usr/bin/env python3
"""Draw the courseware's karyotype pictures as SVG from small JSON descriptions.

Usage: python3 tools/karyotype/karyotype.py [DESCRIPTION.json ...]
  Without arguments every *.json beside this script is drawn; each file names
  its output relative to assets/.  Keys of a description (defaults in brackets):
    output        "ex17/caryotype1.svg"
    title         text of the SVG <title>
    width, height picture size in pixels
    style         "drawn" (tinted drawing), "sheet" (black on white) or
                  "photo" (a banded micrograph: grey chromosomes lying a
                  little askew on a pale, unevenly lit slide)       ["drawn"]
    background    "#RRGGBB"                           [the style's own]
    copies        copies of each autosome 1..22: 2 diploid, 1 haploid   [2]
    extra         autosomes added on top, e.g. [21] for a trisomy 21      [[]]
    sex           groups at the bottom right, each a string whose letters
                  are its chromosomes and its label: ["Y", "X"], ["XX"]   [[]]
    layout_sex    the sex groups the scale and rows are worked out for, so
                  that pictures differing only in them draw every other
                  chromosome alike: ["X"] on a picture of 22 + Y     [sex]
    sex_x         x in pixels of the centre of the sex groups, for a picture
                  whose sex chromosomes something on screen points at
                                                   [spread like the others]
    sex_y         y in pixels of the middle of the last row, chromosomes and
                  numbers, for a picture whose sex chromosomes something on
                  screen rings                    [spaced like the others]
    rows          first and last autosome of each row; an empty last row []
                  leaves the sex groups a row of their own, its left part
                  free for captions the screen writes there
                                                [[1,5],[6,12],[13,18],[19,22]]
    scale_bar     true draws a 10 µm bar at the bottom left              [false]
    satellites    true draws the satellites of the acrocentrics          [false]
    label_size    font size of the numbers, in pixels                    [10]
    label_colours {"X": "#D61010"}: colour of some labels               [{}]
    ring          {"group": "9", "colour": "#D61010", "arrow": true}: a ring
                  around one group and, with arrow, an arrow from it to the
                  right edge (room for it is kept at the end of its row)
    seed          varies the tilts and lengths of a photo             [1]
    covered       {"right": 18, "bottom": 10}: pixels along the right and
                  bottom edges that the screen hides or writes over; the
                  chromosomes and the arrow keep out of them     [nothing]
    colours       overrides of {"body", "edge", "band", "outline", "text"}
"""
import json
import math
import random
import sys
from xml.sax.saxutils import escape
from pathlib import Path

HERE = Path(__file__).resolve().parent
ASSETS = HERE.parent.parent / "assets"
FONT = "Liberation Sans"

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
PHOTO_PAIR_GAP = 0.8  # room for homologues lying askew
GROUP_GAP = 0.9       # least room between two numbered groups
UM = 8.4 / 10         # a metaphase chromosome 1 spans about 10 µm
ARROW = 3.2           # room an arrow takes at the end of its row
MIN_GAP = 4           # pixels between rows and at the picture's edges
SATELLITE = 0.55      # height a satellite adds above an acrocentric
TOLERANCE = 0.12      # pixels an outline may stray to save points

STYLES = {
    "drawn": {"body": "#9A8CB6", "edge": "#6E5E90", "band": "#34264E",
              "outline": "#2A1F3D", "text": "#1A1A1A", "background": "#FFFFFF"},
    "sheet": {"body": "#FFFFFF", "edge": "#D8D8D8", "band": "#000000",
              "outline": "#000000", "text": "#000000", "background": "#FFFFFF"},
    # a micrograph: no drawn outline, soft grey bodies, dark Giemsa bands
    "photo": {"body": "#A7A2A6", "edge": "#6C666E", "band": "#241E28",
              "outline": "#3C3540", "text": "#2E2E2E", "background": "#EEEBE3"},
}


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
    n = max(2, int(2 * (y1 - y0)))
    ys.update(y0 + (y1 - y0) * i / n for i in range(n))
    r = w / 2
    for i in range(1, 8):
        e = r * (1 - math.cos(math.pi / 2 * i / 8))
        ys.update(y for y in (e, length - e) if y0 < y < y1)
    return sorted(ys)


def simplify(pts):
    """Drop the points a straight line through their neighbours passes close to."""
    if len(pts) < 3:
        return pts
    (ax, ay), (bx, by) = pts[0], pts[-1]
    dx, dy = bx - ax, by - ay
    norm = math.hypot(dx, dy) or 1.0
    far, at = 0.0, 0
    for i in range(1, len(pts) - 1):
        d = abs(dy * (pts[i][0] - ax) - dx * (pts[i][1] - ay)) / norm
        if d > far:
            far, at = d, i
    if far <= TOLERANCE:
        return [pts[0], pts[-1]]
    return simplify(pts[:at + 1])[:-1] + simplify(pts[at:])


def outline(y0, y1, length, cen, w, side):
    ys = heights(y0, y1, length, w)
    outer = simplify([(side * edges(y, length, cen, w)[1], y) for y in ys])
    inner = simplify([(side * edges(y, length, cen, w)[0], y) for y in reversed(ys)])
    return "M" + " ".join(f"{num(x)},{num(y)}" for x, y in outer + inner) + "Z"


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


def chromosome(name, s, style, satellites, photo):
    """SVG for one chromosome, top of its p arm at y=0, centred on x=0."""
    rel, ci, p, q = CHROMOSOMES[name]
    length, w = rel * s, CHROMATID * s
    cen = ci * length
    # a micrograph shows no ink line, only a darker rim
    stroke = (f'stroke="{style["outline"]}" stroke-width="0.6" stroke-opacity="0.55"' if photo
              else f'stroke="{style["outline"]}" stroke-width="0.5"')
    pieces, stripes = [], {}
    for side in (-1, 1):
        pieces.append(f'<path d="{outline(0, length, length, cen, w, side)}" fill="url(#body)" {stroke}/>')
        for a, b, o in bands(p, q, cen, length):
            stripes.setdefault(o, []).append(outline(a, b, length, cen, w, side))
        if satellites and name in ACROCENTRIC:
            m, r = side * sum(edges(0.01, length, cen, w)) / 2, 0.3 * w
            top = -SATELLITE * s
            pieces.append(f'<line x1="{num(m)}" y1="0" x2="{num(m)}" y2="{num(top + r)}" '
                          f'stroke="{style["outline"]}" stroke-width="0.4"/>'
                          f'<circle cx="{num(m)}" cy="{num(top + r)}" r="{num(r)}" '
                          f'fill="{style["body"]}" stroke="{style["outline"]}" stroke-width="0.4"/>')
    # one path per shade keeps the picture cheap to parse and draw
    pieces += [f'<path d="{"".join(ds)}" fill="{style["band"]}" fill-opacity="{o}"/>'
               for o, ds in stripes.items()]
    return "".join(pieces)


def rows_of(d, sex_key):
    """Rows of items: ("group", label, names), ("bar",) or ("arrow",)."""
    copies, extra = d.get("copies", 2), d.get("extra", [])
    ring = d.get("ring", {})
    rows = []
    for span in d.get("rows", [[1, 5], [6, 12], [13, 18], [19, 22]]):
        a, b = span or (1, 0)
        row = [("group", str(n), [str(n)] * (copies + extra.count(n))) for n in range(a, b + 1)]
        if ring.get("arrow") and a <= int(ring["group"]) <= b:
            row.append(("arrow",))
        rows.append(row)
    rows[-1] += [("group", g, list(g)) for g in d.get(sex_key, d.get("sex", []))]
    if d.get("scale_bar"):
        rows[-1].insert(0, ("bar",))
    return rows


def group_width(names, pair_gap):
    return len(names) * WIDTH + (len(names) - 1) * pair_gap


def item_width(item, pair_gap):
    return {"bar": 10 * UM, "arrow": ARROW}.get(item[0]) or group_width(item[2], pair_gap)


def render(d):
    W, H = d["width"], d["height"]
    # the part of the picture left in sight, where everything is laid out
    covered = d.get("covered", {})
    FW, FH = W - covered.get("right", 0), H - covered.get("bottom", 0)
    kind = d.get("style", "drawn")
    photo = kind == "photo"
    style = {**STYLES[kind], **d.get("colours", {})}
    background = d.get("background", style["background"])
    sat = d.get("satellites", False)
    size = d.get("label_size", 10)
    label_h = size + 2
    rows, fit = rows_of(d, "sex"), rows_of(d, "layout_sex")
    rnd = random.Random(d.get("seed", 1))
    pair_gap = PHOTO_PAIR_GAP if photo else PAIR_GAP

    def p_arm(n):
        rel, ci = CHROMOSOMES[n][:2]
        return rel * ci + (SATELLITE if sat and n in ACROCENTRIC else 0)

    names = [[n for it in row if it[0] == "group" for n in it[2]] for row in fit]
    tops = [max(map(p_arm, ns)) for ns in names]
    bottoms = [max(CHROMOSOMES[n][0] * (1 - CHROMOSOMES[n][1]) for n in ns) for ns in names]
    widths = [sum(item_width(it, pair_gap) for it in row) + GROUP_GAP * (len(row) + 1) for row in fit]
    s = min((FH - len(rows) * label_h - (len(rows) + 1) * MIN_GAP) / (sum(tops) + sum(bottoms)),
            FW / max(widths))
    row_gap = (FH - len(rows) * label_h - s * (sum(tops) + sum(bottoms))) / (len(rows) + 1)

    def xs(row, fit_row, last):
        """Left x of each item: spread evenly, or the sex groups gathered at sex_x."""
        ws = [item_width(it, pair_gap) * s for it in fit_row]
        sex = len(d.get("sex", [])) if last and "sex_x" in d else 0
        free = len(row) - sex
        block = sum(ws[free:]) + GROUP_GAP * s * (sex - 1) if sex else 0
        right = d["sex_x"] - block / 2 if sex else FW
        gap = (right - sum(ws[:free])) / (free + 1)
        out, x = [], gap
        for w in ws[:free]:
            out.append(x)
            x += w + gap
        x = right
        for w in ws[free:]:
            out.append(x)
            x += w + GROUP_GAP * s
        return out

    def placed(row, fit_row, last):
        """Left x of each item of the row as drawn, where the row it is laid out for puts it: a picture
        whose sex groups differ (XX for Y and X) keeps every other group in its place and draws its own
        sex groups, centred, where those of the layout stand."""
        if not last or len(row) == len(fit_row):
            return xs(row, fit_row, last)
        fit_x = xs(fit_row, fit_row, last)
        n = len(d.get("layout_sex", d.get("sex", [])))
        kept = len(fit_row) - n
        span_l = fit_x[kept]
        span_r = fit_x[-1] + item_width(fit_row[-1], pair_gap) * s
        own = [item_width(it, pair_gap) * s for it in row[kept:]]
        width = sum(own) + GROUP_GAP * s * (len(own) - 1)
        out, x = fit_x[:kept], (span_l + span_r - width) / 2
        for w in own:
            out.append(x)
            x += w + GROUP_GAP * s
        return out

    shapes, uses, marks = {}, [], []
    y = row_gap
    for i, row in enumerate(rows):
        if i == len(rows) - 1 and "sex_y" in d:
            y = d["sex_y"] - ((tops[i] + bottoms[i]) * s + label_h) / 2
        cen_y, base = y + tops[i] * s, y + (tops[i] + bottoms[i]) * s
        lefts = placed(row, fit[i], i == len(rows) - 1)
        for item, x in zip(row, lefts):
            if item[0] == "bar":
                uses.append(scale_bar(x, x + 10 * UM * s, base, label_h, style))
                continue
            if item[0] == "arrow":
                continue
            _, label, ns = item
            gw = group_width(ns, pair_gap) * s
            for k, n in enumerate(ns):
                shapes.setdefault(n, chromosome(n, s, style, sat, photo))
                cx = x + s * (k * (WIDTH + pair_gap) + WIDTH / 2)
                top = cen_y - CHROMOSOMES[n][0] * CHROMOSOMES[n][1] * s
                if photo:
                    # homologues on a slide lie askew and condense a little unequally
                    turn, stretch = rnd.uniform(-5, 5), rnd.uniform(0.94, 1.04)
                    uses.append(f'<use xlink:href="#c{n}" transform="translate({num(cx)},{num(top)}) '
                                f'rotate({num(turn)} 0 {num(cen_y - top)}) scale(1,{stretch:.2f})"/>')
                else:
                    uses.append(f'<use xlink:href="#c{n}" x="{num(cx)}" y="{num(top)}"/>')
            colour = d.get("label_colours", {}).get(label, style["text"])
            foot = base
            if photo:   # the cut-out pairs stand on a pencil line, their number under it
                foot = cen_y + max(CHROMOSOMES[n][0] * (1 - CHROMOSOMES[n][1]) for n in ns) * s + 2
                uses.append(f'<path d="M{num(x - 1)},{num(foot)}h{num(gw + 2)}" '
                            f'stroke="{style["text"]}" stroke-width="0.6"/>')
            uses.append(f'<text x="{num(x + gw / 2)}" y="{num(foot + label_h - 1.5)}" '
                        f'fill="{colour}" text-anchor="middle">{escape(label)}</text>')
            if d.get("ring", {}).get("group") == label:
                marks.append(ring_mark(d["ring"], x, gw, y, base, FW, s))
        y = base + label_h + row_gap

    defs = "".join(f'<g id="c{n}">{body}</g>' for n, body in shapes.items())
    if photo:   # the microscope lights the middle of the field best
        ground = ('<radialGradient id="ground" cx="0.5" cy="0.45" r="0.75">'
                  f'<stop offset="0" stop-color="{background}"/>'
                  f'<stop offset="1" stop-color="{shade(background, 0.86)}"/></radialGradient>')
        fill = "url(#ground)"
    else:
        ground, fill = "", background
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
        f'version="1.1" width="{W}" height="{H}" viewBox="0 0 {W} {H}">\n'
        f'<title>{escape(d["title"])}</title>\n'
        # one gradient across every chromatid rounds it; the light comes from the left
        '<defs><linearGradient id="body" x1="0" y1="0" x2="1" y2="0">'
        f'<stop offset="0" stop-color="{style["edge"]}"/>'
        f'<stop offset="0.45" stop-color="{style["body"]}"/>'
        f'<stop offset="1" stop-color="{style["edge"]}"/></linearGradient>{ground}\n'
        f'{defs}</defs>\n'
        f'<rect width="{W}" height="{H}" fill="{fill}"/>\n'
        f'<g font-family="{FONT}" font-size="{size}" font-weight="{"normal" if photo else "bold"}">\n'
        + "\n".join(uses + marks) + "\n</g>\n</svg>\n")


def shade(colour, k):
    return "#" + "".join(f"{int(int(colour[i:i + 2], 16) * k):02X}" for i in (1, 3, 5))


def ring_mark(ring, x, gw, top, base, W, s):
    """An oval round one group and, if asked, an arrow from it to the right edge."""
    c = ring.get("colour", "#D61010")
    rx, ry = gw / 2 + 0.6 * s, (base - top) / 2 + 0.3 * s
    cx, cy = x + gw / 2, (top + base) / 2
    out = (f'<ellipse cx="{num(cx)}" cy="{num(cy)}" rx="{num(rx)}" ry="{num(ry)}" '
           f'fill="none" stroke="{c}" stroke-width="1.6"/>')
    if ring.get("arrow"):
        x0, x1 = cx + rx + 1.5, W - 2
        out += (f'<path d="M{num(x0)},{num(cy)}H{num(x1 - 6)}" stroke="{c}" stroke-width="2"/>'
                f'<path d="M{num(x1)},{num(cy)}l-7,-4.5v9z" fill="{c}"/>')
    return out


def scale_bar(x0, x1, y, label_h, style):
    c = style["text"]
    return (f'<path d="M{num(x0)},{num(y - 3)}v3H{num(x1)}v-3" fill="none" stroke="{c}" '
            f'stroke-width="1.2"/><text x="{num((x0 + x1) / 2)}" y="{num(y + label_h - 1.5)}" '
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
