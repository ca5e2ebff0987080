// SPDX-License-Identifier: GPL-3.0-or-later
#include "Voz.h"

#include <cmath>

#include "ProracunLastovar.h"

namespace {

using NizSila = std::array<double, 6>;
using NizRazmaka = std::array<double, 5>;

// lambda_k = P_k (L/R), with L/R formed first.
double DuzinaZone(const NizSila& P, double L, double R, std::int32_t k) {
    const Prosireno LkrozR = static_cast<Prosireno>(L) / R;
    return static_cast<double>(P[k - 1] * LkrozR);
}

// a_k = xR - L1 - ... - L(k-1), one spacing at a time, left to right.
double RastojanjeDoRezultante(double xR, const NizRazmaka& Ls, std::int32_t k) {
    Prosireno a = xR;
    for (std::int32_t j = 0; j < k - 1; ++j) a -= Ls[j];
    return static_cast<double>(a);
}

// Mlevo_k: the sum of P_i (L_i + ... + L(k-1)) for i < k, each spacing sum
// added from L_i rightwards and the terms accumulated from i = 1.
double MomentLevihSila(const NizSila& P, const NizRazmaka& Ls, std::int32_t k) {
    Prosireno mlevo = 0;
    for (std::int32_t i = 0; i < k - 1; ++i) {
        Prosireno krak = 0;
        for (std::int32_t j = i; j < k - 1; ++j) krak += Ls[j];
        mlevo += P[i] * krak;
    }
    return static_cast<double>(mlevo);
}

// x_ko = (L - a_k) / 2, from the stored a_k.
double TemeParabole(double L, double a) {
    return static_cast<double>((L - static_cast<Prosireno>(a)) * 0.5_pr);
}

// The first parabola passes through the left support, so its zeros are 0
// and twice the vertex; the others come from the discriminant.
std::array<double, 2> NuleParabole(std::int32_t k, double teme, double L, double R, double mlevo) {
    const Prosireno xo = teme;
    if (k == 1) return {0.0, static_cast<double>(2.0_pr * xo)};
    Prosireno d = xo * xo - (static_cast<Prosireno>(L) / R) * mlevo;
    // A load case that passes the value check has d >= 0 (for the last force
    // d = ((L + a_k)/2)^2), so a negative d is a residue of cancellation; its
    // root would print as NaN.
    if (d < 0.0_pr) d = 0.0_pr;
    const Prosireno koren = std::sqrt(d);
    return {static_cast<double>(xo - koren), static_cast<double>(xo + koren)};
}

// maxM_k = x_ko^2 (R/L) - Mlevo_k, from the stored vertex and Mlevo_k.
double MaksimumParabole(double teme, Prosireno RkrozL, double mlevo) {
    const Prosireno xo = teme;
    return static_cast<double>((xo * xo) * RkrozL - mlevo);
}

// Lambda_j = lambda_1 + ... + lambda_j, summed left to right in extended
// precision from the stored lengths.
std::array<Prosireno, 7> ZbiroviLambdi(const std::array<TJednacinaSile, 6>& jednacine,
                                       std::int32_t n) {
    std::array<Prosireno, 7> zbir{};
    for (std::int32_t j = 1; j <= n; ++j) zbir[j] = zbir[j - 1] + jednacine[j - 1].Lambda;
    return zbir;
}

// The zone with the largest maximum; an equal later maximum takes over.
std::int32_t ZonaNajvecegMaksimuma(const std::array<TJednacinaSile, 6>& jednacine, std::int32_t n) {
    std::int32_t g = 1;
    for (std::int32_t k = 1; k <= n; ++k)
        if (jednacine[k - 1].MaxM >= jednacine[g - 1].MaxM) g = k;
    return g;
}

// J_k = L - L1 - ... - Lk, subtracted spacing by spacing; index k - 1.
NizRazmaka SkokoviMaxT(double L, const NizRazmaka& Ls, std::int32_t n) {
    NizRazmaka J{};
    for (std::int32_t k = 1; k <= n - 1; ++k) {
        Prosireno skok = L;
        for (std::int32_t i = 0; i < k; ++i) skok -= Ls[i];
        J[k - 1] = static_cast<double>(skok);
    }
    return J;
}

// E_m = L(n-1) + ... + L(n-m), summed in that order; index m - 1.
NizRazmaka SkokoviMinT(const NizRazmaka& Ls, std::int32_t n) {
    NizRazmaka E{};
    Prosireno skok = 0;
    for (std::int32_t m = 1; m <= n - 1; ++m) {
        skok += Ls[n - m - 1];
        E[m - 1] = static_cast<double>(skok);
    }
    return E;
}

// u_k = L1 + ... + L(k-1), each from the one before; index k - 1.
std::array<Prosireno, 6> Odmaci(const NizRazmaka& Ls, std::int32_t n) {
    std::array<Prosireno, 6> u{};
    for (std::int32_t k = 2; k <= n; ++k) u[k - 1] = u[k - 2] + Ls[k - 2];
    return u;
}

// M_k(X) = ((L - a_k)(R/L))X - (X X)(R/L) - Mlevo_k.
Prosireno MomentParabole(const TJednacinaSile& j, double L, Prosireno RkrozL, Prosireno X) {
    const Prosireno a = j.A;
    return ((L - a) * RkrozL) * X - (X * X) * RkrozL - j.Mlevo;
}

}  // namespace

