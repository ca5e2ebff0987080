// SPDX-License-Identifier: GPL-3.0-or-later
#include "VozNaGredi.h"

#include "ProracunLastovar.h"

TVozNaGredi::TVozNaGredi(const TPodaci& z, std::int32_t brojSila) : n(brojSila), L(z.Raspon()) {
    const std::array<double, 6> sile{z.P1(), z.P2(), z.P3(), z.P4(), z.P5(), z.P6()};
    const std::array<double, 5> razmaci{z.Rastojanje1(), z.Rastojanje2(), z.Rastojanje3(),
                                        z.Rastojanje4(), z.Rastojanje5()};
    for (std::int32_t i = 0; i < n && i < 6; ++i) P[i] = sile[i];
    for (std::int32_t i = 0; i < n - 1 && i < 5; ++i) Ls[i] = razmaci[i];
}

double TVozNaGredi::ExtM(double x) const {
    return TProracun::ExtM(n, x, L, P[0], P[1], P[2], P[3], P[4], P[5], Ls[0], Ls[1], Ls[2], Ls[3],
                           Ls[4]);
}

double TVozNaGredi::MaxT(double x) const {
    return TProracun::MaxT(n, x, L, P[0], P[1], P[2], P[3], P[4], P[5], Ls[0], Ls[1], Ls[2], Ls[3],
                           Ls[4]);
}

double TVozNaGredi::MinT(double x) const {
    return TProracun::MinT(n, x, L, P[0], P[1], P[2], P[3], P[4], P[5], Ls[0], Ls[1], Ls[2], Ls[3],
                           Ls[4]);
}
