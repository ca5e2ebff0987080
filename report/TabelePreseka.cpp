// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabelePreseka.h"

#include "FormatBroja.h"
#include "Linija.h"
#include "Parabole.h"
#include "ProracunLastovar.h"

namespace {

// Widens the end of the last zone so that a last section pushed past L by
// rounding still falls in it.
constexpr double kEpsilon = 0.000001;

// Whether x lies in zone k. The extM table lets zone 2 of a train of four to
// six forces include its left end, so a section on lambda_1 gets two lines;
// the arbitrary section does not.
bool UZoni(const UlazIzvestaja& u, const RezultatiProracuna& r, int k, long double x,
           bool drugaSaLevimKrajem) {
    if (u.F == 1) return true;
    if (k == 1) return 0.0L <= x && x <= r.FLambda[0];
    const long double levo = ZbirLambdi(r, k - 1);
    if (k == u.F) return levo < x && x <= static_cast<long double>(u.L) + kEpsilon;
    const long double desno = ZbirLambdi(r, k);
    if (k == 2 && u.F >= 4 && drugaSaLevimKrajem) return levo <= x && x <= desno;
    return levo < x && x <= desno;
}

// The section as the calculator gets it. One that rounding carried past L by
// no more than epsilon is taken at L: beyond the span the shear forces
// answer 0.0, which is not the value at the support.
double ArgumentSmicanja(long double x, double L) {
    if (x > L && x <= static_cast<long double>(L) + kEpsilon) return L;
    return static_cast<double>(x);
}

using Smicanje = double (*)(std::int32_t, double, double, double, double, double, double, double,
                            double, double, double, double, double, double);

double Pozovi(Smicanje f, const UlazIzvestaja& u, double x) {
    return f(u.F, x, u.L, u.P[0], u.P[1], u.P[2], u.P[3], u.P[4], u.P[5], u.Ls[0], u.Ls[1], u.Ls[2],
             u.Ls[3], u.Ls[4]);
}

}  // namespace

void TabelePreseka(const UlazIzvestaja& u, RezultatiProracuna& r, std::vector<std::string>& linije,
                   const std::function<void(int)>& napredak) {
    const auto B = [&u](long double v) { return FormatBroja(v, u.separator); };
    const auto javi = [&napredak](int polozaj) {
        if (napredak) napredak(polozaj);
    };
    r.FKorakPreseka = static_cast<double>(static_cast<long double>(u.L) / u.n);
    const auto presek = [&r](int i) { return static_cast<long double>(i) * r.FKorakPreseka; };

    linije.emplace_back("Vrednosti extM u zadatom broju preseka:");
    for (int i = 0; i <= u.n; ++i) {
        const long double x = presek(i);
        for (int k = 1; k <= u.F; ++k)
            if (UZoni(u, r, k, x, true))
                linije.push_back(Linija({"M", std::to_string(k), "(", B(x),
                                         ") = ", B(MomentParabole(r, k, u.L, x)), " [kNm]"}));
    }
    javi(50);

    const auto tabelaSmicanja = [&](const char* oznaka, Smicanje f) {
        for (int i = 0; i <= u.n; ++i) {
            const long double x = presek(i);
            const double T = -Pozovi(f, u, ArgumentSmicanja(x, u.L));
            linije.push_back(Linija({oznaka, B(x), ") = ", B(T), " [kN]"}));
        }
    };
    linije.emplace_back();
    linije.emplace_back("Vrednosti extT u zadatom broju preseka:");
    tabelaSmicanja("maxT(", &TProracun::MaxT);
    javi(60);
    linije.emplace_back();
    tabelaSmicanja("minT(", &TProracun::MinT);
    javi(70);

    const long double X = r.FXProizvoljno;
    for (int k = 1; k <= u.F; ++k)
        if (UZoni(u, r, k, X, false))
            r.FMProizvoljno = static_cast<double>(MomentParabole(r, k, u.L, X));
    r.FMaxTProizvoljno = -Pozovi(&TProracun::MaxT, u, r.FXProizvoljno);
    r.FMinTProizvoljno = -Pozovi(&TProracun::MinT, u, r.FXProizvoljno);
}
