// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <optional>
#include <string>

#include "IzvestajLastovar.h"
#include "Komande.h"
#include "OpcijeKomande.h"
#include "RegionalniSeparator.h"
#include "UcitavanjeSlucaja.h"

int KomandaIzvestaj(int argc, char** argv, std::string_view pomoc) {
    bool crlf = false;
    std::optional<std::string> putanja;
    const OpcijaKomande opcije[] = {{"crlf", {}, [&](std::string_view) {
                                         crlf = true;
                                         return std::optional<int>();
                                     }}};
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, opcije, putanja)) return *kraj;

    const char sep = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    if (const auto greska = UcitajSlucaj("izvestaj", putanja, sep, slucaj)) return *greska;

    const IzvestajLastovar izvestaj =
        SastaviIzvestaj(slucaj.Tekstovi, std::to_string(slucaj.BrojSila), slucaj.BrojSila, sep);
    const char* kraj = crlf ? "\r\n" : "\n";
    for (const std::string& linija : izvestaj.Linije) std::cout << linija << kraj;
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "lastovar-cli izvestaj: greska pri pisanju izlaza\n";
        return kIzlazDatoteka;
    }
    return 0;
}
