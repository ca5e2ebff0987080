// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpcijeDejstava.h"

#include <iostream>

#include "Konverzija.h"
#include "UcitavanjeSlucaja.h"

std::vector<OpcijaKomande> OpcijeDejstava(TOpcijeDejstava& o) {
    const auto tekst = [](std::optional<std::string>& cilj) {
        return [&cilj](std::string_view v) {
            cilj = std::string(v);
            return std::optional<int>();
        };
    };
    return {{"q", "--q trazi podeljeno opterecenje u kN/m", tekst(o.q)},
            {"q-raspored", "--q-raspored trazi bilo-gde ili uz-voz", tekst(o.raspored)},
            {"razmak", "--razmak trazi razmak izmedju voza i q u m", tekst(o.razmak)},
            {"g", "--g trazi sopstvenu tezinu u kN/m", tekst(o.g)},
            {"fi", "--fi trazi dinamicki faktor", tekst(o.fi)},
            Zastavica("fi-q", o.fiNaQ),
            {"gama-g", "--gama-g trazi parcijalni faktor", tekst(o.gamaG)},
            {"gama-q", "--gama-q trazi parcijalni faktor", tekst(o.gamaQ)}};
}

std::optional<int> PrimeniDejstva(std::string_view komanda, const TOpcijeDejstava& o, char sep,
                                  double R, double L, TProracunskaDejstva& d) {
    const auto broj = [&](std::string_view ime, const std::optional<std::string>& tekst,
                          double& cilj) -> std::optional<int> {
        if (!tekst) return std::nullopt;
        try {
            cilj = TekstUBroj(*tekst, sep);
        } catch (const EGreskaKonverzije&) {
            return PogresnaUpotreba(komanda,
                                    "--" + std::string(ime) + " trazi broj, a ne " + *tekst);
        }
        return std::nullopt;
    };
    for (const auto& [ime, tekst, cilj] :
         {std::tuple{"q", &o.q, &d.q}, std::tuple{"razmak", &o.razmak, &d.c},
          std::tuple{"g", &o.g, &d.g}, std::tuple{"fi", &o.fi, &d.Fi},
          std::tuple{"gama-g", &o.gamaG, &d.GamaG}, std::tuple{"gama-q", &o.gamaQ, &d.GamaQ}})
        if (const auto greska = broj(ime, *tekst, *cilj)) return greska;
    if (o.raspored) {
        if (*o.raspored == "bilo-gde")
            d.Raspored = TRasporedQ::BiloGde;
        else if (*o.raspored == "uz-voz")
            d.Raspored = TRasporedQ::IspredIIzaVoza;
        else
            return PogresnaUpotreba(komanda,
                                    "--q-raspored trazi bilo-gde ili uz-voz, a ne " + *o.raspored);
    }
    if (o.fiNaQ) d.FiNaQ = true;
    if (!DejstvaVaze(d, R, L)) {
        std::cerr << kPorukaDejstava << "\n";
        return kIzlazPodaci;
    }
    return std::nullopt;
}
