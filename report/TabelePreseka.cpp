// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabelePreseka.h"

#include "FormatBroja.h"
#include "Linija.h"
#include "Prosireno.h"

void TabelePreseka(const TProracunIzvestaja& p, char sep, std::vector<std::string>& linije) {
    const auto B = [sep](Prosireno v) { return FormatBroja(v, sep); };

    linije.emplace_back("Vrednosti extM u zadatom broju preseka:");
    for (const TRedPreseka& red : p.Preseci)
        for (const TMomentUPreseku& m : red.ExtM)
            linije.push_back(
                Linija({"M", std::to_string(m.Zona), "(", B(red.x), ") = ", B(m.M), " [kNm]"}));

    linije.emplace_back();
    linije.emplace_back("Vrednosti extT u zadatom broju preseka:");
    for (const TRedPreseka& red : p.Preseci)
        linije.push_back(Linija({"maxT(", B(red.x), ") = ", B(red.MaxT), " [kN]"}));
    linije.emplace_back();
    for (const TRedPreseka& red : p.Preseci)
        linije.push_back(Linija({"minT(", B(red.x), ") = ", B(red.MinT), " [kN]"}));
}
