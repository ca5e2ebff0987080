// SPDX-License-Identifier: GPL-3.0-or-later
#include "KriticniPolozaji.h"

#include <array>

#include "Manjak.h"
#include "ProracunLastovar.h"
#include "Prosireno.h"

namespace {

TKriticnaVelicina Velicina(TKlasicniPolozaj klasicno, const TEkstrem& tacno, Prosireno skala) {
    return {klasicno, tacno, ManjakProcenat(klasicno.Vrednost, tacno.Vrednost, skala)};
}

}  // namespace

TKriticniPolozaji KriticniPolozaji(const TTacnaAnvelopa& tacna, double x, TSmerVoza smer) {
    const TVoz& voz = tacna.Voz();
    TKriticniPolozaji r;
    r.x = x;
    if (!voz.Vazi()) return r;
    const std::int32_t n = voz.BrojSila();
    const Prosireno R = voz.R();
    const TTacnaAnvelopaUPreseku e = tacna.UPreseku(x, smer);
    // P1's abscissa with force k on the section.
    const auto p1 = [&](std::int32_t k) { return static_cast<double>(x - voz.Odmak(k)); };
    const std::int32_t zona = voz.ZonaExtM(x);
    // The calculator gives maxT and minT negated; + 0.0 keeps a zero unsigned.
    const double L = voz.Raspon();
    const std::array<double, 5>& Ls = voz.Ls();
    const std::int32_t maxT = BrojSilaMaxT(n, x, L, Ls[0], Ls[1], Ls[2], Ls[3], Ls[4]);
    const std::int32_t minT = BrojSilaMinT(n, x, L, Ls[0], Ls[1], Ls[2], Ls[3], Ls[4]);
    r.ExtM = Velicina({voz.ExtM(x), p1(zona), zona, 1, n}, e.ExtM, R * L);
    r.MaxT = Velicina({-voz.MaxT(x) + 0.0, x, 1, 1, maxT}, e.MaxT, R);
    r.MinT = Velicina({-voz.MinT(x) + 0.0, p1(n), n, n + 1 - minT, n}, e.MinT, R);
    return r;
}
