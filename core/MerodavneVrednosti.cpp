// SPDX-License-Identifier: GPL-3.0-or-later
#include "MerodavneVrednosti.h"

TMerodavneVrednosti MerodavneVrednosti(const TVoz& voz, const TProracunskaDejstva& dejstva,
                                       TSmerVoza smer) {
    TMerodavneVrednosti m;
    if (!voz.Vazi() || !(voz.Raspon() > 0)) return m;
    const double L = voz.Raspon();
    const TApsolutniMaksimum a = ApsolutniMaksimum(voz, smer, dejstva);
    m.Mmax = {a.M, a.x, a.Polozaj};
    const TProracunskaAnvelopa anvelopa(voz, dejstva);
    const TProracunskiEkstrem levo = anvelopa.UPreseku(0.0, smer).MaxT;
    const TProracunskiEkstrem desno = anvelopa.UPreseku(L, smer).MinT;
    m.Amax = {levo.Vrednost, 0.0, levo.Polozaj};
    // + 0.0 keeps a zero unsigned.
    m.Bmax = {-desno.Vrednost + 0.0, L, desno.Polozaj};
    m.Tmax = m.Amax;
    m.Tmin = {desno.Vrednost, L, desno.Polozaj};
    return m;
}

TMerodavno Merodavno(const TVoz& voz, const TProracunskaDejstva& dejstva, TSmerVoza smer) {
    return {MerodavneVrednosti(voz, dejstva.Karakteristicna(), smer),
            MerodavneVrednosti(voz, dejstva, smer)};
}
