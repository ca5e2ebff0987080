// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZoneVoza.h"

#include "ProracunLastovar.h"

TZoneVoza::TZoneVoza(const TVozNaGredi& v) {
    using Prosireno = long double;
    const auto& P = v.P;
    const auto& Ls = v.Ls;
    TProracun::Rezultanta(R, xR, P[0], P[1], P[2], P[3], P[4], P[5], Ls[0], Ls[1], Ls[2], Ls[3],
                          Ls[4]);
    const Prosireno LkrozR = static_cast<Prosireno>(v.L) / R;
    const Prosireno RkrozL = static_cast<Prosireno>(R) / v.L;
    for (std::int32_t k = 1; k <= v.n; ++k) {
        const std::int32_t i = k - 1;
        lambda[i] = static_cast<double>(P[i] * LkrozR);
        Prosireno ak = xR;
        for (std::int32_t j = 0; j < i; ++j) ak -= Ls[j];
        a[i] = static_cast<double>(ak);
        Prosireno mlevo = 0;
        for (std::int32_t j = 0; j < i; ++j) {
            Prosireno krak = 0;
            for (std::int32_t m = j; m < i; ++m) krak += Ls[m];
            mlevo += P[j] * krak;
        }
        Mlevo[i] = static_cast<double>(mlevo);
        teme[i] = static_cast<double>((v.L - static_cast<Prosireno>(a[i])) * 0.5L);
        const Prosireno xo = teme[i];
        maxM[i] = static_cast<double>((xo * xo) * RkrozL - Mlevo[i]);
        if (maxM[i] >= maxM[g - 1]) g = k;
    }
}
