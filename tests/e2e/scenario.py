#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktop application from start to exit, driven as a user drives it.

The real lastovar runs on a virtual X server under a window manager; the
pointer and the keyboard are real X input events, and what the application
shows is read back through the accessibility bus (names, states, texts,
places) and screenshots. Each step waits by polling for the state it needs.
On a failure the screen, the accessibility tree and the processes' output
are kept in the output folder.

    scenario.py --lastovar BIN --cli BIN --stavka DESKTOP_ENTRY --izlaz FOLDER [--tok TOK]

TOK chooses the run: "korisnik" (the default) is the whole session on a
1600 x 1000 screen; "mali-okvir" drives "Polozaj voza", the status line and
the print commands by the keyboard in a frame of 1024 x 700 on a computer
without a printer; "skala-2" starts the program at Qt's scale factor 2.
"""

import argparse
import os
import shlex
import shutil
import signal
import subprocess
import sys
import time
from contextlib import contextmanager

try:
    import gi

    gi.require_version("Atspi", "2.0")
except (ImportError, ValueError) as greska:
    sys.exit(f"{greska}: install python3-gi and gir1.2-atspi-2.0 with scripts/deps.sh")

from cekanje import Neuspeh, cekaj, ocekuj
import ekran
from korisnik import Korisnik
from lastovar import BROJACI, NASLOV_GLAVNOG, POLJA, Lastovar
from okruzenje import Okruzenje
import pristupacnost as ap
from pristupacnost import Uloga

PODRAZUMEVANI = ["206.0", "208.0", "1.0", "1.0", "1.0", "1.0", "5.0", "1.0", "1.0", "1.0",
                 "1.0", "9.0", "1.25", "2", "10"]
# A second load case, different in every line: three forces, texts the
# report repeats as typed ("4.50") and one longer than the typing limit.
PRIPREMLJENI = ["100", "120.5", "80", "7", "8", "9", "2", "3.5", "0.5", "0.25", "1", "12.000",
                "4.50", "3", "20"]
O_PROGRAMU = ("Program racuna i iscrtava dijagrame extremnih \n"
              "vrednosti momenata savijanja i transverzalnih \n"
              "sila proste grede opterecenje sistemom vezanih \n"
              "koncentrisanih sila.")
# A third, whose arbitrary section is not the defaults'.
SA_PRESEKOM = ["100", "120.5", "80", "7", "8", "9", "2", "3.5", "0.5", "0.25", "1", "12.000",
               "3.1667", "3", "20"]
PITANJE_IZLAZA = "Da li zelte da zatvorite program?"
GRESKA_TIPA = "Greska u unosu tipa podataka za proracun!!!"
# The locale of the program's users: its decimal separator is a comma.
SRPSKI = {"LC_ALL": "sr_RS.UTF-8@latin", "LANG": "sr_RS.UTF-8@latin"}

NEMA_STAMPACA = "Nije izabran podrazumevani stampac."

# The runs: the screen and Qt's scale factor.
TOKOVI = {
    "korisnik": (1600, 1000, None),
    "mali-okvir": (1024, 700, None),
    "skala-2": (1600, 1000, "2"),
}

# Colour samples that are not white in each half of the diagram window:
# the extM diagram above and the extT diagram below give 20000 to 30000
# each, a beam axis alone under 8000, a stray tooltip a few thousand.
NACRTANO_PO_POLOVINI = 12000


def linije_datoteke(linije):
    return "".join(linija + "\r\n" for linija in linije).encode("ascii")


def komanda_stavke(stavka, program, datoteka):
    """The desktop entry's Exec for one file, as a file manager expands it:
    %f is the file's path, and the build's program stands for lastovar."""
    with open(stavka) as f:
        exec_ = next(linija.split("=", 1)[1].strip() for linija in f
                     if linija.startswith("Exec="))
    reci = shlex.split(exec_)
    ocekuj(reci[0] == "lastovar" and "%f" in reci,
           f"the desktop entry's Exec={exec_} does not pass a file as %f")
    return [program] + [datoteka if r == "%f" else r for r in reci[1:]]


def prva_razlika(dobijeno, ocekivano):
    """Where two texts first differ, line by line, for a failure message."""
    a, b = dobijeno.split("\n"), ocekivano.split("\n")
    for i, (x, y) in enumerate(zip(a, b)):
        if x != y:
            return f"line {i + 1}: got {x!r}, expected {y!r}"
    return f"got {len(a)} lines, expected {len(b)}"


def razlika(dobijeno, ocekivano):
    """What differs, briefly, for a failure message."""
    if isinstance(dobijeno, dict) and isinstance(ocekivano, dict):
        return "; ".join(f"{k!r}: got {dobijeno.get(k)!r}, expected {ocekivano.get(k)!r}"
                         for k in sorted(dobijeno.keys() | ocekivano.keys())
                         if dobijeno.get(k) != ocekivano.get(k))
    if isinstance(dobijeno, str) and isinstance(ocekivano, str) and "\n" in dobijeno + ocekivano:
        return prva_razlika(dobijeno, ocekivano)
    return f"got {dobijeno!r}, expected {ocekivano!r}"


class Scenario:
    def __init__(self, okruzenje, argumenti):
        self.okr = okruzenje
        self.arg = argumenti
        self.rad = os.path.join(okruzenje.koren, "rad")
        os.mkdir(self.rad)
        self.pripremljeni = os.path.join(self.rad, "pripremljeni.Lastovar")
        self.korisnik = Korisnik(okruzenje.env, okruzenje.sirina, okruzenje.visina)
        self.skala = TOKOVI[argumenti.tok][2]
        self.app = None
        self.pocetak = time.monotonic()
        self.korak_u_toku = "start"
        # One locale for the application and the command line program, so
        # that both read and write the same decimal separator.
        self.env_jezika = {"LC_ALL": "C.UTF-8", "LANG": "C.UTF-8"}

    # Running.

    def izvrsi(self):
        {"korisnik": self.ceo_rad, "mali-okvir": self.mali_okvir,
         "skala-2": self.skala_dva}[self.arg.tok]()

    def ceo_rad(self):
        with self.korak("start-up"):
            self.pokretanje()
        with self.korak("calculation with the defaults"):
            self.proracun_dugmetom()
        with self.korak("unlock"):
            self.otkljucavanje()
        with self.korak("refused input"):
            self.odbijen_unos()
        with self.korak("save as"):
            self.snimanje_kao()
        with self.korak("open"):
            self.otvaranje()
        with self.korak("calculation from the menu"):
            self.proracun_iz_menija()
        with self.korak("export"):
            self.izvoz()
        with self.korak("where the train stands"):
            self.polozaj_voza()
        with self.korak("about box"):
            self.o_programu()
        with self.korak("exit"):
            self.izlaz()
        with self.korak("a file opened from the desktop entry, in a Serbian locale"):
            self.otvaranje_iz_stavke()

    def mali_okvir(self):
        with self.korak("start-up in a 1024 x 700 frame"):
            self.pokretanje()
        with self.korak("calculation by F9"):
            self.korisnik.tipke("F9")
            self.proveri_natpise("Otkljucaj")
        with self.korak("Polozaj voza fitting the frame"):
            self.polozaj_u_okviru()
        with self.korak("Polozaj voza by the keyboard"):
            self.polozaj_tastaturom()
        with self.korak("the status line by the keyboard"):
            self.statusna_linija_tastaturom()
        with self.korak("F9 from inside Polozaj voza"):
            self.otkljucavanje_iz_polozaja()
        with self.korak("a new case's section after open and calculation"):
            self.novi_slucaj_u_polozaju()
        with self.korak("printing without a printer"):
            self.stampa_bez_stampaca()
        with self.korak("exit"):
            self.izlaz_da()

    def skala_dva(self):
        with self.korak("start-up at scale factor 2"):
            self.pokretanje()
        with self.korak("exit by Ctrl+Q"):
            # The accessibility bus gives places in the scale's units, where
            # a click would miss: the keyboard it is.
            self.korisnik.tipke("ctrl+q")
            self.odgovori_na_poruku("Potvrda", PITANJE_IZLAZA, "Return", zatvara_se=False)
            self.kraj_bez_gresaka()

    @contextmanager
    def korak(self, ime):
        self.korak_u_toku = ime
        pocetak = time.monotonic()
        print(f"[{pocetak - self.pocetak:6.1f} s] {ime}", flush=True)
        yield
        print(f"           {ime}: ok in {time.monotonic() - pocetak:.1f} s", flush=True)

    def cli(self, *argumenti, jezik=None):
        env = dict(self.okr.env, **(jezik or self.env_jezika))
        r = subprocess.run([self.arg.cli, *argumenti], env=env, capture_output=True, timeout=120)
        ocekuj(r.returncode == 0,
               f"lastovar-cli {' '.join(argumenti)} exited with {r.returncode}: {r.stderr!r}")
        return r.stdout

    def cekaj_jednako(self, opis, dobavi, ocekivano):
        poslednje = []

        def jednako():
            poslednje[:] = [dobavi()]
            return poslednje[0] == ocekivano

        cekaj(opis, jednako, stanje=lambda: razlika(poslednje[0], ocekivano) if poslednje else None)

    # What the form, the report and the diagram should show.

    def ocekivani_formular(self, tekstovi, zakljucano):
        broj_sila = int(tekstovi[13])
        omoguceno = [i < broj_sila for i in range(6)] + [i < broj_sila - 1 for i in range(5)]
        omoguceno += [True, True]
        stanje = {ime: (tekstovi[i], omoguceno[i] and not zakljucano)
                  for i, ime in enumerate(POLJA)}
        for i, ime in enumerate(BROJACI):
            stanje[ime] = (tekstovi[13 + i], not zakljucano)
        return stanje

    def proveri_formular(self, tekstovi, zakljucano):
        self.cekaj_jednako(
            f"the form's texts and enabled fields ({'locked' if zakljucano else 'unlocked'})",
            self.app.stanje_formulara, self.ocekivani_formular(tekstovi, zakljucano))

    def proveri_natpise(self, natpis):
        """The button and the first item of its menu read alike."""
        self.cekaj_jednako(f"the calculation button to read {natpis!r}",
                           self.app.natpis_dugmeta, natpis)
        self.cekaj_jednako(f"the first item of 'Proracun extM i extT' to read {natpis!r}",
                           lambda: self.app.prva_stavka("Proracun extM i extT"), natpis)

    def proveri_izvestaj(self, ocekivani):
        """The report in the results window, line for line."""
        self.cekaj_jednako("the report in the results window to equal lastovar-cli's",
                           lambda: self.app.izvestaj() + "\n", ocekivani.decode("ascii"))

    def nebeli_uzorci_grafika(self):
        """Samples not white in the upper and the lower half of the diagram
        window's client area."""
        x, y, s, v = ap.okvir(self.app.klijent_grafika())
        snimak = ekran.snimi(self.okr.env)
        return (snimak.nebeli_uzorci((x, y, s, v // 2)),
                snimak.nebeli_uzorci((x, y + v // 2, s, v - v // 2)))

    def proveri_grafik(self, nacrtan):
        self.korisnik.skloni_pokazivac()
        if nacrtan:
            cekaj("both diagrams drawn in the diagram window",
                  lambda: min(self.nebeli_uzorci_grafika()) >= NACRTANO_PO_POLOVINI,
                  stanje=lambda: f"{self.nebeli_uzorci_grafika()} samples not white in the "
                                 f"upper and the lower half")
        else:
            self.cekaj_jednako("the diagram window's client area white (samples not white "
                               "in its two halves)", self.nebeli_uzorci_grafika, (0, 0))

    def proveri_raspored(self):
        """The standard arrangement for the frame's client size now."""
        def raspored():
            ox, oy, cw, ch = ap.okvir(self.app.oblast())
            prozori = {}
            for naslov in ("Podaci za proracun", "Rezultati proracuna", "Dijagram extM i extT"):
                x, y, s, v = ap.okvir(self.app.prozor(naslov))
                prozori[naslov] = (x - ox, y - oy, s, v)
            return (cw, ch), prozori

        def ocekivan(klijent):
            cw, ch = klijent
            return klijent, {
                "Podaci za proracun": (0, 0, 449, 435),
                "Rezultati proracuna": (0, 435, 449, max(0, ch - 439)),
                "Dijagram extM i extT": (449, 0, max(400, cw - 453), max(400, ch - 4)),
            }

        poslednji = []

        def standardan():
            poslednji[:] = [raspored()]
            return poslednji[0] == ocekivan(poslednji[0][0])

        cekaj("the standard arrangement of the child windows", standardan,
              stanje=lambda: f"client size and windows {poslednji[0]}, expected "
                             f"{ocekivan(poslednji[0][0])}" if poslednji else None)

    def proveri_naslov(self, naslov):
        self.cekaj_jednako("the frame's caption", lambda: self.app.glavni().get_name(), naslov)

    def odgovori_na_poruku(self, naslov, tekst, tipka, zatvara_se=True):
        """Waits for the message box, checks its text and answers it; then
        waits for it to close, unless the answer ends the application."""
        poruka = cekaj(f"the message box {naslov!r}",
                       lambda: self.app.modalni(Uloga.ALERT, naslov),
                       stanje=self.app.modalni_na_ekranu)
        natpisi = [a.get_name() for a in ap.potomci(poruka) if a.get_role() == Uloga.LABEL]
        ocekuj(tekst in natpisi, f"the message box {naslov!r} says {natpisi}, not {tekst!r}")
        # The box's button takes the focus once the box is the active
        # window; a key pressed before would go to the frame.
        cekaj(f"the focus in the message box {naslov!r}",
              lambda: ap.nadji(poruka, Uloga.PUSH_BUTTON, uslov=ap.fokusiran))
        self.korisnik.tipke(tipka)
        if zatvara_se:
            cekaj(f"the message box {naslov!r} to close",
                  lambda: self.app.modalni(Uloga.ALERT, naslov) is None)

    # The steps.

    def pokreni(self, ime, komanda, jezik):
        """Starts the application, its output into ime.log, and waits for
        its windows on the accessibility bus."""
        env = dict(self.okr.env, **jezik)
        for promenljiva in ("LANGUAGE", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE",
                            "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                            "QT_ENABLE_HIGHDPI_SCALING", "QT_ACCESSIBILITY"):
            env.pop(promenljiva, None)
        env["QT_QPA_PLATFORM"] = "xcb"
        if self.skala:
            env["QT_SCALE_FACTOR"] = self.skala
        # Qt exports its widgets over the accessibility bus only when asked.
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        # The sanitizers keep the options of the build: LeakSanitizer finds
        # nothing in this run, system libraries included, so a leak fails
        # the exit code check with its report in the log.
        proces = self.okr.pokreni(ime, komanda, env=env, cwd=self.rad)
        self.app = Lastovar(proces, self.korisnik, os.path.join(self.arg.izlaz, ime + ".log"))
        cekaj("the application's three child windows on the accessibility bus",
              lambda: all(self.app.prozor(n) for n in
                          ("Podaci za proracun", "Rezultati proracuna", "Dijagram extM i extT")),
              rok=180)

    def pokretanje(self):
        self.pokreni("lastovar", [self.arg.lastovar], self.env_jezika)
        proces = self.app.proces
        cekaj("the frame maximised by the window manager", lambda: self.maksimizovan(proces.pid),
              stanje=lambda: self.stanje_prozora(proces.pid))
        if self.skala:
            # The accessibility bus gives places in the scale's units: the
            # window system's own geometry tells.
            self.cekaj_jednako("the frame's left edge, width and bottom edge on the screen",
                               lambda: self.ivice_prozora_x(proces.pid),
                               (0, self.okr.sirina, self.okr.visina))
            return
        self.cekaj_jednako("the frame's left edge, width and bottom edge on the screen",
                           self.ivice_glavnog, (0, self.okr.sirina, self.okr.visina))
        self.proveri_naslov(NASLOV_GLAVNOG)
        self.proveri_raspored()
        self.proveri_natpise("Proracun")
        self.proveri_formular(PODRAZUMEVANI, zakljucano=False)
        ocekuj(self.app.izvestaj() == "", "the results window is not empty at start")
        self.proveri_grafik(nacrtan=False)

    def prozor_x(self, pid):
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name",
                            f"^{NASLOV_GLAVNOG}$"], env=self.okr.env, capture_output=True,
                           text=True, timeout=60)
        ids = r.stdout.split()
        return ids[0] if len(ids) == 1 else None

    def stanje_prozora(self, pid):
        wid = self.prozor_x(pid)
        if wid is None:
            return "no single top-level window with the frame's caption"
        r = subprocess.run(["xprop", "-id", wid, "_NET_WM_STATE"], env=self.okr.env,
                           capture_output=True, text=True, timeout=60)
        return r.stdout.strip()

    def maksimizovan(self, pid):
        stanje = self.stanje_prozora(pid)
        return "_NET_WM_STATE_MAXIMIZED_VERT" in stanje and "_NET_WM_STATE_MAXIMIZED_HORZ" in stanje

    def ivice_prozora_x(self, pid):
        """The frame's left edge, width and bottom edge, its border
        included, as the X server has them."""
        wid = self.prozor_x(pid)
        if wid is None:
            return None
        r = subprocess.run(["xwininfo", "-id", wid], env=self.okr.env, capture_output=True,
                           text=True, timeout=60)
        polja = dict(linija.strip().split(":", 1) for linija in r.stdout.splitlines()
                     if ":" in linija)
        x = int(polja["Absolute upper-left X"])
        y = int(polja["Absolute upper-left Y"])
        return (x, int(polja["Width"]), y + int(polja["Height"]))

    def ivice_glavnog(self):
        x, y, s, v = ap.okvir(self.app.glavni())
        return (x, s, y + v)

    def proracun_dugmetom(self):
        self.korisnik.klikni(self.app.dugme(), "the button Proracun")
        self.proveri_natpise("Otkljucaj")
        self.proveri_izvestaj(self.cli("izvestaj"))
        self.proveri_formular(PODRAZUMEVANI, zakljucano=True)
        self.proveri_grafik(nacrtan=True)

    def otkljucavanje(self):
        self.korisnik.klikni(self.app.dugme(), "the button Otkljucaj")
        self.proveri_natpise("Proracun")
        self.cekaj_jednako("the results window emptied", self.app.izvestaj, "")
        self.proveri_formular(PODRAZUMEVANI, zakljucano=False)
        self.proveri_grafik(nacrtan=False)

    def odbijen_unos(self):
        raspon = self.app.polje("L   [m] = ")
        self.korisnik.klikni(raspon, "the span field")
        cekaj("the focus in the span field", lambda: ap.fokusiran(raspon))
        self.korisnik.tipke("End")
        self.korisnik.kucaj("a")
        self.cekaj_jednako("the letter typed at the span's end", lambda: ap.tekst(raspon), "9.0a")
        self.korisnik.klikni(self.app.dugme(), "the button Proracun")
        self.odgovori_na_poruku("Greska", GRESKA_TIPA, "Return")
        self.proveri_natpise("Proracun")
        self.proveri_formular(PODRAZUMEVANI[:11] + ["9.0a"] + PODRAZUMEVANI[12:], False)
        ocekuj(self.app.izvestaj() == "", "the results window is not empty after a refusal")
        self.proveri_grafik(nacrtan=False)

    def snimanje_kao(self):
        putanja = os.path.join(self.rad, "snimljeni.Lastovar")
        self.app.izaberi("Datoteka", "Snimi kao...")
        self.app.upisi_putanju("Snimanje podataka za proracun!", putanja, "Podaci za proracun")
        self.proveri_naslov(putanja)
        with open(putanja, "rb") as f:
            sadrzaj = f.read()
        ocekivano = linije_datoteke(PODRAZUMEVANI[:11] + ["9.0a"] + PODRAZUMEVANI[12:])
        ocekuj(sadrzaj == ocekivano, f"the saved data file holds {sadrzaj!r}, not {ocekivano!r}")

    def otvaranje(self):
        with open(self.pripremljeni, "wb") as f:
            f.write(linije_datoteke(PRIPREMLJENI))
        self.app.izaberi("Datoteka", "Otvori...")
        self.app.upisi_putanju("Ucitavanje podataka za proracun!", self.pripremljeni, "")
        self.proveri_naslov(self.pripremljeni)
        self.proveri_formular(PRIPREMLJENI, zakljucano=False)

    def proracun_iz_menija(self):
        self.app.izaberi("Proracun extM i extT", "Proracun")
        self.proveri_natpise("Otkljucaj")
        self.proveri_izvestaj(self.cli("izvestaj", self.pripremljeni))
        self.proveri_formular(PRIPREMLJENI, zakljucano=True)
        self.proveri_raspored()
        self.proveri_grafik(nacrtan=True)

    def izvoz(self):
        putanja = os.path.join(self.rad, "rezultati.txt")
        self.app.izaberi("Datoteka", "Snimi rezultate proracuna", ".txt")
        self.app.upisi_putanju("Snimanje rezultata proracuna u datoteku sa nastavkom .txt!",
                               putanja, "Rezultati proracuna")
        cekaj(f"the export {putanja}", lambda: os.path.exists(putanja))
        with open(putanja, "rb") as f:
            sadrzaj = f.read()
        ocekivano = self.cli("izvestaj", "--crlf", self.pripremljeni)
        ocekuj(sadrzaj == ocekivano,
               "the export differs from the report with CR LF: "
               + prva_razlika(sadrzaj.decode("ascii", "replace"), ocekivano.decode("ascii")))

    def nebeli_uzorci_polozaja(self):
        """Samples not white in the picture of "Polozaj voza", above its
        controls."""
        x, y, s, v = ap.okvir(self.app.polozaj_voza())
        return ekran.snimi(self.okr.env).nebeli_uzorci((x + 10, y + 40, s - 20, v - 100))

    def polozaj_voza(self):
        # The prepared load case leaves the classical extM short somewhere.
        cekaj("the status line naming a shortfall",
              lambda: (self.app.statusna_linija() or "").startswith(
                  "Klasicni proracun je na strani nesigurnosti: extM manji za "),
              stanje=self.app.statusna_linija)
        # A click at midspan of the diagram window opens the window there.
        self.korisnik.skloni_pokazivac()
        x, y, s, v = ap.okvir(self.app.klijent_grafika())
        self.korisnik.klikni_na(x + 50 + (s - 150) // 2, y + v // 3)
        cekaj("the window Polozaj voza", lambda: self.app.polozaj_voza() is not None)
        cekaj("the critical positions drawn", lambda: self.nebeli_uzorci_polozaja() > 1000)
        klizac = cekaj("the slider", lambda: self.app.kontrola_polozaja(Uloga.SLIDER))
        ocekuj(ap.vrednost(klizac) == 0, f"the slider stands at {ap.vrednost(klizac)}, not 0")
        # Played, the train moves on by itself; stopped, it stays.
        pusti = self.app.kontrola_polozaja(Uloga.PUSH_BUTTON, "Pusti")
        self.korisnik.klikni(pusti, "the button Pusti")
        cekaj("the train moving", lambda: ap.vrednost(klizac) > 100,
              stanje=lambda: f"the slider at {ap.vrednost(klizac)}")
        self.korisnik.klikni(self.app.kontrola_polozaja(Uloga.PUSH_BUTTON, "Zaustavi"),
                             "the button Zaustavi")
        cekaj("the button to read Pusti again",
              lambda: self.app.kontrola_polozaja(Uloga.PUSH_BUTTON, "Pusti") is not None)
        stoji = ap.vrednost(klizac)
        time.sleep(0.3)
        ocekuj(ap.vrednost(klizac) == stoji, "the train moves after Zaustavi")
        # The arrow keys move it on the slider; Escape goes back.
        self.korisnik.klikni(self.app.kontrola_polozaja(Uloga.PUSH_BUTTON, "Kriticni polozaji"),
                             "the button Kriticni polozaji")
        self.cekaj_jednako("the slider back at 0", lambda: ap.vrednost(klizac), 0)
        self.korisnik.klikni(klizac, "the slider")
        cekaj("the slider moved by the click", lambda: ap.vrednost(klizac) > 0)
        pre = ap.vrednost(klizac)
        self.korisnik.tipke("Right", "Right")
        cekaj("the slider moved by the arrow keys", lambda: ap.vrednost(klizac) > pre)
        self.korisnik.tipke("Escape")
        self.cekaj_jednako("the slider back at 0 after Escape", lambda: ap.vrednost(klizac), 0)
        self.app.izaberi("Proracun extM i extT", "Polozaj voza...")
        self.cekaj_jednako("the window Polozaj voza still one",
                           lambda: len([a for a in ap.deca(self.app.oblast())
                                        if a.get_name() == "Polozaj voza"]), 1)

    # The steps in a small frame.

    def naslov_polozaja(self):
        """The accessible name of the picture of "Polozaj voza": its title."""
        p = self.app.polozaj_voza()
        for a in ap.potomci(p) if p else []:
            ime = a.get_name() or ""
            if ime.startswith(("Polozaj voza za presek", "Prelaz voza")):
                return ime
        return None

    def kontrole_polozaja(self):
        return {"Pusti": self.app.kontrola_polozaja(Uloga.PUSH_BUTTON, "Pusti"),
                "slider": self.app.kontrola_polozaja(Uloga.SLIDER),
                "Kriticni polozaji": self.app.kontrola_polozaja(Uloga.PUSH_BUTTON,
                                                               "Kriticni polozaji")}

    def fokus_polozaja(self):
        return next((ime for ime, a in self.kontrole_polozaja().items()
                     if a is not None and ap.fokusiran(a)), None)

    def polozaj_u_okviru(self):
        self.app.izaberi("Proracun extM i extT", "Polozaj voza...")
        cekaj("the window Polozaj voza", lambda: self.app.polozaj_voza() is not None)
        self.cekaj_jednako("the picture's title", self.naslov_polozaja,
                           "Polozaj voza za presek x = 1.250 m, voz P1..P2")
        ox, oy, os_, ov = ap.okvir(self.app.oblast())

        def u_oblasti(a):
            x, y, s, v = ap.okvir(a)
            return ox <= x and oy <= y and x + s <= ox + os_ and y + v <= oy + ov

        self.cekaj_jednako("the window filling the client area",
                           lambda: ap.okvir(self.app.polozaj_voza()), (ox, oy, os_, ov))
        for ime, a in self.kontrole_polozaja().items():
            ocekuj(a is not None and u_oblasti(a),
                   f"{ime} of Polozaj voza lies outside the client area: "
                   f"{a and ap.okvir(a)} in {(ox, oy, os_, ov)}")
        cekaj("the critical positions drawn", lambda: self.nebeli_uzorci_polozaja() > 1000)

    def polozaj_tastaturom(self):
        cekaj("the focus on a control of Polozaj voza", self.fokus_polozaja)
        # Tab goes Pusti, the slider, Kriticni polozaji, and back.
        for _ in range(2):
            if self.fokus_polozaja() == "Pusti":
                break
            self.korisnik.tipke("shift+Tab")
        self.cekaj_jednako("the focus on Pusti", self.fokus_polozaja, "Pusti")
        self.korisnik.tipke("Tab")
        self.cekaj_jednako("Tab to the slider", self.fokus_polozaja, "slider")
        self.korisnik.tipke("Tab")
        self.cekaj_jednako("Tab to Kriticni polozaji", self.fokus_polozaja,
                           "Kriticni polozaji")
        # The keys move the train from a button too, Page Down forward.
        klizac = self.kontrole_polozaja()["slider"]
        self.korisnik.tipke("Next")
        cekaj("Page Down moving the train forward", lambda: ap.vrednost(klizac) > 0,
              stanje=lambda: f"the slider at {ap.vrednost(klizac)}")
        cekaj("a frame of the crossing", lambda: (self.naslov_polozaja() or "")
              .startswith("Prelaz voza P1..P2: P1 na "), stanje=self.naslov_polozaja)
        self.korisnik.tipke("Escape")
        self.cekaj_jednako("Escape back to the critical positions", self.naslov_polozaja,
                           "Polozaj voza za presek x = 1.250 m, voz P1..P2")

    def statusna_linija_tastaturom(self):
        cekaj("the status line naming a shortfall",
              lambda: (self.app.statusna_linija() or "").startswith(
                  "Klasicni proracun je na strani nesigurnosti: extM manji za "),
              stanje=self.app.statusna_linija)
        presek = float(self.app.statusna_linija().split("x = ")[1].split(" [m]")[0])
        self.korisnik.tipke("F6")
        dugme = cekaj("the focus on the status line's quantity", lambda: next(
            (a for a in self.app.delovi_statusne_linije()
             if a.get_role() == Uloga.PUSH_BUTTON and ap.fokusiran(a)), None))
        ocekuj(dugme.get_name().startswith("extM manji za "),
               f"F6 put the focus on {dugme.get_name()!r}")
        self.korisnik.tipke("space")
        self.cekaj_jednako("Polozaj voza at the status line's section", self.naslov_polozaja,
                           f"Polozaj voza za presek x = {presek:.3f} m, voz P1..P2")

    def otkljucavanje_iz_polozaja(self):
        self.korisnik.klikni(self.kontrole_polozaja()["Kriticni polozaji"],
                             "the button Kriticni polozaji")
        cekaj("the focus in Polozaj voza", self.fokus_polozaja)
        self.korisnik.tipke("F9")
        self.proveri_natpise("Proracun")
        p1 = self.app.polje("P1 [kN] = ")
        cekaj("the focus back in the first force's field", lambda: ap.fokusiran(p1))
        self.cekaj_jednako("the picture empty", self.naslov_polozaja, None)

    def novi_slucaj_u_polozaju(self):
        putanja = os.path.join(self.rad, "sa_presekom.Lastovar")
        with open(putanja, "wb") as f:
            f.write(linije_datoteke(SA_PRESEKOM))
        self.app.izaberi("Datoteka", "Otvori...")
        self.app.upisi_putanju("Ucitavanje podataka za proracun!", putanja, "")
        self.proveri_formular(SA_PRESEKOM, zakljucano=False)
        self.app.izaberi("Proracun extM i extT", "Proracun")
        self.proveri_natpise("Otkljucaj")
        self.cekaj_jednako("Polozaj voza at the new case's section", self.naslov_polozaja,
                           "Polozaj voza za presek x = 3.167 m, voz P1..P3")

    def stampa_bez_stampaca(self):
        self.app.izaberi("Datoteka", "Stampaj grafik...")
        self.odgovori_na_poruku("Greska", NEMA_STAMPACA, "Return")
        self.app.izaberi("Datoteka", "Pregled stampe...")
        pregled = cekaj("the print preview",
                        lambda: self.app.modalni(Uloga.DIALOG, "Pregled stampe"),
                        stanje=self.app.modalni_na_ekranu)
        stampaj = cekaj("the preview's print button", lambda: ap.nadji(pregled, Uloga.PUSH_BUTTON,
                                                                      "Stampaj..."))
        self.korisnik.klikni(stampaj, "the preview's print button")
        # The same message as the print command's, from the same printing.
        self.odgovori_na_poruku("Greska", NEMA_STAMPACA, "Return")
        ocekuj(self.app.modalni(Uloga.DIALOG, "Pregled stampe") is not None,
               "the preview closed though nothing was printed")
        self.korisnik.klikni(ap.nadji(pregled, Uloga.PUSH_BUTTON, "Zatvori"),
                             "the preview's Zatvori")
        cekaj("the print preview to close",
              lambda: self.app.modalni(Uloga.DIALOG, "Pregled stampe") is None)

    def izlaz_da(self):
        self.app.izaberi("Datoteka", "Izlaz")
        self.odgovori_na_poruku("Potvrda", PITANJE_IZLAZA, "Return", zatvara_se=False)
        self.kraj_bez_gresaka()

    def kraj_bez_gresaka(self):
        """The application ends with 0 and has written nothing on its
        output: no warning of Qt's either."""
        try:
            kod = self.app.proces.wait(timeout=120)
        except subprocess.TimeoutExpired:
            raise Neuspeh("the application still runs 120 s after Yes") from None
        ocekuj(kod == 0, f"the application exited with code {kod}, see lastovar.log")
        with open(os.path.join(self.arg.izlaz, "lastovar.log"), errors="replace") as f:
            izlaz = f.read()
        ocekuj(izlaz == "", f"the application wrote on its output: {izlaz[:2000]!r}")

    def o_programu(self):
        self.app.izaberi("Pomoc", "O programu...")
        prozor = cekaj("the about box", lambda: self.app.modalni(Uloga.DIALOG, "O programu"),
                       stanje=self.app.modalni_na_ekranu)
        memo = ap.nadji(prozor, Uloga.TEXT)
        ocekuj(memo is not None and ap.tekst(memo) == O_PROGRAMU,
               f"the about box says {memo and ap.tekst(memo)!r}")
        self.korisnik.klikni(ap.nadji(prozor, Uloga.PUSH_BUTTON, "OK"), "the about box's OK")
        cekaj("the about box to close",
              lambda: self.app.modalni(Uloga.DIALOG, "O programu") is None)

    def izlaz(self):
        self.app.izaberi("Datoteka", "Izlaz")
        # No is the box's escape button, Yes its default one.
        self.odgovori_na_poruku("Potvrda", PITANJE_IZLAZA, "Escape")
        self.proveri_naslov(self.pripremljeni)
        self.proveri_natpise("Otkljucaj")
        ocekuj(self.app.proces.poll() is None, "the application ended after No")
        self.zatvori()

    def zatvori(self):
        """"Izlaz" answered Yes: the application ends with code 0."""
        self.app.izaberi("Datoteka", "Izlaz")
        self.odgovori_na_poruku("Potvrda", PITANJE_IZLAZA, "Return", zatvara_se=False)
        try:
            kod = self.app.proces.wait(timeout=120)
        except subprocess.TimeoutExpired:
            raise Neuspeh("the application still runs 120 s after Yes") from None
        ocekuj(kod == 0, f"the application exited with code {kod}, see {self.app.dnevnik}")

    def otvaranje_iz_stavke(self):
        """The desktop entry's command for the prepared file, written under
        C, as a file manager runs it on a double-click, in a Serbian locale:
        the file opens with a comma in its numbers and calculates as
        lastovar-cli does in that locale."""
        komanda = komanda_stavke(self.arg.stavka, self.arg.lastovar, self.pripremljeni)
        self.pokreni("lastovar-datoteka", komanda, SRPSKI)
        self.proveri_naslov(self.pripremljeni)
        zarez = [t.replace(".", ",") for t in PRIPREMLJENI]
        self.proveri_formular(zarez, zakljucano=False)
        self.korisnik.klikni(self.app.dugme(), "the button Proracun")
        self.proveri_natpise("Otkljucaj")
        izvestaj = self.cli("izvestaj", self.pripremljeni, jezik=SRPSKI)
        ocekuj(b"." not in izvestaj, "lastovar-cli's report in the Serbian locale has a point")
        self.proveri_izvestaj(izvestaj)
        self.zatvori()

    # A failure's record.

    def zabelezi_neuspeh(self, stablo):
        izlaz = self.arg.izlaz
        ekran.sacuvaj(self.okr.env, os.path.join(izlaz, "neuspeh.png"))
        if stablo and self.app and self.app.proces.poll() is None:
            try:
                linije = ap.opis(self.app.aplikacija())
                with open(os.path.join(izlaz, "stablo.txt"), "w") as f:
                    f.write("\n".join(linije) + "\n")
            except Exception as greska:  # the record is best effort
                print(f"the accessibility tree could not be read: {greska}")
        print(f"failed at step '{self.korak_u_toku}'; screenshot, accessibility tree and logs "
              f"in {izlaz}")
        dnevnik = self.app.dnevnik if self.app else os.path.join(izlaz, "lastovar.log")
        if os.path.exists(dnevnik):
            with open(dnevnik, errors="replace") as f:
                rep = f.readlines()[-40:]
            if rep:
                print("end of lastovar.log:\n" + "".join(rep), end="")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lastovar", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--stavka", required=True, help="the desktop entry")
    parser.add_argument("--izlaz", required=True, help="folder for logs and failure records")
    parser.add_argument("--tok", choices=sorted(TOKOVI), default="korisnik")
    argumenti = parser.parse_args()
    for ime in ("lastovar", "cli", "stavka", "izlaz"):
        setattr(argumenti, ime, os.path.abspath(getattr(argumenti, ime)))

    # ctest ends a test that overruns with a signal: clean up on the way.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("ended by SIGTERM"))
    shutil.rmtree(argumenti.izlaz, ignore_errors=True)
    os.makedirs(argumenti.izlaz)
    try:
        sirina, visina, _ = TOKOVI[argumenti.tok]
        with Okruzenje(argumenti.izlaz, sirina, visina) as okruzenje:
            # The accessibility library finds the buses through these.
            os.environ["DISPLAY"] = okruzenje.env["DISPLAY"]
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = okruzenje.env["DBUS_SESSION_BUS_ADDRESS"]
            ap.pokreni()
            scenario = Scenario(okruzenje, argumenti)
            try:
                scenario.izvrsi()
            except Exception:
                scenario.zabelezi_neuspeh(stablo=True)
                raise
            except BaseException:
                # Ended from outside: no time for a walk over the tree.
                scenario.zabelezi_neuspeh(stablo=False)
                raise
    except Neuspeh as greska:
        print(f"FAILED: {greska}", flush=True)
        return 1
    print(f"passed in {time.monotonic() - scenario.pocetak:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
