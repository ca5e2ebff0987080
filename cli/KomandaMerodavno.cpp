// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>
#include <vector>

#include "Ispis.h"
#include "IzvestajMerodavnih.h"
#include "Komande.h"
#include "OpcijeDejstava.h"
#include "OpcijeModela.h"
#include "RegionalniSeparator.h"
#include "TabeleCsv.h"
#include "UcitavanjeSlucaja.h"

namespace {

constexpr std::string_view kKomanda = "merodavno";

}  // namespace

int KomandaMerodavno(int argc, char** argv, std::string_view pomoc) {
    TOpcijeDejstava opcijeDejstava;
    bool obaSmera = false;
    bool csv = false;
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
    // The design envelope takes a train longer than the span.
    if (const auto greska = UcitajSlucaj(kKomanda, putanja, sep, slucaj, dejstva, true, &model))
        return *greska;
    const TPodaci podaci = ZapisIzTekstova(slucaj.Tekstovi, sep);
    const TVoz voz(podaci, slucaj.BrojSila);
    if (const auto greska =
            PrimeniDejstva(kKomanda, opcijeDejstava, sep, voz.R(), voz.Raspon(), dejstva))
        return *greska;

    const TSmerVoza smer = obaSmera ? TSmerVoza::Oba : TSmerVoza::Napred;
    const TProracunskiProracun p =
        TProracunskiProracun::Izracunaj(podaci, slucaj.BrojSila, dejstva, smer);
    return IspisiIzlaz(kKomanda, [&] {
        if (csv) return ProracunskaAnvelopaCsv(p);
        std::string izlaz;
        for (const std::string& linija : LinijeMerodavnih(p.Merodavno, slucaj.BrojSila, sep))
            izlaz += linija + "\n";
        return izlaz;
    });
}
