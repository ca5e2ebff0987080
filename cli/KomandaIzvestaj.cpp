// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <optional>
#include <string>

#include "IzvestajLastovar.h"
#include "Komande.h"
#include "OpcijeKomande.h"
#include "RegionalniSeparator.h"
#include "TabeleCsv.h"
#include "UcitavanjeSlucaja.h"

int KomandaIzvestaj(int argc, char** argv, std::string_view pomoc) {
    bool crlf = false;
    bool csv = false;
    std::optional<std::string> putanja;
    const OpcijaKomande opcije[] = {Zastavica("crlf", crlf), Zastavica("csv", csv)};
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, opcije, putanja)) return *kraj;

    const char sep = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    if (const auto greska = UcitajSlucaj("izvestaj", putanja, sep, slucaj)) return *greska;

    if (csv) {
        std::cout << TabeleCsv(slucaj.Tekstovi, slucaj.BrojSila, sep, std::nullopt);
    } else {
        const IzvestajLastovar izvestaj =
            SastaviIzvestaj(slucaj.Tekstovi, std::to_string(slucaj.BrojSila), slucaj.BrojSila, sep);
        const char* kraj = crlf ? "\r\n" : "\n";
        for (const std::string& linija : izvestaj.Linije) std::cout << linija << kraj;
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "lastovar-cli izvestaj: greska pri pisanju izlaza\n";
        return kIzlazDatoteka;
    }
    return 0;
}
