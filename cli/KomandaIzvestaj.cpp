// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>
#include <vector>

#include "Ispis.h"
#include "IzvestajLastovar.h"
#include "Komande.h"
#include "OpcijeKomande.h"
#include "OpcijeModela.h"
#include "RegionalniSeparator.h"
#include "TabeleCsv.h"
#include "UcitavanjeSlucaja.h"

int KomandaIzvestaj(int argc, char** argv, std::string_view pomoc) {
    bool crlf = false;
    bool csv = false;
    std::optional<std::string> putanja;
    TOpcijeModela model;
    std::vector<OpcijaKomande> opcije = OpcijeModela(model);
    opcije.push_back(Zastavica("crlf", crlf));
    opcije.push_back(Zastavica("csv", csv));
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, opcije, putanja)) return *kraj;

    const char sep = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    if (const auto greska = UcitajSlucaj("izvestaj", putanja, sep, slucaj, &model)) return *greska;

    return IspisiIzlaz("izvestaj", [&] {
        if (csv) return TabeleCsv(slucaj.Tekstovi, slucaj.BrojSila, sep, std::nullopt);
        const IzvestajLastovar izvestaj =
            SastaviIzvestaj(slucaj.Tekstovi, std::to_string(slucaj.BrojSila), slucaj.BrojSila, sep);
        const char* kraj = crlf ? "\r\n" : "\n";
        std::string izlaz;
        for (const std::string& linija : izvestaj.Linije) izlaz += linija + kraj;
        return izlaz;
    });
}
