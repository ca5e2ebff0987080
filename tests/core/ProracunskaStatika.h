// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plain statics of a train with the design actions, written apart from the
// program's formulas, for the tests of the design envelope and the
// governing values: the forces times their influence ordinates, and q and g
// integrated over their stretches piece by piece of the influence line,
// which is linear on each side of the section.

#include <algorithm>
#include <vector>

#include "ProracunskaDejstva.h"
#include "SlucajanVoz.h"

namespace statika {

enum class Velicina { M, TLevo, TDesno };

/// The ordinate at xi of the quantity at x; 0 off the span. TLevo counts a
/// force on x with the right part, TDesno with the left one.
inline double Ordinata(double L, double x, double xi, Velicina v) {
    if (xi < 0 || xi > L) return 0;
    switch (v) {
        case Velicina::M:
            return xi <= x ? xi * (L - x) / L : x * (L - xi) / L;
        case Velicina::TLevo:
            return xi < x ? -xi / L : (L - xi) / L;
        case Velicina::TDesno:
            return xi <= x ? -xi / L : (L - xi) / L;
    }
    return 0;
}

/// The integral of the ordinate over [u, w] clipped to the span, taken
/// exactly on each linear piece (left and right of x, where a shear's
/// ordinate jumps); with `znak` +1 or -1 only the pieces of that sign count
/// (neither piece changes sign within itself).
inline double Integral(double L, double x, double u, double w, Velicina v, int znak = 0) {
    const auto levi = [&](double xi) { return v == Velicina::M ? xi * (L - x) / L : -xi / L; };
    const auto desni = [&](double xi) {
        return v == Velicina::M ? x * (L - xi) / L : (L - xi) / L;
    };
    double zbir = 0;
    for (const bool desno : {false, true}) {
        const double p = std::max(u, desno ? x : 0.0), k = std::min(w, desno ? L : x);
        if (!(k > p)) continue;
        const double oblast = (k - p) * (desno ? desni(p) + desni(k) : levi(p) + levi(k)) / 2;
        if (znak == 0 || (znak > 0 ? oblast > 0 : oblast < 0)) zbir += oblast;
    }
    return zbir;
}

/// Where each force stands with the leftmost at `levi`, crossing forward
/// (P1 leftmost) or reversed (P1 rightmost).
inline std::vector<double> Sile(const VozTesta& v, double levi, bool obrnut) {
    std::vector<double> xi(static_cast<std::size_t>(v.n));
    const double D = v.s(v.n);
    for (int i = 1; i <= v.n; ++i) xi[std::size_t(i - 1)] = levi + (obrnut ? D - v.s(i) : v.s(i));
    return xi;
}

inline double Voz(const VozTesta& v, const std::vector<double>& xi, double x, Velicina vel) {
    double zbir = 0;
    for (int i = 0; i < v.n; ++i)
        zbir += v.P[std::size_t(i)] * Ordinata(v.L, x, xi[std::size_t(i)], vel);
    return zbir;
}

/// q with the train's leftmost force at `levi`, cut where it worsens the
/// quantity (upwards for M and TLevo, downwards for TDesno).
inline double NajgoreQ(const VozTesta& v, const TProracunskaDejstva& d, double levi, double x,
                       Velicina vel) {
    const int znak = vel == Velicina::TDesno ? -1 : 1;
    if (d.Raspored == TRasporedQ::BiloGde) return Integral(v.L, x, 0, v.L, vel, znak);
    const double a = levi - d.c, b = levi + v.s(v.n) + d.c;
    return Integral(v.L, x, -1e300, a, vel, znak) + Integral(v.L, x, b, 1e300, vel, znak);
}

/// The design value with the train and q as given.
inline double Proracunska(const TProracunskaDejstva& d, double voz, double q, double g) {
    const double fiQ = d.FiNaQ ? d.Fi : 1.0;
    return d.GamaG * d.g * g + d.GamaQ * (d.Fi * voz + fiQ * d.q * q);
}

struct Zahvat {
    double M, TLevo, TDesno;
};

/// The design values at x over the train's positions: its leftmost force
/// `h` apart from wholly left of the span to wholly right of it, and at
/// every position where a force, or an edge of q, reaches a support or x.
inline Zahvat Korak(const VozTesta& v, const TProracunskaDejstva& d, double x, bool obrnut,
                    double h) {
    const double D = v.s(v.n), c = d.c, L = v.L;
    std::vector<double> polozaji;
    for (double p = -D - c - 1; p <= L + c + 1; p += h) polozaji.push_back(p);
    for (const double t : {0.0, x, L}) {
        for (int i = 1; i <= v.n; ++i) polozaji.push_back(t - (obrnut ? D - v.s(i) : v.s(i)));
        polozaji.push_back(t + c);
        polozaji.push_back(t - D - c);
    }
    Zahvat z{-1e300, -1e300, 1e300};
    for (const double levi : polozaji) {
        const std::vector<double> xi = Sile(v, levi, obrnut);
        const auto vrednost = [&](Velicina vel) {
            return Proracunska(d, Voz(v, xi, x, vel), NajgoreQ(v, d, levi, x, vel),
                               Integral(L, x, 0, L, vel));
        };
        z.M = std::max(z.M, vrednost(Velicina::M));
        z.TLevo = std::max(z.TLevo, vrednost(Velicina::TLevo));
        z.TDesno = std::min(z.TDesno, vrednost(Velicina::TDesno));
    }
    return z;
}

}  // namespace statika
