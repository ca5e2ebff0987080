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
    std::optional<T> odgovor = red.front();
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
