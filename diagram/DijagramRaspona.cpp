// SPDX-License-Identifier: GPL-3.0-or-later
#include "DijagramRaspona.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "FormatBroja.h"

namespace {

constexpr TBoja kBojaM{0, 0, 200};
constexpr TBoja kBojaA{200, 0, 0};
constexpr TBoja kSiva{160, 160, 160};

struct TOkvir {
    int levo, gore, desno, dole;
};

std::string Broj(double v, char sep) { return FormatFiksno(v, 1, sep); }

// A polyline of one quantity against the span on the frame.
void Kriva(TPlatno& p, const TOkvir& o, const std::vector<TRedRaspona>& t, double Lmin, double Lmax,
           double vmax, TOlovka olovka, const std::function<double(const TRedRaspona&)>& vrednost) {
    p.Olovka() = olovka;
    const double sirina = Lmax > Lmin ? Lmax - Lmin : 1.0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int x =
            o.levo + static_cast<int>(std::lround((t[i].L - Lmin) / sirina * (o.desno - o.levo)));
        const int y =
            o.dole - static_cast<int>(std::lround(vrednost(t[i]) / vmax * (o.dole - o.gore)));
        if (i == 0)
            p.PomeriNa(x, y);
        else
            p.LinijaDo(x, y);
    }
}

}  // namespace

void NacrtajDijagramRaspona(TPlatno& p, int W, int H, const std::vector<TRedRaspona>& t, char sep) {
    p.PopuniPozadinu(0, 0, W, H);
    const int red = std::max(12, p.VelicinaFonta() * 2);
    const TOkvir o{90, 5 * red, W - 90, H - 2 * red};
    if (t.empty() || o.desno - o.levo < 50 || o.dole - o.gore < 50) return;
    const double Lmin = t.front().L, Lmax = t.back().L;
    double mmax = 0, amax = 0;
    for (const TRedRaspona& r : t) {
        mmax = std::max({mmax, r.Merodavno.Karakteristicne.Mmax.Vrednost,
                         r.Merodavno.Proracunske.Mmax.Vrednost});
        amax = std::max({amax, r.Merodavno.Karakteristicne.Amax.Vrednost,
                         r.Merodavno.Proracunske.Amax.Vrednost});
    }
    if (!(mmax > 0) || !(amax > 0)) return;

    // The frame: the span along the bottom, M on the left, A on the right.
    p.Olovka() = {kSiva, 1};
    p.PomeriNa(o.levo, o.gore);
    p.LinijaDo(o.levo, o.dole);
    p.LinijaDo(o.desno, o.dole);
    p.LinijaDo(o.desno, o.gore);

    p.Font().Boja = kCrna;
    p.Tekst(o.levo, o.dole + red / 4, "L = " + Broj(Lmin, sep) + " m");
    p.Tekst(o.desno - 80, o.dole + red / 4, "L = " + Broj(Lmax, sep) + " m");
    p.Font().Boja = kBojaM;
    p.Tekst(4, o.gore - red, "M [kNm]");
    p.Tekst(4, o.gore, Broj(mmax, sep));
    p.Tekst(4, o.dole - red, "0");
    p.Font().Boja = kBojaA;
    p.Tekst(o.desno + 6, o.gore - red, "A [kN]");
    p.Tekst(o.desno + 6, o.gore, Broj(amax, sep));
    p.Tekst(o.desno + 6, o.dole - red, "0");

    // The legend, one entry a line above the frame.
    const struct {
        const char* natpis;
        TOlovka olovka;
    } legenda[] = {{"Mmax karakteristicno", {kBojaM, 1}},
                   {"Mmax proracunsko", {kBojaM, 3}},
                   {"Amax karakteristicno", {kBojaA, 1}},
                   {"Amax proracunsko", {kBojaA, 3}}};
    for (std::size_t i = 0; i < std::size(legenda); ++i) {
        const int y = red / 2 + static_cast<int>(i) * red;
        p.Olovka() = legenda[i].olovka;
        p.PomeriNa(o.levo, y + red / 3);
        p.LinijaDo(o.levo + 40, y + red / 3);
        p.Font().Boja = legenda[i].olovka.Boja;
        p.Tekst(o.levo + 50, y, legenda[i].natpis);
    }

    using R = const TRedRaspona&;
    Kriva(p, o, t, Lmin, Lmax, mmax, {kBojaM, 1},
          [](R r) { return r.Merodavno.Karakteristicne.Mmax.Vrednost; });
    Kriva(p, o, t, Lmin, Lmax, mmax, {kBojaM, 3},
          [](R r) { return r.Merodavno.Proracunske.Mmax.Vrednost; });
    Kriva(p, o, t, Lmin, Lmax, amax, {kBojaA, 1},
          [](R r) { return r.Merodavno.Karakteristicne.Amax.Vrednost; });
    Kriva(p, o, t, Lmin, Lmax, amax, {kBojaA, 3},
          [](R r) { return r.Merodavno.Proracunske.Amax.Vrednost; });
}
