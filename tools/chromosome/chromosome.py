#!/usr/bin/env python3
"""Draw exercise 4's two pictures of one chromosome as SVG, 60 x 134 pixels each.

Usage: python3 tools/chromosome/chromosome.py
  Writes assets/ex04/chromosome_meb.svg, the scanning-electron micrograph, and
  assets/ex04/chromosome_schema.svg, the grey drawing.  The screen shows both
  stretched to 116 x 214 pixels with pointer lines ending on them: on the
  micrograph at (41.4, 35.1), a chromatid, and (45.5, 55.1), the centromere, both
  reached from the right; on the drawing at (24.8, 35.1) and (16.6, 55.1),
  reached from the left.  Move the chromatids and those points stay on them.
  The micrograph's grain is a few repeating gradients of irregular streaks at
  different angles, so the picture stays a few dozen shapes.
"""
import math
import random
from pathlib import Path

ASSETS = Path(__file__).resolve().parent.parent.parent / "assets" / "ex04"

def fmt(v):
    return ('%.2f' % v).rstrip('0').rstrip('.')

def smooth(pts):
    """Closed Catmull-Rom curve through the points, as cubic Beziers."""
    n = len(pts)
    d = 'M%s,%s' % (fmt(pts[0][0]), fmt(pts[0][1]))
    for i in range(n):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[(i + 1) % n], pts[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += ' C%s,%s %s,%s %s,%s' % tuple(map(fmt, (c1[0], c1[1], c2[0], c2[1], p2[0], p2[1])))
    return d + ' Z'

def tube(centre):
    """Outline round a centre line of (x, y, half-width) points, top to bottom, with rounded ends."""
    left, right = [], []
    for i, (x, y, w) in enumerate(centre):
        a, b = centre[max(i - 1, 0)], centre[min(i + 1, len(centre) - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        l = math.hypot(dx, dy)
        nx, ny = dy / l, -dx / l
        left.append((x - nx * w, y - ny * w))
        right.append((x + nx * w, y + ny * w))
    (xb, yb, wb), (xt, yt, wt) = centre[-1], centre[0]
    bottom = [(xb - wb * 0.7, yb + wb * 0.55), (xb, yb + wb * 0.8), (xb + wb * 0.7, yb + wb * 0.55)]
    top = [(xt + wt * 0.7, yt - wt * 0.55), (xt, yt - wt * 0.8), (xt - wt * 0.7, yt - wt * 0.55)]
    return smooth(left + bottom + right[::-1] + top)

def polyline(pts):
    return 'M' + ' L'.join('%s,%s' % (fmt(x), fmt(y)) for x, y in pts)

def grain(gid, period, angle, rng, strength):
    """Irregular streaks repeated every `period` pixels across `angle`: several at different angles read as grain."""
    a = math.radians(angle)
    x2, y2 = math.cos(a) * period, math.sin(a) * period
    stops, pos = [], 0.0
    while pos < 1.0:
        colour = rng.choice(('#ffffff', '#000000'))
        stops.append((fmt(pos), colour, fmt(rng.uniform(0.2, 1.0) * strength)))
        pos += rng.uniform(0.04, 0.11)
    stops.append(('1', stops[0][1], stops[0][2]))
    s = ''.join('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % st for st in stops)
    return ('<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="%s" y2="%s" '
            'spreadMethod="repeat">%s</linearGradient>' % (gid, fmt(x2), fmt(y2), s))

# ---------------------------------------------------------------- the micrograph
# The right and left chromatids, (x, y, half-width) down their centre lines: upright, pinched at y = 55.
R = [(41.6, 9.5, 5.0), (42.6, 18, 6.0), (43.1, 35, 6.2), (43.3, 47, 5.8), (43.3, 55, 5.2), (43.5, 62, 5.6),
     (44.0, 78, 6.2), (43.6, 98, 6.2), (42.8, 116, 6.0), (42.4, 126.5, 5.0)]
L = [(30.2, 10.5, 5.0), (30.2, 18, 6.0), (30.7, 35, 6.2), (31.7, 47, 5.8), (32.5, 55, 5.2), (32.2, 62, 5.6),
     (31.4, 78, 6.2), (30.8, 98, 6.2), (30.0, 116, 6.0), (29.8, 125.5, 5.0)]

# Knobs and pits of the chromatids' surface, and the grain over everything.
rng = random.Random(7)
spots = []
for centre in (L, R):
    for _ in range(16):
        i = rng.randrange(len(centre) - 1)
        t = rng.random()
        x = centre[i][0] + (centre[i + 1][0] - centre[i][0]) * t + rng.uniform(-4, 4)
        y = centre[i][1] + (centre[i + 1][1] - centre[i][1]) * t
        spots.append((x, y, rng.uniform(1.8, 3.2), rng.uniform(1.5, 2.8), rng.random() < 0.55))
grains = [grain('grain%d' % k, p, a, rng, s)
          for k, (p, a, s) in enumerate([(2.3, 12, 0.09), (2.9, 71, 0.09), (2.1, 133, 0.08), (3.7, -37, 0.07), (3.1, 101, 0.07), (2.6, 163, 0.07)])]

photo = '''<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" version="1.1" width="60" height="134" viewBox="0 0 60 134">
<title>Chromosome observé au microscope électronique à balayage (x3000) : deux chromatides réunies par le centromère</title>
<defs>
 <radialGradient id="fond" cx="0.62" cy="0.45" r="0.8">
  <stop offset="0" stop-color="#4a4a4a"/><stop offset="0.55" stop-color="#353535"/><stop offset="1" stop-color="#1e1e1e"/>
 </radialGradient>
 <radialGradient id="halo" cx="0.5" cy="0.5" r="0.5">
  <stop offset="0.7" stop-color="#000000" stop-opacity="0.5"/><stop offset="1" stop-color="#000000" stop-opacity="0"/>
 </radialGradient>
 <linearGradient id="relief" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#c8c8c8"/><stop offset="0.08" stop-color="#f8f8f8"/><stop offset="0.3" stop-color="#bcbcbc"/>
  <stop offset="0.58" stop-color="#858585"/><stop offset="0.84" stop-color="#a2a2a2"/><stop offset="1" stop-color="#d6d6d6"/>
 </linearGradient>
 <linearGradient id="lumiere" x1="0" y1="0" x2="0.3" y2="1">
  <stop offset="0" stop-color="#ffffff" stop-opacity="0.2"/><stop offset="0.45" stop-color="#ffffff" stop-opacity="0"/>
  <stop offset="1" stop-color="#000000" stop-opacity="0.22"/>
 </linearGradient>
 <radialGradient id="bosse" cx="0.42" cy="0.38" r="0.5">
  <stop offset="0" stop-color="#ffffff" stop-opacity="0.55"/><stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
 </radialGradient>
 <radialGradient id="creux" cx="0.5" cy="0.5" r="0.5">
  <stop offset="0" stop-color="#262626" stop-opacity="0.5"/><stop offset="1" stop-color="#262626" stop-opacity="0"/>
 </radialGradient>
 <radialGradient id="pincement" cx="0.5" cy="0.5" r="0.5">
  <stop offset="0" stop-color="#202020" stop-opacity="0.3"/><stop offset="1" stop-color="#202020" stop-opacity="0"/>
 </radialGradient>
 ''' + '\n '.join(grains) + '''
 <path id="gauche" d="''' + tube(L) + '''"/>
 <path id="droite" d="''' + tube(R) + '''"/>
</defs>
<rect width="60" height="134" fill="url(#fond)"/>
<ellipse cx="38" cy="68" rx="17" ry="65" fill="url(#halo)"/>
<use xlink:href="#gauche" fill="url(#relief)" stroke="#f4f4f4" stroke-width="0.8" stroke-opacity="0.85"/>
<use xlink:href="#droite" fill="url(#relief)" stroke="#f4f4f4" stroke-width="0.8" stroke-opacity="0.85"/>
<path d="''' + polyline([(36.0, 13), (36.5, 30), (37.3, 44), (37.8, 50)]) + '''" fill="none" stroke="#4a4a4a" stroke-width="1.2" stroke-opacity="0.8"/>
<path d="''' + polyline([(37.9, 61), (37.7, 80), (37.2, 100), (36.4, 122)]) + '''" fill="none" stroke="#4a4a4a" stroke-width="1.2" stroke-opacity="0.8"/>
<ellipse cx="37.9" cy="55" rx="12" ry="3.4" fill="url(#pincement)"/>
<ellipse cx="26.6" cy="55.4" rx="2.2" ry="3" fill="url(#creux)"/>
<ellipse cx="49.4" cy="54.6" rx="2.2" ry="3" fill="url(#creux)"/>
''' + ''.join(
    '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#%s)"/>\n' % (fmt(x), fmt(y), fmt(rx), fmt(ry), 'bosse' if light else 'creux')
    for x, y, rx, ry, light in spots) + '''<use xlink:href="#gauche" fill="url(#lumiere)"/>
<use xlink:href="#droite" fill="url(#lumiere)"/>
''' + ''.join('<rect width="60" height="134" fill="url(#grain%d)"/>\n' % k for k in range(len(grains))) + '''</svg>
'''

# ---------------------------------------------------------------- the drawing
# Gently curved, the centromere its leftmost point.
DL = [(27.4, 9, 5.6), (26.0, 20, 6.4), (23.9, 35, 6.5), (22.9, 45, 6.1), (22.6, 55, 4.4), (21.3, 66, 6.2),
      (22.2, 90, 6.3), (23.3, 112, 6.2), (24.1, 126, 5.4)]
DR = [(40.0, 8.5, 5.6), (39.0, 20, 6.4), (36.9, 35, 6.5), (35.3, 45, 6.1), (31.4, 55, 4.4), (33.7, 66, 6.2),
      (35.6, 90, 6.3), (36.9, 112, 6.2), (37.5, 126, 5.4)]
drawing = '''<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="60" height="134" viewBox="0 0 60 134">
<title>Schéma d'un chromosome : deux chromatides côte à côte, réunies au centromère</title>
<defs>
 <linearGradient id="volume" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#b4b4b4"/><stop offset="0.35" stop-color="#d2d2d2"/><stop offset="1" stop-color="#bcbcbc"/>
 </linearGradient>
</defs>
<rect width="60" height="134" fill="#ffffff"/>
<path d="''' + tube(DL) + '''" fill="url(#volume)" stroke="#3c3c3c" stroke-width="1.1" stroke-linejoin="round"/>
<path d="''' + tube(DR) + '''" fill="url(#volume)" stroke="#3c3c3c" stroke-width="1.1" stroke-linejoin="round"/>
<ellipse cx="26.6" cy="55" rx="13" ry="5.6" fill="#707070" stroke="#3c3c3c" stroke-width="1.1"/>
</svg>
'''
ASSETS.mkdir(parents=True, exist_ok=True)
(ASSETS / "chromosome_meb.svg").write_text(photo, encoding="utf-8")
(ASSETS / "chromosome_schema.svg").write_text(drawing, encoding="utf-8")
