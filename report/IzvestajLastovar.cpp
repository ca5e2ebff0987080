// SPDX-License-Identifier: GPL-3.0-or-later
#include "IzvestajLastovar.h"

#include <algorithm>
#include <stdexcept>

#include "FormatBroja.h"
#include "JednacineMomenata.h"
#include "Konverzija.h"
#include "Linija.h"
#include "ProracunLastovar.h"
#include "TabelePreseka.h"
#include "UlazIzvestaja.h"

namespace {

constexpr std::int32_t kNajviseSila = 6;
constexpr std::int32_t kNajvisePreseka = 99;

void Zaglavlje(const TPodaci& z, std::int32_t F, char sep, std::vector<std::string>& linije) {
    const auto B = [sep](long double v) { return FormatBroja(v, sep); };
    const double P[] = {z.P1(), z.P2(), z.P3(), z.P4(), z.P5(), z.P6()};
    const double Ls[] = {z.Rastojanje1(), z.Rastojanje2(), z.Rastojanje3(), z.Rastojanje4(),
                         z.Rastojanje5()};
    // The spin edit keeps its text within 1..6; labels exist for no more.
    const std::int32_t sila = std::min(F, kNajviseSila);
    linije.emplace_back("REZULTATI PRORACUNA");
    linije.emplace_back();
    linije.emplace_back("Sile:");
    for (std::int32_t k = 1; k <= sila; ++k)
        linije.push_back(Linija({"P", std::to_string(k), " = ", B(P[k - 1]), " [kN]"}));
    if (sila >= 2) {
        linije.emplace_back("Rastojanja izmedju sila:");
        for (std::int32_t k = 1; k <= sila - 1; ++k)
            linije.push_back(Linija({"L", std::to_string(k), " = ", B(Ls[k - 1]), " [m]"}));
    }
    linije.emplace_back();
    linije.push_back(Linija({"Raspon grede: L = ", B(z.Raspon()), " [m]"}));
    linije.push_back(Linija({"Proizvoljno rastojanje: x = ", B(z.ProizvoljnoX()), " [m]"}));
}

void Rep(const RezultatiProracuna& r, const std::string& tekstX, char sep,
         std::vector<std::string>& linije) {
    const auto B = [sep](long double v) { return FormatBroja(v, sep); };
    linije.emplace_back();
    linije.emplace_back("Rezultanta: ");
    linije.push_back(Linija({"R = ", B(r.FR), " [kN]"}));
    linije.push_back(Linija({"xR = ", B(r.FXR), " [m] (u odnosu na  prvu silu)"}));
    linije.emplace_back();
    linije.push_back(
        Linija({"M(proizvoljno x) = M(", tekstX, ") = ", B(r.FMProizvoljno), " [kNm]"}));
    linije.push_back(
        Linija({"maxT(proizvoljno x) = maxT(", tekstX, ") = ", B(r.FMaxTProizvoljno), " [kN]"}));
    linije.push_back(
        Linija({"minT(proizvoljno x) = minT(", tekstX, ") = ", B(r.FMinTProizvoljno), " [kN]"}));
}

UlazIzvestaja Ulaz(const TPodaci& z, std::int32_t F, char sep) {
    UlazIzvestaja u{
        F,
        {z.P1(), z.P2(), z.P3(), z.P4(), z.P5(), z.P6()},
        {z.Rastojanje1(), z.Rastojanje2(), z.Rastojanje3(), z.Rastojanje4(), z.Rastojanje5()},
        z.Raspon(),
        z.BrojPreseka(),
        sep};
    for (std::int32_t k = F; k < kNajviseSila; ++k) u.P[k] = 0.0;
    for (std::int32_t k = F - 1; k < kNajviseSila - 1; ++k) u.Ls[k] = 0.0;
    return u;
}

}  // namespace

IzvestajLastovar SastaviIzvestaj(const TekstoviUnosa& t, std::string_view tekstBrojaSila,
                                 std::int32_t brojSila, char sep,
                                 const std::function<void(int)>& napredak) {
    const TPodaci z = ZapisIzTekstova(t, sep);
    if (z.BrojPreseka() < 1 || z.BrojPreseka() > kNajvisePreseka)
        throw std::out_of_range("broj preseka van opsega 1..99");
    IzvestajLastovar izvestaj;
    Zaglavlje(z, TekstUCeoBroj(tekstBrojaSila), sep, izvestaj.Linije);
    RezultatiProracuna& r = izvestaj.Rezultati;
    r.FXProizvoljno = z.ProizvoljnoX();
    if (brojSila >= 1 && brojSila <= kNajviseSila) {
        const UlazIzvestaja u = Ulaz(z, brojSila, sep);
        TProracun::Rezultanta(r.FR, r.FXR, u.P[0], u.P[1], u.P[2], u.P[3], u.P[4], u.P[5], u.Ls[0],
                              u.Ls[1], u.Ls[2], u.Ls[3], u.Ls[4]);
        JednacineMomenata(u, r, izvestaj.Linije);
        TabelePreseka(u, r, izvestaj.Linije, napredak);
    }
    Rep(r, t.ProizvoljnoX, sep, izvestaj.Linije);
    return izvestaj;
}
