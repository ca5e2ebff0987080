# SPDX-License-Identifier: GPL-3.0-or-later
"""The application as the accessibility bus shows it: windows, controls,
their names, states, texts and places on the screen.

Nothing is cached on our side: every question goes to the application, so
a poll sees the state of the moment."""

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # after the version is chosen

Uloga = Atspi.Role

# Roles whose children are rows of data, never a control the scenario
# looks for; walking them would cost a call per file of a folder.
_BEZ_SILASKA = {Uloga.TABLE, Uloga.TREE, Uloga.TREE_TABLE, Uloga.LIST}


def pokreni():
    # Calls wait for the application while a command blocks its event
    # loop; the default of under a second is short for a sanitizer build.
    Atspi.set_timeout(15000, 60000)
    Atspi.init()


def aplikacija(pid):
    """The application with that process id on the bus, or None."""
    radna_povrsina = Atspi.get_desktop(0)
    for i in range(radna_povrsina.get_child_count()):
        a = radna_povrsina.get_child_at_index(i)
        if a is not None and a.get_process_id() == pid:
            a.set_cache_mask(Atspi.Cache.NONE)
            return a
    return None


def deca(a):
    for i in range(a.get_child_count()):
        d = a.get_child_at_index(i)
        if d is not None:
            yield d


def potomci(koren):
    """koren and everything below it, depth first, in the order shown."""
    stek = [koren]
    while stek:
        a = stek.pop()
        yield a
        if a.get_role() not in _BEZ_SILASKA:
            stek.extend(reversed(list(deca(a))))


def nadji(koren, uloga, ime=None, uslov=None):
    for a in potomci(koren):
        if a.get_role() == uloga and (ime is None or a.get_name() == ime) and (
                uslov is None or uslov(a)):
            return a
    return None


def nadji_dete(roditelj, uloga, ime=None, uslov=None):
    for a in deca(roditelj):
        if a.get_role() == uloga and (ime is None or a.get_name() == ime) and (
                uslov is None or uslov(a)):
            return a
    return None


def ima(a, stanje):
    return a.get_state_set().contains(stanje)


def prikazan(a):
    return ima(a, Atspi.StateType.SHOWING)


def omogucen(a):
    return ima(a, Atspi.StateType.ENABLED)


def fokusiran(a):
    return ima(a, Atspi.StateType.FOCUSED)


def okvir(a):
    """(x, y, width, height) on the screen."""
    e = a.get_extents(Atspi.CoordType.SCREEN)
    return (e.x, e.y, e.width, e.height)


def tekst(a):
    return a.get_text(0, a.get_character_count())


def vrednost(a):
    """The current value of a slider or a progress bar."""
    return a.get_current_value()


def opis(a, dubina=0):
    """One line per accessible: role, name, states, place, text; for a
    failure's record of what was on the screen."""
    linije = []
    stek = [(a, dubina)]
    while stek:
        b, d = stek.pop()
        try:
            stanja = [s.value_nick for s in b.get_state_set().get_states()
                      if s in (Atspi.StateType.ENABLED, Atspi.StateType.SHOWING,
                               Atspi.StateType.FOCUSED, Atspi.StateType.CHECKED)]
            red = f"{'  ' * d}{b.get_role_name()} {b.get_name()!r} {okvir(b)} {stanja}"
            if b.get_role() in (Uloga.TEXT, Uloga.SPIN_BUTTON):
                red += f" tekst={tekst(b)!r}"
            linije.append(red)
            if b.get_role() not in _BEZ_SILASKA:
                stek.extend((c, d + 1) for c in reversed(list(deca(b))))
        except Exception as greska:  # a record, not a check: keep going
            linije.append(f"{'  ' * d}(not readable: {greska})")
    return linije
