// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>
#include <vector>

#include "Ispis.h"
#include "IzvestajTacneAnvelope.h"
#include "Komande.h"
#include "OpcijeDejstava.h"
#include "OpcijeKomande.h"
#include "OpcijeModela.h"
#include "RegionalniSeparator.h"
#include "TabeleCsv.h"
#include "UcitavanjeSlucaja.h"

int KomandaTacno(int argc, char** argv, std::string_view pomoc) {
    bool obaSmera = false;
    bool csv = false;
    TOpcijeDejstava opcijeDejstava;
    std::optional<std::string> putanja;
    std::vector<OpcijaKomande> opcije = OpcijeDejstava(opcijeDejstava);
    TOpcijeModela model;
    for (OpcijaKomande& m : OpcijeModela(model)) opcije.push_back(std::move(m));
    opcije.push_back(Zastavica("oba-smera", obaSmera));
    opcije.push_back(Zastavica("csv", csv));
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, opcije, putanja)) return *kraj;

    const char sep = RegionalniSeparator();
    SadrzajDatoteke slucaj;
    TProracunskaDejstva dejstva;
    if (const auto greska = UcitajSlucaj("tacno", putanja, sep, slucaj, dejstva, false, &model))
        return *greska;
    const TVoz voz(ZapisIzTekstova(slucaj.Tekstovi, sep), slucaj.BrojSila);
    if (const auto greska =
            PrimeniDejstva("tacno", opcijeDejstava, sep, voz.R(), voz.Raspon(), dejstva))
        return *greska;

    const TSmerVoza smer = obaSmera ? TSmerVoza::Oba : TSmerVoza::Napred;
    return IspisiIzlaz("tacno", [&] {
        if (csv) return TabeleCsv(slucaj.Tekstovi, slucaj.BrojSila, sep, smer, dejstva);
        std::string izlaz;
        for (const std::string& linija :
             IzvestajTacneAnvelope(slucaj.Tekstovi, slucaj.BrojSila, sep, smer, dejstva))
            izlaz += linija + "\n";
        return izlaz;
    });
}
