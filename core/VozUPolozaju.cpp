// SPDX-License-Identifier: GPL-3.0-or-later
#include "VozUPolozaju.h"

#include "UticajneLinije.h"

TVozUPolozaju::TVozUPolozaju(const TVoz& voz, bool obrnut, std::int32_t sila, Prosireno x)
    : fL(voz.Raspon()), fObrnut(obrnut) {
    if (!voz.Vazi() || sila < 1 || sila > voz.BrojSila()) return;
    fBrojSila = static_cast<std::size_t>(voz.BrojSila());
    // Crossing as Pn..P1 the offsets from P1 point to the left.
    const Prosireno smer = obrnut ? -1.0_pr : 1.0_pr;
    for (std::int32_t k = 1; k <= voz.BrojSila(); ++k) {
        TSilaUPolozaju& s = fSile[static_cast<std::size_t>(k - 1)];
        s.Sila = k;
        s.P = voz.P()[static_cast<std::size_t>(k - 1)];
        s.x = k == sila ? x : x + smer * (voz.Odmak(k) - voz.Odmak(sila));
        s.NaRasponu = s.x >= 0 && s.x <= fL;
    }
}

template <class Uticaj>
Prosireno TVozUPolozaju::Zbir(Prosireno x, Uticaj uticaj) const {
    Prosireno zbir = 0;
    for (const TSilaUPolozaju& s : Sile()) zbir += s.P * uticaj(fL, x, s.x);
    return zbir;
}

Prosireno TVozUPolozaju::A() const { return Zbir(0.0_pr, UticajTLevo); }

Prosireno TVozUPolozaju::B() const { return -Zbir(static_cast<Prosireno>(fL), UticajTDesno); }

Prosireno TVozUPolozaju::M(Prosireno x) const { return Zbir(x, UticajM); }

Prosireno TVozUPolozaju::TLevo(Prosireno x) const { return Zbir(x, UticajTLevo); }

Prosireno TVozUPolozaju::TDesno(Prosireno x) const { return Zbir(x, UticajTDesno); }

TStanjePreseka TVozUPolozaju::UPreseku(Prosireno x) const {
    return {static_cast<double>(M(x)), static_cast<double>(TLevo(x)),
            static_cast<double>(TDesno(x))};
}

TOpsegPrelaza OpsegPrelaza(const TVoz& voz, bool obrnut) {
    const Prosireno duzina = voz.Vazi() ? voz.Odmak(voz.BrojSila()) : 0.0_pr;
    // P1 trails the train crossing forward and leads it crossing reversed.
    if (obrnut) return {0.0, static_cast<double>(voz.Raspon() + duzina)};
    return {static_cast<double>(-duzina), voz.Raspon()};
}
