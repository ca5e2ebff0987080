// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>

#include "Ispis.h"
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
    return IspisiIzlaz("tacno", [&] {
        if (csv) return TabeleCsv(slucaj.Tekstovi, slucaj.BrojSila, sep, smer);
        std::string izlaz;
        for (const std::string& linija :
             IzvestajTacneAnvelope(slucaj.Tekstovi, slucaj.BrojSila, sep, smer))
            izlaz += linija + "\n";
        return izlaz;
    });
}
