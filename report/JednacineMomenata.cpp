// SPDX-License-Identifier: GPL-3.0-or-later
#include "JednacineMomenata.h"

#include <cmath>

#include "FormatBroja.h"
#include "Linija.h"
#include "Parabole.h"

namespace {

constexpr const char* kNaslovi[] = {"Prva jednacina:",    "Druga jednacina:", "Treca jednacina:",
                                    "Cetvrta jednacina:", "Peta jednacina:",  "Sesta jednacina:"};

// "M3(lambda1+lambda2) = M(" for force k at the right end of zone j.
std::string OznakaGranice(int k, int j) {
    std::string s = Linija({"M", std::to_string(k), "("});
    for (int i = 1; i <= j; ++i) {
        s += i > 1 ? "+lambda" : "lambda";
        s += std::to_string(i);
    }
    return s + ") = M(";
}

// Fills a_k, Mlevo_k, the vertex, the zeros and the maximum of equation k.
void VelicineJednacine(const UlazIzvestaja& u, RezultatiProracuna& r, int k) {
    const std::size_t i = static_cast<std::size_t>(k - 1);
    const long double RkrozL = static_cast<long double>(r.FR) / u.L;
    if (k == 1) {
        r.FA[0] = r.FXR;
        r.FMlevo[0] = 0.0;
        r.FTeme[0] = static_cast<double>((u.L - static_cast<long double>(r.FA[0])) * 0.5L);
        r.FNule[0] = {0.0, static_cast<double>(2.0L * r.FTeme[0])};
        const long double teme = r.FTeme[0];
        r.FMaxM[0] = static_cast<double>((teme * teme) * RkrozL);
        return;
    }
    long double a = r.FXR;
    for (int j = 0; j < k - 1; ++j) a -= u.Ls[j];
    r.FA[i] = static_cast<double>(a);

    long double mlevo = 0.0L;
    for (int m = 0; m < k - 1; ++m) {
        long double razmak = 0.0L;
        for (int j = m; j < k - 1; ++j) razmak += u.Ls[j];
        mlevo += u.P[m] * razmak;
    }
    r.FMlevo[i] = static_cast<double>(mlevo);

    r.FTeme[i] = static_cast<double>((u.L - static_cast<long double>(r.FA[i])) * 0.5L);
    const long double teme = r.FTeme[i];
    long double d = teme * teme - (static_cast<long double>(u.L) / r.FR) * r.FMlevo[i];
    // A load case that passes the value check has d >= 0 (for the last force
    // d = ((L + a_k)/2)^2), so a negative d is a residue of cancellation; its
    // root would print as NaN.
    if (d < 0.0L) d = 0.0L;
    const long double koren = std::sqrt(d);
    r.FNule[i] = {static_cast<double>(teme - koren), static_cast<double>(teme + koren)};
    r.FMaxM[i] = static_cast<double>((teme * teme) * RkrozL - r.FMlevo[i]);
}

}  // namespace

void JednacineMomenata(const UlazIzvestaja& u, RezultatiProracuna& r,
                       std::vector<std::string>& linije) {
    const auto B = [&u](long double v) { return FormatBroja(v, u.separator); };
    const long double LkrozR = static_cast<long double>(u.L) / r.FR;
    for (int k = 0; k < u.F; ++k) r.FLambda[k] = static_cast<double>(u.P[k] * LkrozR);

    linije.emplace_back();
    for (int k = 1; k <= u.F; ++k)
        linije.push_back(Linija(
            {"Zona vazenja: lambda", std::to_string(k), " = ", B(r.FLambda[k - 1]), " [m]"}));
    linije.emplace_back();

    for (int k = 1; k <= u.F; ++k) {
        VelicineJednacine(u, r, k);
        const std::size_t i = static_cast<std::size_t>(k - 1);
        const std::string K = std::to_string(k);
        const std::string RkrozL = B(static_cast<long double>(r.FR) / u.L);
        const std::string oznaka =
            (u.F == 2 && k == 2) ? std::string("M2(x)=") : Linija({"M", K, "(x) = "});
        linije.emplace_back(kNaslovi[i]);
        linije.push_back(Linija({oznaka, RkrozL, "*[", B(u.L), " - (", B(r.FA[i]), ")]*x - ",
                                 RkrozL, "*x^2 - ", B(r.FMlevo[i])}));
        linije.push_back(Linija({"a", K, " = ", B(r.FA[i]), " [m]"}));
        linije.push_back(Linija({"Mlevo", K, " = ", B(r.FMlevo[i]), " [kNm]"}));
        linije.push_back(Linija({"nule: x", K, "1 = ", B(r.FNule[i][0]), " [m]   x", K,
                                 "2 = ", B(r.FNule[i][1]), " [m]"}));
        linije.push_back(Linija({"teme: x", K, "o = ", B(r.FTeme[i]), " [m]"}));
        linije.push_back(Linija({"maximum: maxM", K, " = ", B(r.FMaxM[i]), " [kNm]"}));
        const auto granica = [&](int j) {
            const long double x = ZbirLambdi(r, j);
            linije.push_back(Linija(
                {OznakaGranice(k, j), B(x), ") = ", B(MomentParabole(r, k, u.L, x)), " [kNm]"}));
        };
        if (k >= 2) granica(k - 1);
        if (k <= u.F - 1) granica(k);
        linije.emplace_back();
    }
}
