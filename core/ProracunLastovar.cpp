// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProracunLastovar.h"

#include <array>
#include <cmath>

#include "Prosireno.h"

namespace {

struct Voz {
    std::array<double, 6> P;
    std::array<double, 5> L;
};

// Forces beyond the train and spacings beyond its last force count as 0.0.
Voz VozOdN(std::int32_t n, double P1, double P2, double P3, double P4, double P5, double P6,
           double L1, double L2, double L3, double L4, double L5) {
    Voz v{{P1, P2, P3, P4, P5, P6}, {L1, L2, L3, L4, L5}};
    for (std::int32_t i = n; i < 6; ++i) v.P[i] = 0.0;
    for (std::int32_t i = n - 1; i < 5; ++i) v.L[i] = 0.0;
    return v;
}

bool BrojSilaVazi(std::int32_t n) { return n >= 1 && n <= 6; }

// Zone k spans (S_(k-1), S_k]; the first includes 0 and the last ends at L.
// 0: no zone holds X.
std::int32_t Zona(std::int32_t n, Prosireno X, double L, const std::array<double, 6>& P, double R) {
    if (n == 1) return 1;
    std::int32_t zona = 0;
    Prosireno S = static_cast<double>(static_cast<Prosireno>(L) * P[0] / R);
    if (0 <= X && X <= S) zona = 1;
    for (std::int32_t k = 2; k <= n - 1 && zona == 0; ++k) {
        const Prosireno prethodna = S;
        S += static_cast<double>(static_cast<Prosireno>(L) * P[k - 1] / R);
        if (prethodna < X && X <= S) zona = k;
    }
    if (zona == 0 && S < X && X <= L) zona = n;
    return zona;
}

}  // namespace

void TProracun::Rezultanta(double& R, double& xR, double P1, double P2, double P3, double P4,
                           double P5, double P6, double L1, double L2, double L3, double L4,
                           double L5) {
    const Prosireno p[] = {P1, P2, P3, P4, P5, P6};
    R = static_cast<double>(p[0] + p[1] + p[2] + p[3] + p[4] + p[5]);
    const Prosireno l1 = L1, l2 = L2, l3 = L3, l4 = L4, l5 = L5;
    const Prosireno moment = p[1] * l1 + p[2] * (l1 + l2) + p[3] * (l1 + l2 + l3) +
                             p[4] * (l1 + l2 + l3 + l4) + p[5] * (l1 + l2 + l3 + l4 + l5);
    xR = static_cast<double>(moment / R);
}

double TProracun::RastojanjeA(double xR, double L1, double L2, double L3, double L4, double L5) {
    return static_cast<double>(static_cast<Prosireno>(xR) - L1 - L2 - L3 - L4 - L5);
}

double TProracun::Mlevo(double P1, double P2, double P3, double P4, double P5, double, double L1,
                        double L2, double L3, double L4, double L5) {
    const Prosireno l1 = L1, l2 = L2, l3 = L3, l4 = L4, l5 = L5;
    return static_cast<double>(P1 * (l1 + l2 + l3 + l4 + l5) + P2 * (l2 + l3 + l4 + l5) +
                               P3 * (l3 + l4 + l5) + P4 * (l4 + l5) + P5 * l5);
}

double TProracun::ZonaVazenja(std::int32_t k, double L, double P1, double P2, double P3, double P4,
                              double P5, double P6, double L1, double L2, double L3, double L4,
                              double L5) {
    double R, xR;
    Rezultanta(R, xR, P1, P2, P3, P4, P5, P6, L1, L2, L3, L4, L5);
    if (k < 1 || k > 6) return 0.0;
    const double p[] = {P1, P2, P3, P4, P5, P6};
    return static_cast<double>(static_cast<Prosireno>(L) * p[k - 1] / R);
}

double TProracun::Teme(double L, double P1, double P2, double P3, double P4, double P5, double P6,
                       double L1, double L2, double L3, double L4, double L5) {
    double R, xR;
    Rezultanta(R, xR, P1, P2, P3, P4, P5, P6, L1, L2, L3, L4, L5);
    const Prosireno a = static_cast<Prosireno>(xR) - L1 - L2 - L3 - L4 - L5;
    return static_cast<double>((L - a) / 2.0_pr);
}

