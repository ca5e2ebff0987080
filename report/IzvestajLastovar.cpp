// SPDX-License-Identifier: GPL-3.0-or-later
#include "IzvestajLastovar.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "FormatBroja.h"
#include "IzvestajMerodavnih.h"
#include "JednacineMomenata.h"
#include "Konverzija.h"
#include "Linija.h"
#include "Prosireno.h"
#include "TabelePreseka.h"

namespace {

constexpr std::int32_t kNajviseSila = 6;
constexpr std::int32_t kNajvisePreseka = 99;

void Zaglavlje(const TPodaci& z, std::int32_t F, char sep, std::vector<std::string>& linije) {
    const auto B = [sep](Prosireno v) { return FormatBroja(v, sep); };
    const std::array<double, 6> P = Sile(z);
    const std::array<double, 5> Ls = Razmaci(z);
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

void Rep(const TProracunIzvestaja& p, const std::string& tekstX, char sep,
         std::vector<std::string>& linije) {
    const auto B = [sep](Prosireno v) { return FormatBroja(v, sep); };
    const TProizvoljniPresek& a = p.Proizvoljni;
    linije.emplace_back();
    linije.emplace_back("Rezultanta: ");
    linije.push_back(Linija({"R = ", B(p.Voz.R()), " [kN]"}));
    linije.push_back(Linija({"xR = ", B(p.Voz.xR()), " [m] (u odnosu na  prvu silu)"}));
    linije.emplace_back();
    linije.push_back(Linija({"M(proizvoljno x) = M(", tekstX, ") = ", B(a.ExtM), " [kNm]"}));
    linije.push_back(Linija({"maxT(proizvoljno x) = maxT(", tekstX, ") = ", B(a.MaxT), " [kN]"}));
    linije.push_back(Linija({"minT(proizvoljno x) = minT(", tekstX, ") = ", B(a.MinT), " [kN]"}));
}

}  // namespace

IzvestajLastovar SastaviIzvestaj(const TekstoviUnosa& t, std::string_view tekstBrojaSila,
                                 std::int32_t brojSila, char sep,
                                 const std::function<void(int)>& napredak) {
    const TPodaci z = ZapisIzTekstova(t, sep);
    if (z.BrojPreseka() < 1 || z.BrojPreseka() > kNajvisePreseka)
        throw std::out_of_range("broj preseka van opsega 1..99");
    IzvestajLastovar izvestaj;
    // The classical method needs the whole train on the span; a longer one
    // gets one line saying so, and no classical result.
    if (!TVoz(z, brojSila).StajeNaRaspon()) {
        izvestaj.Linije.emplace_back(kPorukaDugogVoza);
        izvestaj.Proracun.Voz = TVoz(z, brojSila);
        izvestaj.Proracun.Proizvoljni.x = z.ProizvoljnoX();
        izvestaj.Rezultati = izvestaj.Proracun.Polja();
        return izvestaj;
    }
    Zaglavlje(z, TekstUCeoBroj(tekstBrojaSila), sep, izvestaj.Linije);
    izvestaj.Proracun = TProracunIzvestaja::Izracunaj(z, brojSila, napredak);
    if (izvestaj.Proracun.Voz.Vazi()) {
        JednacineMomenata(izvestaj.Proracun, sep, izvestaj.Linije);
        TabelePreseka(izvestaj.Proracun, sep, izvestaj.Linije);
    }
    Rep(izvestaj.Proracun, t.ProizvoljnoX, sep, izvestaj.Linije);
    izvestaj.Rezultati = izvestaj.Proracun.Polja();
    return izvestaj;
}
