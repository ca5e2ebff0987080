#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "DatotekaLastovar.h"
#include "IzvestajLastovar.h"
#include "Komande.h"
#include "Konverzija.h"
#include "ProvereUnosa.h"
#include "RegionalniSeparator.h"

namespace {

constexpr int kIzlazDatoteka = 1;
constexpr int kIzlazPodaci = 2;

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

int KomandaIzvestaj(std::span<const std::string_view> argumenti) {
    bool crlf = false;
    bool opcije = true;
    std::optional<std::string> putanja;
    for (const std::string_view a : argumenti) {
        if (opcije && a == "--") {
            opcije = false;
        } else if (opcije && a == "--crlf") {
            crlf = true;
        } else if (opcije && a.starts_with("-")) {
            std::cerr << "lastovar-cli izvestaj: nepoznata opcija " << a << "\n";
            return kIzlazPogresnaUpotreba;
        } else if (putanja) {
            std::cerr << "lastovar-cli izvestaj: samo jedna datoteka se moze zadati\n";
            return kIzlazPogresnaUpotreba;
        } else {
            putanja = std::string(a);
        }
    }

    SadrzajDatoteke slucaj = PodrazumevaniSlucaj();
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

    const char sep = RegionalniSeparator();
    const auto prikazi = [](std::string_view poruka) { std::cerr << poruka << "\n"; };
    const auto nistaZaBrisanje = [] {};
    if (!ProveraTipa(slucaj.Tekstovi, sep, prikazi, nistaZaBrisanje)) return kIzlazPodaci;
    if (!ProveraVrednosti(slucaj.Tekstovi, slucaj.BrojSila, sep, nistaZaBrisanje)) {
        prikazi(kPorukaVrednosti);
        return kIzlazPodaci;
    }

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
