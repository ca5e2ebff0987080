#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the tables of `lastovar-cli izvestaj --csv` and `tacno --csv` with
Python's csv module, as a script of a user would, and checks them against
the report: every row is a section of the report, every number a float, and
the digits of x, extM, maxT and minT, rounded to 15 significant digits half
away from zero as the report rounds, are the report's printed numbers."""

import csv
import decimal
import io
import os
import subprocess
import sys
import tempfile

CLI = sys.argv[1]

# Load cases as data files (15 lines); None is the form's defaults.
SLUCAJEVI = {
    "podrazumevani": None,
    "jedna sila": ["183.628", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1",
                   "14.458", "7.23", "1", "33"],
    "sest sila": ["1", "2", "3", "1", "2", "3", "0.1", "0.2", "0.3", "0.4", "0.5",
                  "2.9", "2.9", "6", "21"],
    "cetiri sile na lambda1": ["1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1",
                               "10", "0", "4", "4"],
}


def pokreni(*argumenti):
    okolina = dict(os.environ, LC_ALL="C")
    r = subprocess.run([CLI, *argumenti], capture_output=True, env=okolina, check=False)
    if r.returncode != 0:
        sys.exit(f"{' '.join(argumenti)}: exit {r.returncode}: {r.stderr.decode()}")
    return r.stdout


def kao_izvestaj(tekst):
    """The report's general format of a number's digits: 15 significant
    digits half away from zero, fixed for 1E-4 <= |v| < 1E15."""
    d = decimal.Decimal(tekst)
    if d == 0:
        return "0"
    kvant = decimal.Decimal(1).scaleb(d.adjusted() - 14)
    d = d.quantize(kvant, rounding=decimal.ROUND_HALF_UP)
    if decimal.Decimal("1E-4") <= abs(d) < decimal.Decimal("1E15"):
        t = format(d, "f")
        if "." in t:
            t = t.rstrip("0").rstrip(".")
        return t
    cifre, eksponent = format(d, "E").split("E")
    if "." in cifre:
        cifre = cifre.rstrip("0").rstrip(".")
    return f"{cifre}E{int(eksponent)}"


def tabele_izvestaja(linije):
    """(x, extM, maxT, minT) of each section as the report prints them; the
    first extM line of a section that has two."""
    extM, maxT, minT = [], [], []
    u_extM = False
    for l in linije:
        if l == "Vrednosti extM u zadatom broju preseka:":
            u_extM = True
            continue
        if u_extM and not l:
            u_extM = False
        x = l[l.find("(") + 1:l.find(")")] if "(" in l else None
        vrednost = l[l.find(") = ") + 4:l.rfind(" [")] if ") = " in l else None
        if u_extM and (not extM or extM[-1][0] != x):
            extM.append((x, vrednost))
        elif l.startswith("maxT(") and "proizvoljno" not in l:
            maxT.append((x, vrednost))
        elif l.startswith("minT(") and "proizvoljno" not in l:
            minT.append((x, vrednost))
    assert len(extM) == len(maxT) == len(minT), (len(extM), len(maxT), len(minT))
    return [(e[0], e[1], a[1], b[1]) for e, a, b in zip(extM, maxT, minT)]


def procitaj(bajtovi):
    assert bajtovi.endswith(b"\r\n"), "records end with CR LF"
    assert b"\n" not in bajtovi.replace(b"\r\n", b""), "no bare LF"
    return list(csv.reader(io.StringIO(bajtovi.decode("ascii"), newline=""), strict=True))


def proveri(ime, argumenti):
    redovi = procitaj(pokreni("izvestaj", "--csv", *argumenti))
    assert redovi[0] == ["x [m]", "extM [kNm]", "maxT [kN]", "minT [kN]"], redovi[0]
    izvestaj = tabele_izvestaja(pokreni("izvestaj", *argumenti).decode("ascii").split("\n"))
    assert len(redovi) - 1 == len(izvestaj), (ime, len(redovi), len(izvestaj))
    for red, ocekivano in zip(redovi[1:], izvestaj):
        for polje in red:
            float(polje)
        dobijeno = tuple(kao_izvestaj(p) for p in red)
        assert dobijeno == ocekivano, (ime, red, dobijeno, ocekivano)

    for smer, kolona in ((), 16), (("--oba-smera",), 19):
        tacno = procitaj(pokreni("tacno", "--csv", *smer, *argumenti))
        assert len(tacno) == len(redovi), (ime, smer)
        for red, izv in zip(tacno, redovi):
            assert len(red) == kolona, (ime, smer, red)
            assert red[:4] == izv, (ime, smer, red, izv)
        for red in tacno[1:]:
            for naslov, polje in zip(tacno[0], red):
                if naslov.endswith(" voz"):
                    assert polje in ("P1..P%d" % n for n in range(1, 7)) or \
                        polje in ("P%d..P1" % n for n in range(1, 7)), polje
                else:
                    float(polje)


def main():
    with tempfile.TemporaryDirectory() as folder:
        for ime, linije in SLUCAJEVI.items():
            argumenti = []
            if linije is not None:
                putanja = os.path.join(folder, ime + ".Lastovar")
                with open(putanja, "w", newline="") as f:
                    f.write("".join(l + "\r\n" for l in linije))
                argumenti = [putanja]
            proveri(ime, argumenti)
    print("CSV: u redu")


main()
