// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <optional>
#include <string>

#include "ArgumentiKomande.h"
#include "IzvestajTacneAnvelope.h"
#include "Komande.h"
#include "RegionalniSeparator.h"
#include "UcitavanjeSlucaja.h"

int KomandaTacno(std::span<const std::string_view> argumenti) {
    bool obaSmera = false;
    std::optional<std::string> putanja;
    if (const auto greska = ProcitajArgumente("tacno", argumenti, "--oba-smera", obaSmera, putanja))
        return *greska;

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
