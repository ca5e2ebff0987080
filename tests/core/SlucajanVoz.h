// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Seeded random trains for the tests that check the exact envelope and the
// absolute maximum against statics and sweeps written in the tests.

#include <algorithm>
#include <array>
#include <random>

#include "Voz.h"

/// A train of n forces on a span L; forces and spacings beyond it are 0.
struct VozTesta {
    int n;
    double L;
    std::array<double, 6> P{};
    std::array<double, 5> Ls{};

    TPodaci Zapis() const {
        return TPodaci(P[0], P[1], P[2], P[3], P[4], P[5], 0.0, Ls[0], Ls[1], Ls[2], Ls[3], Ls[4],
                       L);
    }
    TVoz Model() const { return TVoz(n, P, Ls, L); }
    double R() const {
        double r = 0;
        for (int i = 0; i < n; ++i) r += P[i];
        return r;
    }
    /// The distance of force i (1-based) from P1.
    double s(int i) const {
        double v = 0;
        for (int k = 1; k < i; ++k) v += Ls[k - 1];
        return v;
    }
};

/// Forces of 0.5 to 300 kN, spacings of 0.2 to 6 m. Every fifth train
/// (by `redni`) is exactly as long as its span; the others are a share of
/// it drawn from [najmanjiUdeo, 1], so that short spans put few forces on
/// the beam at once and long ones all of them.
inline VozTesta SlucajanVoz(std::mt19937_64& gen, int n, int redni, double najmanjiUdeo) {
    std::uniform_real_distribution<double> sila(0.5, 300.0), razmak(0.2, 6.0),
        udeo(najmanjiUdeo, 1.0);
    VozTesta v{n, 0.0};
    double duzina = 0;
    for (int i = 0; i < n; ++i) v.P[i] = sila(gen);
    for (int i = 0; i < n - 1; ++i) duzina += (v.Ls[i] = razmak(gen));
    v.L = redni % 5 == 0 && n > 1 ? duzina : std::max(duzina / udeo(gen), 0.5);
    return v;
}
