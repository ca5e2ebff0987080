// SPDX-License-Identifier: GPL-3.0-or-later
#include "VozUPolozaju.h"

#include <algorithm>
#include <limits>

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

double TOpsegPrelaza::Tacka(double udeo) const {
    if (!(udeo > 0)) return Od;
    if (udeo >= 1) return Do;
    // Each term is at most its end, so the sum stays between the ends.
    const long double u = udeo;
    return static_cast<double>(Od * (1 - u) + Do * u);
}

double TOpsegPrelaza::Udeo(double p1) const {
    if (!(Do > Od)) return 0.0;
    // Halved, neither difference can leave the range of a double.
    const long double udeo = (p1 / 2.0L - Od / 2.0L) / (Do / 2.0L - Od / 2.0L);
    return static_cast<double>(std::clamp(udeo, 0.0L, 1.0L));
}

namespace {

double UOpsegu(long double v) {
    constexpr long double kNajvece = std::numeric_limits<double>::max();
    return static_cast<double>(std::clamp(v, -kNajvece, kNajvece));
}

}  // namespace

TOpsegPrelaza OpsegPrelaza(const TVoz& voz, bool obrnut) {
    const long double duzina = voz.Vazi() ? voz.Odmak(voz.BrojSila()) : 0.0L;
    // P1 trails the train crossing forward and leads it crossing reversed.
    if (obrnut) return {0.0, UOpsegu(voz.Raspon() + duzina)};
    return {UOpsegu(-duzina), voz.Raspon()};
}
