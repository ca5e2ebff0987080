// SPDX-License-Identifier: GPL-3.0-or-later
#include "UcitavanjeSlucaja.h"

#include <unistd.h>

#include <iostream>

#include "GreskaFajla.h"
#include "Konverzija.h"
#include "OgranicenoCitanje.h"
#include "ProvereUnosa.h"

namespace {

// The input form right after start: its default texts, two forces.
SadrzajDatoteke PodrazumevaniSlucaj(char sep) {
    TekstoviUnosa t = PodrazumevaniTekstovi(sep);
    const std::int32_t preseka = TekstUCeoBroj(t.BrojPreseka);
    return SadrzajDatoteke{std::move(t), 2, preseka};
}

std::string ProcitajBajtove(const std::string& putanja) {
    if (putanja == kStandardniUlaz)
        return ProcitajPocetak(STDIN_FILENO, putanja, kBrojLinijaDatoteke, kNajviseBajtovaDatoteke);
    return ProcitajPocetak(putanja, kBrojLinijaDatoteke, kNajviseBajtovaDatoteke);
}

}  // namespace

void PrijaviGreskuFajla(std::string_view komanda, std::string_view poruka, const EGreskaFajla& e) {
    std::cerr << poruka << "\n"
              << "lastovar-cli " << komanda << ": " << e.putanja() << ": " << e.razlog() << "\n";
}

std::optional<int> UcitajSlucaj(std::string_view komanda, const std::optional<std::string>& putanja,
                                char sep, SadrzajDatoteke& slucaj) {
    slucaj = PodrazumevaniSlucaj(sep);
    if (putanja) {
        try {
            slucaj = ProcitajDatoteku(ProcitajBajtove(*putanja), sep);
        } catch (const EGreskaFajla& e) {
            PrijaviGreskuFajla(komanda, kPorukaOtvaranja, e);
            return kIzlazDatoteka;
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
