# SPDX-License-Identifier: GPL-3.0-or-later
"""Screenshots of the virtual screen and what their pixels say."""

import subprocess

from cekanje import Neuspeh


class Snimak:
    """The screen's pixels, three bytes a pixel, row by row."""

    def __init__(self, sirina, visina, pikseli):
        self.sirina = sirina
        self.visina = visina
        self.pikseli = pikseli

    def nebeli_uzorci(self, okvir):
        """How many colour samples in the rectangle (x, y, width, height)
        are not full white; 0 for a white rectangle."""
        x, y, s, v = okvir
        x0, y0 = max(0, x), max(0, y)
        x1, y1 = min(self.sirina, x + s), min(self.visina, y + v)
        if x1 <= x0 or y1 <= y0:
            raise Neuspeh(f"rectangle {okvir} lies outside the screen")
        ukupno = 0
        for red in range(y0, y1):
            pocetak = (red * self.sirina + x0) * 3
            uzorci = self.pikseli[pocetak:pocetak + (x1 - x0) * 3]
            ukupno += len(uzorci) - uzorci.count(255)
        return ukupno


def _import(env, *izlaz):
    return subprocess.run(["import", "-window", "root", *izlaz], env=env, capture_output=True,
                          timeout=60)


def snimi(env):
    r = _import(env, "-depth", "8", "ppm:-")
    if r.returncode != 0:
        raise Neuspeh(f"screenshot failed: {r.stderr.decode(errors='replace').strip()}")
    # P6, width, height, the largest sample value, one blank, the samples.
    delovi = r.stdout.split(maxsplit=4)
    if len(delovi) != 5 or delovi[0] != b"P6" or delovi[3] != b"255":
        raise Neuspeh(f"screenshot is not an 8-bit binary PPM: {r.stdout[:20]!r}")
    sirina, visina = int(delovi[1]), int(delovi[2])
    if len(r.stdout) < sirina * visina * 3:
        raise Neuspeh("screenshot is shorter than its header says")
    pikseli = r.stdout[len(r.stdout) - sirina * visina * 3:]
    return Snimak(sirina, visina, pikseli)


def sacuvaj(env, putanja):
    """Saves the screen as a picture; says why when it cannot."""
    r = _import(env, putanja)
    if r.returncode != 0:
        print(f"screenshot {putanja} failed: {r.stderr.decode(errors='replace').strip()}")
