// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpcijeModela.h"

#include <iostream>
#include <system_error>

#include "FormatBroja.h"
#include "Ispis.h"
#include "Konverzija.h"
#include "UcitavanjeSlucaja.h"

std::vector<OpcijaKomande> OpcijeModela(TOpcijeModela& o, bool saX) {
    const auto tekst = [](std::optional<std::string>& cilj) {
        return [&cilj](std::string_view v) {
            cilj = std::string(v);
            return std::optional<int>();
        };
    };
    std::vector<OpcijaKomande> opcije{
        {"model", "--model trazi ime modela (lastovar-cli modeli daje spisak)", tekst(o.model)},
        {"raspon", "--raspon trazi raspon u m", tekst(o.raspon)},
        {"preseci", "--preseci trazi broj preseka od 1 do 99", tekst(o.preseci)}};
    if (saX) opcije.push_back({"x", "--x trazi apscisu preseka u m", tekst(o.x)});
    return opcije;
}

std::vector<TStavkaKataloga> KatalogPrograma() {
    std::error_code greska;
    const std::filesystem::path izvrsni = std::filesystem::read_symlink("/proc/self/exe", greska);
    return Katalog(greska ? std::filesystem::path() : FolderUgradjenih(izvrsni.parent_path()),
                   FolderKorisnika());
}

std::optional<int> NadjiModelKomande(std::string_view komanda, std::string_view ime,
                                     const std::vector<TStavkaKataloga>& katalog,
                                     TModelOpterecenja& model) {
    if (const TStavkaKataloga* s = NadjiModel(katalog, ime)) {
        model = *s->Model;
        return std::nullopt;
    }
    for (const TStavkaKataloga& s : katalog)
        if (s.Oznaka == ime) {
            std::cerr << "lastovar-cli " << komanda << ": model " << Vidljivo(ime)
                      << " je ostecen: " << Vidljivo(s.Greska) << " ("
                      << Vidljivo(s.Putanja.string()) << ")\n";
            return kIzlazDatoteka;
        }
    return PogresnaUpotreba(
        komanda, "nepoznat model " + std::string(ime) + " (lastovar-cli modeli daje spisak)");
}

std::optional<int> PrimeniModel(std::string_view komanda, const TOpcijeModela& o, char sep,
                                SadrzajDatoteke& slucaj, TProracunskaDejstva& dejstva) {
    TekstoviUnosa& t = slucaj.Tekstovi;
    for (const auto& [ime, vrednost, cilj] :
         {std::tuple{"raspon", &o.raspon, &t.Raspon}, std::tuple{"x", &o.x, &t.ProizvoljnoX}}) {
        if (!*vrednost) continue;
        try {
            TekstUBroj(**vrednost, sep);
        } catch (const EGreskaKonverzije&) {
            return PogresnaUpotreba(komanda,
                                    "--" + std::string(ime) + " trazi broj, a ne " + **vrednost);
        }
        *cilj = **vrednost;
    }
    if (o.preseci) {
        std::int32_t n = 0;
        try {
            n = TekstUCeoBroj(*o.preseci);
        } catch (const EGreskaKonverzije&) {
        }
        if (n < 1 || n > 99)
            return PogresnaUpotreba(komanda,
                                    "--preseci trazi ceo broj od 1 do 99, a ne " + *o.preseci);
        slucaj.BrojPreseka = n;
        t.BrojPreseka = std::to_string(n);
    }
    if (!o.model) return std::nullopt;

    TModelOpterecenja m;
    if (const auto greska = NadjiModelKomande(komanda, *o.model, KatalogPrograma(), m))
        return greska;
    slucaj.BrojSila = m.BrojSila;
    for (std::int32_t i = 0; i < m.BrojSila; ++i) {
        const auto k = static_cast<std::size_t>(i);
        t.P[k] = FormatBroja(m.P[k], sep);
        if (i + 1 < m.BrojSila) t.Rastojanje[k] = FormatBroja(m.Ls[k], sep);
    }
    // A span that is no number leaves the factor at 1; the checks refuse it.
    double L = 0.0;
    try {
        L = TekstUBroj(t.Raspon, sep);
    } catch (const EGreskaKonverzije&) {
    }
    dejstva = m.Dejstva(L, dejstva);
    return std::nullopt;
}
