#!/usr/bin/env python3
"""Lists circles among the project's own includes, a header and its source counting as one unit.

    scripts/include-cycles.py [FOLDER ...]     (default: every folder of the project)

Prints each circle found and exits 1, or prints nothing and exits 0.
"""
import os
import re
import sys

top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
folders = sys.argv[1:] or ["app", "navigation", "exercises", "framework", "tests", "tools"]
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"')

edges = {}
for folder in folders:
    for root, _, files in os.walk(os.path.join(top, folder)):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, name)
            unit = os.path.splitext(os.path.relpath(path, top))[0]
            with open(path, encoding="utf-8") as f:
                for line in f:
                    m = include.match(line)
                    if m and not m.group(1).endswith(".moc"):
                        target = os.path.splitext(m.group(1))[0]
                        if target != unit:
                            edges.setdefault(unit, set()).add(target)

circles, state = [], {}
def visit(unit, path):
    state[unit] = "open"
    for nxt in sorted(edges.get(unit, ())):
        if state.get(nxt) == "open":
            circles.append(path[path.index(nxt):] + [nxt])
        elif nxt not in state:
            visit(nxt, path + [nxt])
    state[unit] = "done"

for unit in sorted(edges):
    if unit not in state:
        visit(unit, [unit])
for c in circles:
    print(" -> ".join(c))
sys.exit(1 if circles else 0)
