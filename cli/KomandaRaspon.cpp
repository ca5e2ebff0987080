// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Ispis.h"
#include "IzvestajRaspona.h"
#include "Komande.h"
#include "Konverzija.h"
#include "OpcijeDejstava.h"
#include "OpcijeModela.h"
#include "RegionalniSeparator.h"
#include "UcitavanjeSlucaja.h"

namespace {

constexpr std::string_view kKomanda = "raspon";

}  // namespace

int KomandaRaspon(int argc, char** argv, std::string_view pomoc) {
    std::optional<std::string> ime, od, doKraja, korak, nista;
    bool obaSmera = false, csv = false;
    TOpcijeDejstava opcijeDejstava;
    const auto tekst = [](std::optional<std::string>& cilj) {
        return [&cilj](std::string_view v) {
            cilj = std::string(v);
            return std::optional<int>();
        };
    };
    // The traffic actions are the model's; the beam's g and gamma_G are
    // the caller's.
    std::vector<OpcijaKomande> opcije;
    for (OpcijaKomande& d : OpcijeDejstava(opcijeDejstava))
        if (d.ime == "g" || d.ime == "gama-g") opcije.push_back(std::move(d));
    opcije.push_back(
        {"model", "--model trazi ime modela (lastovar-cli modeli daje spisak)", tekst(ime)});
    opcije.push_back({"od", "--od trazi pocetni raspon u m", tekst(od)});
    opcije.push_back({"do", "--do trazi krajnji raspon u m", tekst(doKraja)});
    opcije.push_back({"korak", "--korak trazi korak raspona u m", tekst(korak)});
    opcije.push_back(Zastavica("oba-smera", obaSmera));
    opcije.push_back(Zastavica("csv", csv));
    if (const auto kraj = ProcitajOpcije(argc, argv, pomoc, opcije, nista)) return *kraj;
    if (nista) return PogresnaUpotreba(kKomanda, "komanda ne uzima datoteku");
    for (const auto& [opcija, vrednost] :
         {std::pair{"--model", &ime}, std::pair{"--od", &od}, std::pair{"--do", &doKraja},
          std::pair{"--korak", &korak}})
        if (!*vrednost) return PogresnaUpotreba(kKomanda, std::string(opcija) + " je obavezno");

    const char sep = RegionalniSeparator();
    TOpsegRaspona opseg;
    for (const auto& [opcija, vrednost, cilj] :
         {std::tuple{"--od", &od, &opseg.Od}, std::tuple{"--do", &doKraja, &opseg.Do},
          std::tuple{"--korak", &korak, &opseg.Korak}}) {
        try {
            *cilj = TekstUBroj(**vrednost, sep);
        } catch (const EGreskaKonverzije&) {
            return PogresnaUpotreba(kKomanda,
                                    std::string(opcija) + " trazi broj, a ne " + **vrednost);
        }
    }
    TModelOpterecenja model;
    if (const auto greska = NadjiModelKomande(kKomanda, *ime, KatalogPrograma(), model))
        return *greska;

    TProracunskaDejstva osnova;
    if (const auto greska = PrimeniDejstva(kKomanda, opcijeDejstava, sep, 0.0, 0.0, osnova))
        return *greska;
    const std::string zasto = GreskaOpsega(model, opseg, osnova);
    if (zasto == kPorukaDejstava) {
        std::cerr << kPorukaDejstava << "\n";
        return kIzlazPodaci;
    }
    if (!zasto.empty()) return PogresnaUpotreba(kKomanda, zasto);
    std::vector<TRedRaspona> tabela =
        TabelaRaspona(model, opseg, osnova, obaSmera ? TSmerVoza::Oba : TSmerVoza::Napred);
    return IspisiIzlaz(kKomanda, [&] {
        if (csv) return TabelaRasponaCsv(tabela);
        std::string izlaz = Vidljivo(model.Naziv) + "\n";
        for (const std::string& linija : LinijeRaspona(tabela, sep)) izlaz += linija + "\n";
        return izlaz;
    });
}
