// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "IzvestajLastovar.h"

// A load case as typed into the form with a point separator: the train's
// forces and spacings, the fields beyond it left at the form's "1.0".
struct SlucajOpterecenja {
    std::vector<std::string> sile;
    std::vector<std::string> razmaci;
    std::string raspon;
    std::string x;
    std::string preseka;

    TekstoviUnosa Tekstovi() const {
        TekstoviUnosa t = PodrazumevaniTekstovi('.');
        std::copy(sile.begin(), sile.end(), t.P.begin());
        std::copy(razmaci.begin(), razmaci.end(), t.Rastojanje.begin());
        t.Raspon = raspon;
        t.ProizvoljnoX = x;
        t.BrojPreseka = preseka;
        return t;
    }

    IzvestajLastovar Izvestaj() const {
        const auto F = static_cast<std::int32_t>(sile.size());
        return SastaviIzvestaj(Tekstovi(), std::to_string(F), F, '.');
    }
};

// The lines that begin with `pocetak`, in report order.
inline std::vector<std::string> LinijeSa(const std::vector<std::string>& linije,
                                         const std::string& pocetak) {
    std::vector<std::string> izbor;
    for (const std::string& l : linije)
        if (l.starts_with(pocetak)) izbor.push_back(l);
    return izbor;
}
