// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkriptovaniDijalozi.h"

#include <gtest/gtest.h>

#include "GreskaStampe.h"

namespace {

template <class T>
std::optional<T> Sledeci(std::deque<std::optional<T>>& red, const char* dijalog) {
    if (red.empty()) {
        ADD_FAILURE() << "unscripted dialog: " << dijalog;
        return std::nullopt;
    }
    // The answer itself is moved, not the optional holding it: GCC 12 at -O2
    // takes a disengaged optional's copy for a read of uninitialized memory.
    if (!red.front()) {
        red.pop_front();
        return std::nullopt;
    }
    T odgovor = std::move(*red.front());
    red.pop_front();
    return odgovor;
}

}  // namespace

std::optional<QString> TSkriptovaniDijalozi::Putanja(Vrsta vrsta, const TDijalogDatoteke& d) {
    Prikazano.push_back({vrsta, d});
    return Sledeci(Putanje, "file");
}

std::optional<QString> TSkriptovaniDijalozi::Otvori(const TDijalogDatoteke& d) {
    return Putanja(Vrsta::Otvori, d);
}

std::optional<QString> TSkriptovaniDijalozi::Snimi(const TDijalogDatoteke& d) {
    return Putanja(Vrsta::Snimi, d);
}

std::optional<QString> TSkriptovaniDijalozi::SnimiSliku(const TDijalogDatoteke& d) {
    return Putanja(Vrsta::SnimiSliku, d);
}

std::optional<TFontIzbor> TSkriptovaniDijalozi::Font(const TFontIzbor&) {
    Prikazano.push_back({Vrsta::Font, {}});
    return Sledeci(Fontovi, "font");
}

std::optional<TPodesavanjeStrane> TSkriptovaniDijalozi::PodesiStranu(const TPodesavanjeStrane&) {
    Prikazano.push_back({Vrsta::PodesiStranu, {}});
    if (GreskaStrane) throw EGreskaStampe(*GreskaStrane);
    return Sledeci(Strane, "page set-up");
}

std::optional<TTekstoviDejstava> TSkriptovaniDijalozi::ProracunskeVrednosti(
    const TTekstoviDejstava& pocetni) {
    Prikazano.push_back({Vrsta::ProracunskeVrednosti, {}});
    PocetnaDejstva.push_back(pocetni);
    return Sledeci(Dejstva, "design actions");
}

std::optional<TOdlukaModela> TSkriptovaniDijalozi::ModeliOpterecenja(
    const std::vector<TStavkaKataloga>& katalog) {
    Prikazano.push_back({Vrsta::ModeliOpterecenja, {}});
    std::vector<std::string> imena;
    for (const TStavkaKataloga& s : katalog)
        imena.push_back(s.Model ? s.Model->Naziv : "!" + s.Oznaka);
    PrikazaniModeli.push_back(std::move(imena));
    return Sledeci(OdlukeModela, "load models");
}

std::optional<TUnosRaspona> TSkriptovaniDijalozi::TabelaRaspona(const std::vector<TStavkaKataloga>&,
                                                                const TUnosRaspona&) {
    Prikazano.push_back({Vrsta::TabelaRaspona, {}});
    return Sledeci(Rasponi, "span table");
}
