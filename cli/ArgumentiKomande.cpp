// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArgumentiKomande.h"

#include <iostream>

#include "Komande.h"

std::optional<int> ProcitajArgumente(std::string_view komanda,
                                     std::span<const std::string_view> argumenti,
                                     std::string_view zastavica, bool& zastavicaData,
                                     std::optional<std::string>& putanja) {
    bool opcije = true;
    for (const std::string_view a : argumenti) {
        if (opcije && a == "--") {
            opcije = false;
        } else if (opcije && a == zastavica) {
            zastavicaData = true;
        } else if (opcije && a.starts_with("-")) {
            std::cerr << "lastovar-cli " << komanda << ": nepoznata opcija " << a << "\n";
            return kIzlazPogresnaUpotreba;
        } else if (putanja) {
            std::cerr << "lastovar-cli " << komanda << ": samo jedna datoteka se moze zadati\n";
            return kIzlazPogresnaUpotreba;
        } else {
            putanja = std::string(a);
        }
    }
    return std::nullopt;
}
