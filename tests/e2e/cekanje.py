# SPDX-License-Identifier: GPL-3.0-or-later
"""Waiting by polling for a state, with a deadline and a message that says
what was waited for and what was seen last."""

import time

from gi.repository import GLib

# A loaded two-core machine running the sanitizer build is slow: a state
# that takes a second at rest can take tens of seconds then.
ROK = 90.0
RAZMAK = 0.1  # between two looks at the state


class Neuspeh(Exception):
    """A check of the scenario failed."""


def cekaj(opis, uslov, rok=ROK, stanje=None):
    """Polls uslov() until it returns a true value and returns that value.

    A failed accessibility call counts as "not yet": the application
    answers none while a command blocks its event loop. stanje(), when
    given, describes what is seen instead, for the failure message."""
    kraj = time.monotonic() + rok
    poslednja_greska = None
    while True:
        try:
            rezultat = uslov()
            if rezultat:
                return rezultat
        except GLib.Error as greska:
            poslednja_greska = greska
        if time.monotonic() >= kraj:
            break
        time.sleep(RAZMAK)
    poruka = f"timed out after {rok:g} s waiting for {opis}"
    if stanje:
        try:
            poruka += f"; seen instead: {stanje()}"
        except GLib.Error as greska:
            poruka += f"; the state could not be read: {greska}"
    if poslednja_greska:
        poruka += f"; last accessibility error: {poslednja_greska}"
    raise Neuspeh(poruka)


def ocekuj(uslov, poruka):
    if not uslov:
        raise Neuspeh(poruka)
