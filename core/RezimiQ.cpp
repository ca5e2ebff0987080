// SPDX-License-Identifier: GPL-3.0-or-later
#include "RezimiQ.h"

#include <algorithm>
#include <limits>

#include "Prosireno.h"

TRezimiQ RezimiQ(const TVoz& v, const TKoeficijentiDejstava& k) {
    TRezimiQ r;
    if (!k.IspredIIza || !v.Vazi()) return r;
    const std::int32_t n = v.BrojSila();
    const Prosireno L = v.Raspon(), c = k.c, T = k.T, Q = k.Q;
    const Prosireno D = v.Odmak(n);
    const Prosireno beskonacno = std::numeric_limits<Prosireno>::infinity();
    const auto s = [&v](std::int32_t i) { return v.Odmak(i); };
    const auto P = [&v](std::int32_t i) -> Prosireno {
        return v.P()[static_cast<std::size_t>(i - 1)];
    };
    const auto dodaj = [&L](TRezimQ& rezim, Prosireno ivica, Prosireno zagrada, Prosireno levi) {
        rezim = {ivica, zagrada, levi, static_cast<double>(ivica),
                 static_cast<double>(zagrada / L)};
    };

    // Forces 1..j on the span, the train right of x: a from the force j+1
    // reaching L (or q's far edge b reaching L) to the force j reaching it.
    Prosireno S = 0, M = 0;
    for (std::int32_t j = 1; j <= n; ++j) {
        S += P(j);
        M += P(j) * s(j);
        const Prosireno od = std::max(L - D - 2 * c, j < n ? L - c - s(j + 1) : -beskonacno);
        const Prosireno doKraja = L - c - s(j);
        if (!(od <= doKraja)) continue;
        const Prosireno a = std::clamp(L - T * S / Q, od, doKraja);
        const Prosireno zagrada = T * (S * (L - a - c) - M) - Q * (L - a) * (L - a) / 2;
        dodaj(r.Desni[static_cast<std::size_t>(r.BrojDesnih++)], a, zagrada, a + c);
    }
    // Forces j..n on the span, the train left of x: b from the force j at 0
    // to the force j-1 reaching 0 (or q's near edge a reaching 0).
    S = 0;
    M = 0;
    for (std::int32_t j = n; j >= 1; --j) {
        S += P(j);
        M += P(j) * s(j);
        const Prosireno od = D + c - s(j);
        const Prosireno doKraja = std::min(D + 2 * c, j > 1 ? D + c - s(j - 1) : beskonacno);
        if (!(od <= doKraja)) continue;
        const Prosireno b = std::clamp(T * S / Q, od, doKraja);
        const Prosireno levi = b - D - c;
        const Prosireno zagrada = T * (S * levi + M) - Q * b * b / 2;
        dodaj(r.Levi[static_cast<std::size_t>(r.BrojLevih++)], b, zagrada, levi);
    }
    return r;
}
