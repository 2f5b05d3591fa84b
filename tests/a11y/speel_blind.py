#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays Drietalspel to the end through AT-SPI alone, as a screen reader's user does. Argument: the
program folder the game runs from."""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAMMA = sys.argv[1]
NAAM = "Blinde Speler"
KAART = re.compile(r"^Rij (\d), vak (\d), (?:open: (.*)|dicht)$")
gehoord = []  # every description a screen reader was told of
namen = []  # every new name it was told of


def alle(acc, rol, naam=None):
    return pyatspi.findAllDescendants(
        acc, lambda a: a.getRoleName() == rol and (naam is None or naam(a.name)))


def eerste(lijst):
    return lijst[0] if lijst else None


def druk(acc):
    acc.queryAction().doAction(0)


def kaarten(app):
    """The 30 cards by (row, slot), with their words when face up."""
    gevonden = {}
    for acc in alle(app, "push button", lambda n: bool(KAART.match(n or ""))):
        m = KAART.match(acc.name)
        gevonden[(int(m.group(1)) - 1, int(m.group(2)))] = (acc, m.group(3))
    return gevonden if len(gevonden) == 30 else None


def drietallen():
    with open(PROGRAMMA + "/Data/Geografie.dat", "rb") as f:
        regels = f.read().decode("cp1252").split("\r\n")
    return [re.findall(r'"([^"]*)"', r) for r in regels if r][:10]


def wacht(proef):
    """Lets the events come in until proef() holds, for at most a minute; gives what it gave."""
    lus, einde = GLib.MainContext.default(), time.monotonic() + 60
    while time.monotonic() < einde:
        while lus.iteration(False):
            pass
        try:
            uitkomst = proef()
        except Exception:  # the window is still being built or torn down
            uitkomst = None
        if uitkomst:
            return uitkomst
        # The next event from the game, or a tenth of a second for a change no event tells of.
        gewekt = []
        wekker = GLib.timeout_add(100, gewekt.append, True)
        lus.iteration(True)
        if not gewekt:
            GLib.source_remove(wekker)
    raise AssertionError("waited in vain at line %d" % sys._getframe(1).f_lineno)


def spel():
    app = wacht(lambda: eerste([a for a in pyatspi.Registry.getDesktop(0)
                                if a and "drietal" in (a.name or "").lower()]))
    start = wacht(lambda: eerste(alle(app, "push button", lambda n: n == "Start spel")))
    geluid = eerste(alle(app, "check box", lambda n: n.startswith("Geluid")))
    assert geluid.getState().contains(pyatspi.STATE_CHECKED), "the sound switch shows no state"
    druk(start)

    vraag = wacht(lambda: eerste(alle(app, "dialog", lambda n: n == "Naam Speler")))
    eerste(alle(vraag, "text")).queryEditableText().setTextContents(NAAM)
    druk(eerste(alle(vraag, "push button", lambda n: n == "OK")))

    bord = wacht(lambda: (lambda k: k if k and all(w for _, w in k.values()) else None)(kaarten(app)))
    woorden = {plek: woord for plek, (_, woord) in bord.items()}
    assert len(set(woorden.values())) == 30, "the thirty words are not all readable"
    wacht(lambda: all(w is None for _, w in kaarten(app).values()))  # the cards turn
    wacht(lambda: any("omgedraaid" in g for g in gehoord))

    def plek(rij, woord):
        return next(v for (r, v), w in woorden.items() if r == rij and w == woord)

    # A wrong pick is heard as such, and each card's new name once.
    eerste_drie, voor = drietallen(), len(namen)
    for rij, drietal in enumerate([eerste_drie[0], eerste_drie[0], eerste_drie[1]]):
        druk(bord[(rij, plek(rij, drietal[rij]))][0])
    wacht(lambda: any(g.startswith("Fout") for g in gehoord))
    wacht(lambda: all(w is None for _, w in kaarten(app).values()))
    geopend = [n for n in namen[voor:] if ", open: " in n]
    assert len(geopend) == len(set(geopend)) == 3, geopend

    for drietal in drietallen():
        voor = len(gehoord)
        for rij, woord in enumerate(drietal):
            vak = plek(rij, woord)
            druk(bord[(rij, vak)][0])
            wacht(lambda: kaarten(app)[(rij, vak)][1] == woord)
        wacht(lambda: any("Goed" in g for g in gehoord[voor:]))
    wacht(lambda: any("alle 10 woorden" in g for g in gehoord))

    lijst = wacht(lambda: eerste(alle(app, "dialog", lambda n: "Scorelijst" in n)))
    regel = wacht(lambda: eerste(alle(lijst, "list item", lambda n: NAAM in n)))
    assert re.fullmatch(r"\d\d:\d\d - " + NAAM, regel.name), regel.name
    druk(eerste(alle(lijst, "push button", lambda n: n == "Exit")))


# As a screen reader does, it listens to name changes too: the client library keeps its copy of
# the names up to date only from the events someone listens to.
pyatspi.Registry.registerEventListener(
    lambda e: (gehoord if e.type.endswith("description") else namen).append(
        (e.source.description if e.type.endswith("description") else e.source.name) or ""),
    "object:property-change:accessible-description", "object:property-change:accessible-name")
try:
    spel()
except Exception as fout:  # an assertion of a step, or a wait in vain
    print("FAIL:", repr(fout), "heard:", gehoord, sep="\n  ")
    sys.exit(1)
print("played to the end; heard:", " | ".join(g for g in gehoord if g))