double TProracun::MaxM(double L, double P1, double P2, double P3, double P4, double P5, double P6,
                       double L1, double L2, double L3, double L4, double L5) {
    double R, xR;
    Rezultanta(R, xR, P1, P2, P3, P4, P5, P6, L1, L2, L3, L4, L5);
    const Prosireno xo = Teme(L, P1, P2, P3, P4, P5, P6, L1, L2, L3, L4, L5);
    const Prosireno mlevo = Mlevo(P1, P2, P3, P4, P5, P6, L1, L2, L3, L4, L5);
    return static_cast<double>(xo * xo * (static_cast<Prosireno>(R) / L) - mlevo);
}

void TProracun::Nule(double& X1, double& X2, double L, double P1, double P2, double P3, double P4,
                     double P5, double P6, double L1, double L2, double L3, double L4, double L5) {
    double R, xR;
    Rezultanta(R, xR, P1, P2, P3, P4, P5, P6, L1, L2, L3, L4, L5);
    const Prosireno mlevo = Mlevo(P1, P2, P3, P4, P5, P6, L1, L2, L3, L4, L5);
    const Prosireno xo = Teme(L, P1, P2, P3, P4, P5, P6, L1, L2, L3, L4, L5);
    // For a train on the span the discriminant is ((L + a)/2)^2; a negative
    // value can only be a rounding residue of it.
    Prosireno d = xo * xo - L * mlevo / R;
    if (d < 0) d = 0;
    const Prosireno koren = std::sqrt(d);
    X1 = static_cast<double>(xo - koren);
    X2 = static_cast<double>(xo + koren);
}

double TProracun::ExtM(std::int32_t n, double x, double L, double P1, double P2, double P3,
                       double P4, double P5, double P6, double L1, double L2, double L3, double L4,
                       double L5) {
    if (!BrojSilaVazi(n)) return 0.0;
    const Voz v = VozOdN(n, P1, P2, P3, P4, P5, P6, L1, L2, L3, L4, L5);
    double R, xR;
    Rezultanta(R, xR, v.P[0], v.P[1], v.P[2], v.P[3], v.P[4], v.P[5], v.L[0], v.L[1], v.L[2],
               v.L[3], v.L[4]);
    const Prosireno RkrozL = static_cast<Prosireno>(R) / L;
    const Prosireno X = x;
    if (n == 1)
        return static_cast<double>(RkrozL * (L - static_cast<Prosireno>(xR)) * X -
                                   RkrozL * (X * X));

    const std::int32_t zona = Zona(n, X, L, v.P, R);
    if (zona == 0) return 0.0;

    std::array<double, 5> razmaci{};
    std::array<double, 6> sile{};
    for (std::int32_t i = 0; i < zona - 1; ++i) razmaci[i] = v.L[i];
    for (std::int32_t i = 0; i < zona; ++i) sile[i] = v.P[i];
    const Prosireno a = RastojanjeA(xR, razmaci[0], razmaci[1], razmaci[2], razmaci[3], razmaci[4]);
    const Prosireno mlevo = Mlevo(sile[0], sile[1], sile[2], sile[3], sile[4], sile[5], razmaci[0],
                                  razmaci[1], razmaci[2], razmaci[3], razmaci[4]);
    return static_cast<double>(RkrozL * (L - a) * X - RkrozL * (X * X) - mlevo);
}

double TProracun::MaxT(std::int32_t n, double x, double L, double P1, double P2, double P3,
                       double P4, double P5, double P6, double L1, double L2, double L3, double L4,
                       double L5) {
    const std::int32_t j = BrojSilaMaxT(n, x, L, L1, L2, L3, L4, L5);
    if (j == 0) return 0.0;
    const Voz v = VozOdN(n, P1, P2, P3, P4, P5, P6, L1, L2, L3, L4, L5);
    const Prosireno X = x;

    // V_j: P1 on the section and P2..Pj on the span; -A of those forces.
    Prosireno suma = 0, s = 0, odbitak = 0;
    for (std::int32_t i = 1; i <= j; ++i) suma += v.P[i - 1];
    for (std::int32_t i = 2; i <= j; ++i) {
        s += v.L[i - 2];
        odbitak += (1.0_pr - s / L) * v.P[i - 1];
    }
    return static_cast<double>(suma / L * X - v.P[0] - odbitak);
}