TVoz::TVoz() : TVoz(0, {}, {}, 0) {}

TVoz::TVoz(const TPodaci& podaci, std::int32_t brojSila)
    : TVoz(brojSila, Sile(podaci), Razmaci(podaci), podaci.Raspon()) {}

TVoz::TVoz(std::int32_t brojSila, const std::array<double, 6>& sile,
           const std::array<double, 5>& razmaci, double raspon)
    : fN(brojSila), fL(raspon) {
    if (!Vazi()) return;
    for (std::int32_t i = 0; i < fN; ++i) fP[i] = sile[i];
    for (std::int32_t i = 0; i < fN - 1; ++i) fLs[i] = razmaci[i];
    TProracun::Rezultanta(fR, fXR, fP[0], fP[1], fP[2], fP[3], fP[4], fP[5], fLs[0], fLs[1], fLs[2],
                          fLs[3], fLs[4]);
    fRkrozL = static_cast<Prosireno>(fR) / fL;

    // Every zone length first, then each equation from its own stored values.
    for (std::int32_t k = 1; k <= fN; ++k) fJednacine[k - 1].Lambda = DuzinaZone(fP, fL, fR, k);
    for (std::int32_t k = 1; k <= fN; ++k) {
        TJednacinaSile& j = fJednacine[k - 1];
        j.A = RastojanjeDoRezultante(fXR, fLs, k);
        j.Mlevo = MomentLevihSila(fP, fLs, k);
        j.Teme = TemeParabole(fL, j.A);
        j.Nule = NuleParabole(k, j.Teme, fL, fR, j.Mlevo);
        j.MaxM = MaksimumParabole(j.Teme, fRkrozL, j.Mlevo);
    }
    fZbiroviLambdi = ZbiroviLambdi(fJednacine, fN);
    fZonaMaksimuma = ZonaNajvecegMaksimuma(fJednacine, fN);
    fSkokoviMaxT = SkokoviMaxT(fL, fLs, fN);
    fSkokoviMinT = SkokoviMinT(fLs, fN);
    fOdmaci = Odmaci(fLs, fN);
}

double TVoz::ExtM(double x) const {
    return TProracun::ExtM(fN, x, fL, fP[0], fP[1], fP[2], fP[3], fP[4], fP[5], fLs[0], fLs[1],
                           fLs[2], fLs[3], fLs[4]);
}

double TVoz::MaxT(double x) const {
    return TProracun::MaxT(fN, x, fL, fP[0], fP[1], fP[2], fP[3], fP[4], fP[5], fLs[0], fLs[1],
                           fLs[2], fLs[3], fLs[4]);
}

double TVoz::MinT(double x) const {
    return TProracun::MinT(fN, x, fL, fP[0], fP[1], fP[2], fP[3], fP[4], fP[5], fLs[0], fLs[1],
                           fLs[2], fLs[3], fLs[4]);
}

std::int32_t TVoz::ZonaExtM(double x) const {
    return ::ZonaExtM(fN, x, fL, fP[0], fP[1], fP[2], fP[3], fP[4], fP[5]);
}

Prosireno TVoz::Moment(std::int32_t k, Prosireno X) const {
    return MomentParabole(Jednacina(k), fL, fRkrozL, X);
}

TVoz TVoz::Obrnut() const {
    if (!Vazi()) return *this;
    std::array<double, 6> sile{};
    std::array<double, 5> razmaci{};
    for (std::int32_t j = 0; j < fN; ++j) sile[j] = fP[fN - 1 - j];
    for (std::int32_t j = 0; j < fN - 1; ++j) razmaci[j] = fLs[fN - 2 - j];
    return TVoz(fN, sile, razmaci, fL);
}

std::string ImeVoza(std::int32_t n, bool obrnut) {
    // Appended piece by piece: GCC 12 warns falsely of the inlined "P" + ...
    std::string ime = "P";
    ime += std::to_string(obrnut ? n : 1);
    if (n > 1) {
        ime += "..P";
        ime += std::to_string(obrnut ? 1 : n);
    }
    return ime;
}
