# SPDX-License-Identifier: GPL-3.0-or-later
"""The running application as a user finds it: the frame and its menu, the
three child windows, the controls of the input form by their accessible
names, the modal boxes and dialogs; and the few gestures the scenario
repeats (a menu command, a path typed into a file dialog)."""

from cekanje import Neuspeh, cekaj
import pristupacnost as ap
from pristupacnost import Uloga

NASLOV_GLAVNOG = "Dijagram extM i extT"
NASLOV_PODATAKA = "Podaci za proracun"
NASLOV_REZULTATA = "Rezultati proracuna"
NASLOV_GRAFIKA = "Dijagram extM i extT"

# The thirteen edits in the order of the data file's lines.
POLJA = ["P1 [kN] = ", "P2 [kN] = ", "P3 [kN] = ", "P4 [kN] = ", "P5 [kN] = ", "P6 [kN] = ",
         "L1 [m] = ", "L2 [m] = ", "L3 [m] = ", "L4 [m] = ", "L5 [m] = ",
         "L   [m] = ", "x [m] = "]
BROJACI = ["br. sila", "br. preseka"]


class Lastovar:
    def __init__(self, proces, korisnik, dnevnik):
        self.proces = proces
        self.dnevnik = dnevnik  # the file of its output
        self.korisnik = korisnik
        self._aplikacija = None

    def aplikacija(self):
        # Asked first, so that a crash fails the wait at once, not after
        # its deadline.
        if self.proces.poll() is not None:
            raise Neuspeh(f"the application ended with code {self.proces.returncode}, "
                          f"see {self.dnevnik}")
        if self._aplikacija is None:
            self._aplikacija = ap.aplikacija(self.proces.pid)
        return self._aplikacija

    # Windows.

    def glavni(self):
        a = self.aplikacija()
        return a and ap.nadji_dete(a, Uloga.FRAME)

    def oblast(self):
        """The frame's client area, where the child windows live."""
        g = self.glavni()
        return g and ap.nadji_dete(g, Uloga.LAYERED_PANE)

    def prozor(self, naslov):
        o = self.oblast()
        return o and ap.nadji_dete(o, Uloga.FRAME, naslov)

    def podaci(self):
        return self.prozor(NASLOV_PODATAKA)

    def polje(self, ime):
        p = self.podaci()
        return p and ap.nadji(p, Uloga.TEXT, ime)

    def brojac(self, ime):
        p = self.podaci()
        return p and ap.nadji(p, Uloga.SPIN_BUTTON, ime)

    def dugme(self):
        p = self.podaci()
        return p and ap.nadji(p, Uloga.PUSH_BUTTON)

    def natpis_dugmeta(self):
        d = self.dugme()
        return d and d.get_name()

    def memo(self):
        r = self.prozor(NASLOV_REZULTATA)
        return r and ap.nadji_dete(r, Uloga.TEXT)

    def izvestaj(self):
        return ap.tekst(self.memo())

    def klijent_grafika(self):
        """The diagram window's client area, inside its border and caption."""
        g = self.prozor(NASLOV_GRAFIKA)
        return g and ap.nadji_dete(g, Uloga.FILLER)

    def polozaj_voza(self):
        return self.prozor("Polozaj voza")

    def kontrola_polozaja(self, uloga, ime=None):
        p = self.polozaj_voza()
        return p and ap.nadji(p, uloga, ime)

    def delovi_statusne_linije(self):
        """What the frame's status line shows under the client area, left to
        right: its start, a label, and a flat button for each quantity it
        names."""
        g = self.glavni()
        oblast = self.oblast()
        dno = ap.okvir(oblast)[1] + ap.okvir(oblast)[3] - 1
        delovi = [a for a in ap.potomci(g)
                  if a.get_role() in (Uloga.LABEL, Uloga.PUSH_BUTTON) and ap.prikazan(a)
                  and ap.okvir(a)[1] > dno and a.get_name()]
        return sorted(delovi, key=lambda a: ap.okvir(a)[0])

    def statusna_linija(self):
        """The text of the frame's status line as it reads."""
        return " ".join(a.get_name() for a in self.delovi_statusne_linije()) or None

    def modalni(self, uloga, naslov):
        """A box or dialog of the application on the screen."""
        a = self.aplikacija()
        return a and ap.nadji_dete(a, uloga, naslov, ap.prikazan)

    def modalni_na_ekranu(self):
        a = self.aplikacija()
        return [f"{b.get_role_name()} {b.get_name()!r}" for b in ap.deca(a)
                if b.get_role() in (Uloga.ALERT, Uloga.DIALOG) and ap.prikazan(b)]

    # The form at a glance: each control's text and whether it is enabled.

    def stanje_formulara(self):
        p = self.podaci()
        stanje = {}
        for a in ap.potomci(p):
            if a.get_role() in (Uloga.TEXT, Uloga.SPIN_BUTTON):
                stanje[a.get_name()] = (ap.tekst(a), ap.omogucen(a))
        return stanje

    # The menu.

    def stavka_menija(self, *putanja):
        """The item at the path of captions, shown or not."""
        g = self.glavni()
        trenutna = g and ap.nadji_dete(g, Uloga.MENU_BAR)
        for i, ime in enumerate(putanja):
            if trenutna is None:
                return None
            if i > 0:
                trenutna = ap.nadji_dete(trenutna, Uloga.POPUP_MENU)
                if trenutna is None:
                    return None
            trenutna = ap.nadji_dete(trenutna, Uloga.MENU_ITEM, ime)
        return trenutna

    def prva_stavka(self, meni):
        """The caption of a menu's first item."""
        naslov = self.stavka_menija(meni)
        padajuci = naslov and ap.nadji_dete(naslov, Uloga.POPUP_MENU)
        stavka = padajuci and ap.nadji_dete(padajuci, Uloga.MENU_ITEM)
        return stavka and stavka.get_name()

    def izaberi(self, *putanja):
        """Clicks the menu title, then each item of the path in turn, each
        once it is on the screen."""
        for i in range(len(putanja)):
            deo = putanja[:i + 1]
            opis = " > ".join(deo)
            stavka = cekaj(f"the menu item {opis} on the screen",
                           lambda: self._prikazana_stavka(deo))
            self.korisnik.klikni(stavka, f"the menu item {opis}")

    def _prikazana_stavka(self, putanja):
        s = self.stavka_menija(*putanja)
        if s is None or not ap.prikazan(s):
            return None
        _, _, sirina, visina = ap.okvir(s)
        return s if sirina > 0 and visina > 0 else None

    # File dialogs.

    def upisi_putanju(self, naslov, putanja, predlozeno):
        """Types a path into the name box of the file dialog with that
        title and confirms it with Enter; returns the proposed name."""
        def polje_imena():
            d = self.modalni(Uloga.DIALOG, naslov)
            return d and ap.nadji(d, Uloga.TEXT, uslov=ap.fokusiran)

        ime = cekaj(f"the file dialog {naslov!r} with the focus in its name box", polje_imena,
                    stanje=self.modalni_na_ekranu)
        cekaj(f"the name {predlozeno!r} proposed in {naslov!r}",
              lambda: ap.tekst(ime) == predlozeno, stanje=lambda: repr(ap.tekst(ime)))
        self.korisnik.tipke("ctrl+a")
        self.korisnik.kucaj(putanja)
        cekaj(f"the path typed into {naslov!r}", lambda: ap.tekst(ime) == putanja,
              stanje=lambda: repr(ap.tekst(ime)))
        self.korisnik.tipke("Return")
        cekaj(f"the file dialog {naslov!r} to close",
              lambda: self.modalni(Uloga.DIALOG, naslov) is None, stanje=self.modalni_na_ekranu)
