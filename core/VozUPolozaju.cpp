// SPDX-License-Identifier: GPL-3.0-or-later
#include "VozUPolozaju.h"

#include "UticajneLinije.h"

TVozUPolozaju::TVozUPolozaju(const TVoz& voz, bool obrnut, std::int32_t sila, long double x)
    : fL(voz.Raspon()), fObrnut(obrnut) {
    if (!voz.Vazi() || sila < 1 || sila > voz.BrojSila()) return;
    fBrojSila = static_cast<std::size_t>(voz.BrojSila());
    // Crossing as Pn..P1 the offsets from P1 point to the left.
    const long double smer = obrnut ? -1.0L : 1.0L;
    for (std::int32_t k = 1; k <= voz.BrojSila(); ++k) {
        TSilaUPolozaju& s = fSile[static_cast<std::size_t>(k - 1)];
        s.Sila = k;
        s.P = voz.P()[static_cast<std::size_t>(k - 1)];
        s.x = k == sila ? x : x + smer * (voz.Odmak(k) - voz.Odmak(sila));
        s.NaRasponu = s.x >= 0 && s.x <= fL;
    }
}

template <class Uticaj>
long double TVozUPolozaju::Zbir(long double x, Uticaj uticaj) const {
    long double zbir = 0;
    for (const TSilaUPolozaju& s : Sile()) zbir += s.P * uticaj(fL, x, s.x);
    return zbir;
}

long double TVozUPolozaju::A() const { return Zbir(0.0L, UticajTLevo); }

long double TVozUPolozaju::B() const { return -Zbir(static_cast<long double>(fL), UticajTDesno); }

long double TVozUPolozaju::M(long double x) const { return Zbir(x, UticajM); }

long double TVozUPolozaju::TLevo(long double x) const { return Zbir(x, UticajTLevo); }

long double TVozUPolozaju::TDesno(long double x) const { return Zbir(x, UticajTDesno); }

TStanjePreseka TVozUPolozaju::UPreseku(long double x) const {
    return {static_cast<double>(M(x)), static_cast<double>(TLevo(x)),
            static_cast<double>(TDesno(x))};
}

TOpsegPrelaza OpsegPrelaza(const TVoz& voz, bool obrnut) {
    const long double duzina = voz.Vazi() ? voz.Odmak(voz.BrojSila()) : 0.0L;
    // P1 trails the train crossing forward and leads it crossing reversed.
    if (obrnut) return {0.0, static_cast<double>(voz.Raspon() + duzina)};
    return {static_cast<double>(-duzina), voz.Raspon()};
}
