// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <optional>
#include <string>

#include "IzvestajTacneAnvelope.h"
#include "Komande.h"
#include "OpcijeKomande.h"
#include "RegionalniSeparator.h"
#include "TabeleCsv.h"
#include "UcitavanjeSlucaja.h"

int KomandaTacno(int argc, char** argv, std::string_view pomoc) {
    bool obaSmera = false;
    bool csv = false;
    std::optional<std::string> putanja;
    const OpcijaKomande opcije[] = {Zastavica("oba-smera", obaSmera), Zastavica("csv", csv)};
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, opcije, putanja)) return *kraj;

    const char sep = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    if (const auto greska = UcitajSlucaj("tacno", putanja, sep, slucaj)) return *greska;

    const TSmerVoza smer = obaSmera ? TSmerVoza::Oba : TSmerVoza::Napred;
    if (csv) {
        std::cout << TabeleCsv(slucaj.Tekstovi, slucaj.BrojSila, sep, smer);
    } else {
        for (const std::string& linija :
             IzvestajTacneAnvelope(slucaj.Tekstovi, slucaj.BrojSila, sep, smer))
            std::cout << linija << "\n";
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "lastovar-cli tacno: greska pri pisanju izlaza\n";
        return kIzlazDatoteka;
    }
    return 0;
}
