#!/usr/bin/python3
# Reads what a screen reader is given on exercise 17: names, descriptions and states of the picture
# buttons, the tags and the cells, then the tag's name through a keyboard drag (Tab, Enter, Down, Space).
# Run by run.sh under Xvfb with the accessibility bus; a manual check, not part of the tests.
import time

import pyatspi

KEYS = {"Tab": 0xFF09, "Return": 0xFF0D, "Down": 0xFF54, "space": 0x20}


def walk(o):
    yield o
    for c in o:
        if c is not None:
            yield from walk(c)


def states(o):
    wanted = (pyatspi.STATE_FOCUSABLE, pyatspi.STATE_FOCUSED, pyatspi.STATE_SHOWING, pyatspi.STATE_SENSITIVE)
    return [pyatspi.stateToString(s) for s in o.getState().getStates() if s in wanted]


def show(o):
    print(f"  [{o.getRoleName()}] {o.name!r}\n      description: {o.description!r}\n      states: {states(o)}")


def first(root, test):
    return next((o for o in walk(root) if test(o)), None)


def click(o, dx=None):
    e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(e.x + (e.width // 2 if dx is None else dx), e.y + e.height // 2, "b1c")
    time.sleep(1.5)


def press(o):
    o.queryAction().doAction(0)
    time.sleep(1)


app = None
for _ in range(40):
    app = first(pyatspi.Registry.getDesktop(0), lambda o: "morvelle" in (o.name or "").lower())
    if app:
        break
    time.sleep(0.5)
print("application:", app.name)

# Start-up as a pupil: the splash picture, the notice, an identity, then exercise 17's box.
click([w for w in app if "showing" in states(w)][0])
press(first(app, lambda o: o.name == "J'ai lu"))
boxes = [o for o in walk(app) if o.getRole() == pyatspi.ROLE_TEXT and "showing" in states(o)]
for box, text in zip(boxes, ["Dupont", "Marie", "B"]):
    box.queryEditableText().setTextContents(text)
press(first(app, lambda o: o.name == "Suite"))
click(first(app, lambda o: o.getRole() == pyatspi.ROLE_CHECK_BOX and o.name.startswith("Exercice 17")), dx=7)
screen = [w for w in app if w.name == "Génétique 3ème"][-1]

print("== picture buttons, tags, cells")
for name in ["Validation", "Correction", "Continuer", "Abandon", "caryotype 1", "Spermatozoïde", "Cellule-oeuf"]:
    show(first(screen, lambda o: o.name == name and o.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_IMAGE)))

print("== a keyboard drag of tag 1 onto the egg cell")
# Without a window manager the keyboard goes where the pointer last clicked: the screen's background.
pyatspi.Registry.generateMouseEvent(1000, 740, "b1c")
time.sleep(1)
for key in ["Tab", "Return", "Down", "space"]:
    pyatspi.Registry.generateKeyboardEvent(KEYS[key], None, pyatspi.KEY_SYM)
    time.sleep(0.8)
    print(f"after {key}:")
    show(first(screen, lambda o: o.getRole() == pyatspi.ROLE_IMAGE and o.name.startswith("caryotype 1")))
show(first(screen, lambda o: o.getRole() == pyatspi.ROLE_IMAGE and o.name.startswith("Cellule-oeuf")))