double TProracun::MinT(std::int32_t n, double x, double L, double P1, double P2, double P3,
                       double P4, double P5, double P6, double L1, double L2, double L3, double L4,
                       double L5) {
    const std::int32_t j = BrojSilaMinT(n, x, L, L1, L2, L3, L4, L5);
    if (j == 0) return 0.0;
    const Voz v = VozOdN(n, P1, P2, P3, P4, P5, P6, L1, L2, L3, L4, L5);
    const Prosireno X = x;
    // Counted back from the last force: sila(m) = P(n-m+1), razmak(m) = L(n-m).
    const auto sila = [&](std::int32_t m) { return v.P[n - m]; };
    const auto razmak = [&](std::int32_t m) { return v.L[n - m - 1]; };

    // W_j: Pn on the section and P(n-1)..P(n-j+1) on the span; B of those forces.
    Prosireno Q = 0, suma = 0, ostatak = X;
    for (std::int32_t m = 1; m <= j - 1; ++m) {
        Q += sila(m);
        suma += Q / L * razmak(m);
        ostatak -= razmak(m);
    }
    Q += sila(j);
    return static_cast<double>(suma + Q / L * ostatak);
}

std::int32_t BrojSilaMaxT(std::int32_t n, double x, double L, double L1, double L2, double L3,
                          double L4, double L5) {
    if (!BrojSilaVazi(n)) return 0;
    const Voz v = VozOdN(n, 0, 0, 0, 0, 0, 0, L1, L2, L3, L4, L5);
    const Prosireno X = x;
    // granica[j] = L - s_j, subtracted spacing by spacing.
    std::array<Prosireno, 7> granica{};
    granica[1] = L;
    for (std::int32_t j = 2; j <= n; ++j) granica[j] = granica[j - 1] - v.L[j - 2];

    if (n == 1) return (0 <= X && X <= L) ? 1 : 0;
    if (n == 2) {
        if (0 <= X && X <= granica[2]) return 2;
        if (granica[2] < X && X <= L) return 1;
        return 0;
    }
    if (granica[2] <= X && X <= L) return 1;
    for (std::int32_t j = 2; j <= n - 1; ++j)
        if (granica[j + 1] <= X && X < granica[j]) return j;
    if (0 <= X && X < granica[n]) return n;
    return 0;
}

std::int32_t BrojSilaMinT(std::int32_t n, double x, double L, double L1, double L2, double L3,
                          double L4, double L5) {
    if (!BrojSilaVazi(n)) return 0;
    const Voz v = VozOdN(n, 0, 0, 0, 0, 0, 0, L1, L2, L3, L4, L5);
    const Prosireno X = x;
    const auto razmak = [&](std::int32_t m) { return v.L[n - m - 1]; };
    // t[m] = L(n-1) + ... + L(n-m), summed in that order.
    std::array<Prosireno, 6> t{};
    for (std::int32_t m = 1; m <= n - 1; ++m) t[m] = t[m - 1] + razmak(m);

    if (n == 1) return (0 <= X && X <= L) ? 1 : 0;
    if (0 <= X && X <= t[1]) return 1;
    for (std::int32_t j = 2; j <= n - 1; ++j)
        if (t[j - 1] < X && X <= t[j]) return j;
    if (t[n - 1] < X && X <= L) return n;
    return 0;
}

std::int32_t ZonaExtM(std::int32_t n, double x, double L, double P1, double P2, double P3,
                      double P4, double P5, double P6) {
    if (!BrojSilaVazi(n)) return 0;
    const Voz v = VozOdN(n, P1, P2, P3, P4, P5, P6, 0, 0, 0, 0, 0);
    double R, xR;
    TProracun::Rezultanta(R, xR, v.P[0], v.P[1], v.P[2], v.P[3], v.P[4], v.P[5], 0, 0, 0, 0, 0);
    return Zona(n, x, L, v.P, R);
}
