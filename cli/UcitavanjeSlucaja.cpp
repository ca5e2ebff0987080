// SPDX-License-Identifier: GPL-3.0-or-later
#include "UcitavanjeSlucaja.h"

#include <fstream>
#include <iostream>
#include <string_view>

#include "Konverzija.h"
#include "ProvereUnosa.h"

namespace {

// The input form right after start: its default texts, two forces.
SadrzajDatoteke PodrazumevaniSlucaj() {
    TekstoviUnosa t = PodrazumevaniTekstovi();
    const std::int32_t preseka = TekstUCeoBroj(t.BrojPreseka);
    return SadrzajDatoteke{std::move(t), 2, preseka};
}

std::optional<std::string> ProcitajBajtove(const std::string& putanja) {
    std::ifstream ulaz(putanja, std::ios::binary);
    if (!ulaz) return std::nullopt;
    std::string bajtovi;
    char bafer[4096];
    while (ulaz.read(bafer, sizeof bafer) || ulaz.gcount() > 0)
        bajtovi.append(bafer, static_cast<std::size_t>(ulaz.gcount()));
    // A directory opens but fails at the first read.
    if (ulaz.bad()) return std::nullopt;
    return bajtovi;
}

}  // namespace

std::optional<int> UcitajSlucaj(const std::optional<std::string>& putanja, char sep,
                                SadrzajDatoteke& slucaj) {
    slucaj = PodrazumevaniSlucaj();
    if (putanja) {
        const std::optional<std::string> bajtovi = ProcitajBajtove(*putanja);
        if (!bajtovi) {
            std::cerr << kPorukaOtvaranja << "\n";
            return kIzlazDatoteka;
        }
        try {
            slucaj = ProcitajDatoteku(*bajtovi);
        } catch (const EGreskaDatoteke& e) {
            std::cerr << e.what() << "\n";
            return kIzlazDatoteka;
        }
    }

    const auto prikazi = [](std::string_view poruka) { std::cerr << poruka << "\n"; };
    const auto nistaZaBrisanje = [] {};
    if (!ProveraTipa(slucaj.Tekstovi, sep, prikazi, nistaZaBrisanje)) return kIzlazPodaci;
    if (!ProveraVrednosti(slucaj.Tekstovi, slucaj.BrojSila, sep, nistaZaBrisanje)) {
        prikazi(kPorukaVrednosti);
        return kIzlazPodaci;
    }
    return std::nullopt;
}
