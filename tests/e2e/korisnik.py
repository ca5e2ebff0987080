# SPDX-License-Identifier: GPL-3.0-or-later
"""The user's hands: real pointer and keyboard events through the X
server's test extension, as a person's would arrive."""

import subprocess

from cekanje import Neuspeh
import pristupacnost as ap


class Korisnik:
    def __init__(self, env, sirina, visina):
        self.env = env
        self.sirina = sirina
        self.visina = visina

    def _xdotool(self, *argumenti):
        r = subprocess.run(["xdotool", *argumenti], env=self.env, capture_output=True,
                           text=True, timeout=60)
        if r.returncode != 0:
            raise Neuspeh(f"xdotool {' '.join(argumenti)} failed: {r.stderr.strip()}")

    def klikni_na(self, x, y):
        self._xdotool("mousemove", str(x), str(y), "click", "1")

    def klikni(self, a, sta):
        """Clicks the middle of an accessible that is on the screen."""
        x, y, s, v = ap.okvir(a)
        sx, sy = x + s // 2, y + v // 2
        if s <= 0 or v <= 0 or not (0 <= sx < self.sirina and 0 <= sy < self.visina):
            raise Neuspeh(f"{sta} is not on the screen: {(x, y, s, v)}")
        self.klikni_na(sx, sy)

    def skloni_pokazivac(self):
        """Puts the pointer in the screen's corner, over the frame's empty
        client area, where no tooltip can open over what a screenshot
        looks at."""
        self._xdotool("mousemove", str(self.sirina - 1), str(self.visina - 1))

    def tipke(self, *tipke):
        self._xdotool("key", "--clearmodifiers", "--delay", "60", *tipke)

    def kucaj(self, tekst):
        self._xdotool("type", "--clearmodifiers", "--delay", "60", "--", tekst)
