// SPDX-License-Identifier: GPL-3.0-or-later
#include "JednacineMomenata.h"

#include "FormatBroja.h"
#include "Linija.h"
#include "Prosireno.h"

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

}  // namespace

void JednacineMomenata(const TProracunIzvestaja& p, char sep, std::vector<std::string>& linije) {
    const auto B = [sep](Prosireno v) { return FormatBroja(v, sep); };
    const TVoz& v = p.Voz;
    const int F = v.BrojSila();

    linije.emplace_back();
    for (int k = 1; k <= F; ++k)
        linije.push_back(Linija(
            {"Zona vazenja: lambda", std::to_string(k), " = ", B(v.Jednacina(k).Lambda), " [m]"}));
    linije.emplace_back();

    const std::string RkrozL = B(v.RkrozL());
    for (int k = 1; k <= F; ++k) {
        const TJednacinaSile& j = v.Jednacina(k);
        const std::string K = std::to_string(k);
        const std::string oznaka =
            (F == 2 && k == 2) ? std::string("M2(x)=") : Linija({"M", K, "(x) = "});
        linije.emplace_back(kNaslovi[k - 1]);
        linije.push_back(Linija({oznaka, RkrozL, "*[", B(v.Raspon()), " - (", B(j.A), ")]*x - ",
                                 RkrozL, "*x^2 - ", B(j.Mlevo)}));
        linije.push_back(Linija({"a", K, " = ", B(j.A), " [m]"}));
        linije.push_back(Linija({"Mlevo", K, " = ", B(j.Mlevo), " [kNm]"}));
        linije.push_back(Linija(
            {"nule: x", K, "1 = ", B(j.Nule[0]), " [m]   x", K, "2 = ", B(j.Nule[1]), " [m]"}));
        linije.push_back(Linija({"teme: x", K, "o = ", B(j.Teme), " [m]"}));
        linije.push_back(Linija({"maximum: maxM", K, " = ", B(j.MaxM), " [kNm]"}));
        for (const auto& g : {p.Granice[k - 1].Leva, p.Granice[k - 1].Desna})
            if (g)
                linije.push_back(
                    Linija({OznakaGranice(k, g->j), B(g->x), ") = ", B(g->M), " [kNm]"}));
        linije.emplace_back();
    }
}
