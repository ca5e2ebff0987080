// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <optional>
#include <string>

#include "IzvestajTacneAnvelope.h"
#include "Komande.h"
#include "OpcijeKomande.h"
#include "RegionalniSeparator.h"
#include "UcitavanjeSlucaja.h"

int KomandaTacno(int argc, char** argv, std::string_view pomoc) {
    bool obaSmera = false;
    std::optional<std::string> putanja;
    const OpcijaKomande opcije[] = {{"oba-smera", {}, [&](std::string_view) {
                                         obaSmera = true;
                                         return std::optional<int>();
                                     }}};
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, opcije, putanja)) return *kraj;

    const char sep = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    if (const auto greska = UcitajSlucaj("tacno", putanja, sep, slucaj)) return *greska;

    const TSmerVoza smer = obaSmera ? TSmerVoza::Oba : TSmerVoza::Napred;
    for (const std::string& linija :
         IzvestajTacneAnvelope(slucaj.Tekstovi, slucaj.BrojSila, sep, smer))
        std::cout << linija << "\n";
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "lastovar-cli tacno: greska pri pisanju izlaza\n";
        return kIzlazDatoteka;
    }
    return 0;
}
