// SPDX-License-Identifier: GPL-3.0-or-later
#include "UticajneLinijeCrtez.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Crtanje.h"
#include "Prosireno.h"
#include "UticajneLinije.h"
#include "Zaokruzivanje.h"

namespace {

// One ordinate under a force: its column, the axis and the line's point.
struct TOrdinata {
    int x;
    int yKraj;
    std::string tekst;
};

// The rows kept free above and below a line for the labels that find no
// room beside their ordinates.
struct TRezerva {
    int gore;
    int dole;
};

// The label of an ordinate (or of a run of equal ones, at its middle): beside
// it, beyond its end or near the axis, the first place that is free; else
// in the reserved row on its side nearest to it, with a leader to its end;
// else left out.
void NatpisOrdinate(TCrtezPolozaja& d, const TOrdinata& o, int yOsa, TRezerva rezerva, TBoja boja,
                    const TOkvir& granice, int vlasnik) {
    TPlatnoNatpisa& c = d.c;
    d.Font(boja, false);
    const TVelicinaTeksta v = c.VelicinaTeksta(o.tekst);
    const int w = v.sirina, h = v.visina;
    const int sredina = (yOsa + o.yKraj) / 2;
    const bool dole = o.yKraj >= yOsa;
    const int iza = dole ? o.yKraj + 3 : o.yKraj - h - 3;
    const int kodOse = dole ? yOsa + 3 : yOsa - h - 3;
    if (c.Natpis({{o.x + 3, sredina - h / 2},
                  {o.x - 3 - w, sredina - h / 2},
                  {o.x - w / 2, iza},
                  {o.x + 3, iza},
                  {o.x - 3 - w, iza},
                  {o.x + 3, kodOse},
                  {o.x - 3 - w, kodOse}},
                 o.tekst, granice, vlasnik))
        return;
    // Along the reserved row, outward from the ordinate, with a leader.
    const int korak = std::max(4, w / 2);
    for (int k = 0; k < 40; ++k) {
        const int pomak = (k % 2 == 0 ? 1 : -1) * ((k + 1) / 2) * korak;
        const TOkvir okvir =
            c.Okvir(o.x - w / 2 + pomak, dole ? rezerva.dole : rezerva.gore, o.tekst);
        const int xv = (okvir.levo + okvir.desno) / 2;
        const int yv = dole ? okvir.gore - 1 : okvir.dole;
        if (!c.Slobodno(okvir, granice, vlasnik) || !c.DuzSlobodna(xv, yv, o.x, o.yKraj, okvir))
            continue;
        c.Tekst(okvir.levo, okvir.gore, o.tekst);
        c.Vlasnik = vlasnik;
        c.Olovka() = {boja, 1};
        Linija(c, xv, yv, o.x, o.yKraj);
        c.Vlasnik = 0;
        return;
    }
}

// The ordinates of the forces on the span, left to right: a run of
// neighbours of one printed value is drawn each and labelled once, at its
// middle, by the label's owner.
struct TGrupaOrdinata {
    TOrdinata sredina;
    int vlasnik;
};

template <class Uticaj, class Y>
std::vector<TGrupaOrdinata> Ordinate(TCrtezPolozaja& d, const TRazmeraSkice& r,
                                     const TVozUPolozaju& polozaj, Uticaj uticaj, Y y, int pomak,
                                     TBoja boja, int yOsa) {
    std::vector<TOrdinata> ordinate;
    for (const TSilaUPolozaju& s : polozaj.Sile())
        if (s.NaRasponu) {
            const Prosireno eta = uticaj(s.x);
            ordinate.push_back({r.X(s.x) + pomak, y(eta), d.B(eta)});
        }
    std::stable_sort(ordinate.begin(), ordinate.end(),
                     [](const TOrdinata& a, const TOrdinata& b) { return a.x < b.x; });
    std::vector<TGrupaOrdinata> grupe;
    for (std::size_t i = 0; i < ordinate.size();) {
        std::size_t j = i + 1;
        while (j < ordinate.size() && ordinate[j].tekst == ordinate[i].tekst) ++j;
        const int vlasnik = d.c.NoviVlasnik();
        d.c.Vlasnik = vlasnik;
        d.c.Olovka() = {boja, 1};
        for (std::size_t k = i; k < j; ++k)
            Linija(d.c, ordinate[k].x, yOsa, ordinate[k].x, ordinate[k].yKraj);
        d.c.Vlasnik = 0;
        grupe.push_back({ordinate[(i + j - 1) / 2], vlasnik});
        i = j;
    }
    return grupe;
}

void Natpisi(TCrtezPolozaja& d, const std::vector<TGrupaOrdinata>& grupe, TBoja boja, int yOsa,
             TRezerva rezerva, const TOkvir& granice) {
    for (const TGrupaOrdinata& g : grupe)
        NatpisOrdinate(d, g.sredina, yOsa, rezerva, boja, granice, g.vlasnik);
}

// "+" or "-" in a ring on the area of the triangle a, b, c, before the
// labels: as near its centroid as a place inside it is free, else none. A
// sign in its ring is not read with a number, and the labels keep clear of
// it.
void Znak(TCrtezPolozaja& d, const char* znak, TTacka a, TTacka b, TTacka c) {
    TPlatnoNatpisa& p = d.c;
    d.Font(kCrna, true);
    const TVelicinaTeksta v = p.VelicinaTeksta(znak);
    // Round the sign's box, a unit clear of its corners.
    const int poluprecnik =
        static_cast<int>(std::ceil(std::hypot(v.sirina / 2.0, v.visina / 2.0))) + 1;
    const auto strana = [](TTacka p, TTacka q, double x, double y) {
        return (q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x);
    };
    const auto unutra = [&](double x, double y) {
        const double s1 = strana(a, b, x, y), s2 = strana(b, c, x, y), s3 = strana(c, a, x, y);
        return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
    };
    const double tx = (a.x + b.x + c.x) / 3.0, ty = (a.y + b.y + c.y) / 3.0;
    // A third of a letter apart, no more than 64 places a side.
    const int sirina = std::max({a.x, b.x, c.x}) - std::min({a.x, b.x, c.x});
    const int visina = std::max({a.y, b.y, c.y}) - std::min({a.y, b.y, c.y});
    const int korak = std::max({2, d.slova / 3, sirina / 64, visina / 64});
    std::vector<TTacka> sredista;
    for (int y = std::min({a.y, b.y, c.y}); y <= std::max({a.y, b.y, c.y}); y += korak)
        for (int x = std::min({a.x, b.x, c.x}); x <= std::max({a.x, b.x, c.x}); x += korak) {
            const int r = poluprecnik + 1;
            if (unutra(x - r, y - r) && unutra(x + r, y - r) && unutra(x - r, y + r) &&
                unutra(x + r, y + r))
                sredista.push_back({x, y});
        }
    const auto daljina = [&](TTacka t) {
        return (t.x - tx) * (t.x - tx) + (t.y - ty) * (t.y - ty);
    };
    std::stable_sort(sredista.begin(), sredista.end(),
                     [&](TTacka m, TTacka n) { return daljina(m) < daljina(n); });
    for (const TTacka s : sredista) {
        const TOkvir krug{s.x - poluprecnik, s.y - poluprecnik, s.x + poluprecnik + 1,
                          s.y + poluprecnik + 1};
        if (!p.Slobodno(krug.Prosiren(1), p.Slika())) continue;
        p.Olovka() = {kCrna, 1};
        constexpr int kTacaka = 16;
        p.PomeriNa(s.x + poluprecnik, s.y);
        for (int i = 1; i <= kTacaka; ++i) {
            const double ugao = 2 * 3.14159265358979 * i / kTacaka;
            p.LinijaDo(s.x + ZaokruziParno(poluprecnik * std::cos(ugao)),
                       s.y + ZaokruziParno(poluprecnik * std::sin(ugao)));
        }
        d.Font(kCrna, true);
        p.Tekst(s.x - v.sirina / 2, s.y - v.visina / 2, znak);
        p.ZauzmiZaNatpise(krug.Prosiren(std::max(2, d.slova / 4)));
        return;
    }
}

}  // namespace

void NacrtajUticajnuLinijuM(TCrtezPolozaja& d, const TRazmeraSkice& r, const TOkvir& okvir,
                            double x, const TVozUPolozaju& polozaj) {
    TPlatnoNatpisa& c = d.c;
    const Prosireno L = polozaj.Raspon(), X = x;
    const int red = d.slova + 4;
    const int osa = okvir.gore + 2;
    const int dubina = std::max(1, okvir.Visina() - red - 4);
    const Prosireno vrh = X * (L - X) / L;
    const Prosireno k = dubina / (vrh > 0 ? vrh : L / 4);
    const auto y = [&](Prosireno eta) { return URedu(osa + eta * k, osa, osa + dubina); };
    c.Olovka() = {kCrna, 1};
    Linija(c, r.X(0), osa, r.X(L), osa);
    c.Olovka() = {kPlava, 2};
    c.PomeriNa(r.X(0), osa);
    c.LinijaDo(r.X(X), y(vrh));
    c.LinijaDo(r.X(L), osa);
    const auto grupe = Ordinate(
        d, r, polozaj, [&](Prosireno ksi) { return UticajM(L, X, ksi); }, y, 0, kCrvena, osa);
    if (vrh > 0) Znak(d, "+", {r.X(0), osa}, {r.X(X), y(vrh)}, {r.X(L), osa});
    Natpisi(d, grupe, kCrvena, osa, {osa, okvir.dole - red + 2}, okvir);
}

void NacrtajUticajnuLinijuT(TCrtezPolozaja& d, const TRazmeraSkice& r, const TOkvir& okvir,
                            double x, const TVozUPolozaju& maxT, const TVozUPolozaju& minT) {
    TPlatnoNatpisa& c = d.c;
    const Prosireno L = maxT.Raspon(), X = x;
    const int red = d.slova + 4;
    // The jump at the section is 1 whatever x: it spans the box but for a
    // row of labels above and below.
    const int skok = std::max(2, okvir.Visina() - 2 * red);
    const int osa = okvir.gore + red + ZaokruziParno(skok * (L - X) / L);
    // Positive upward, as maxT stands in the diagram.
    const auto y = [&](Prosireno eta) {
        return URedu(osa - eta * skok, okvir.gore + red, okvir.dole - red);
    };
    c.Olovka() = {kCrna, 1};
    Linija(c, r.X(0), osa, r.X(L), osa);
    c.Olovka() = {kPlava, 2};
    c.PomeriNa(r.X(0), osa);
    c.LinijaDo(r.X(X), y(-X / L));
    c.LinijaDo(r.X(X), y((L - X) / L));
    c.LinijaDo(r.X(L), osa);
    // The force on the section belongs to the part right of it for maxT and
    // to the part left of it for minT.
    const auto plave = Ordinate(
        d, r, maxT, [&](Prosireno ksi) { return UticajTLevo(L, X, ksi); }, y, -1, kBojaMaxT, osa);
    const auto ljubicaste = Ordinate(
        d, r, minT, [&](Prosireno ksi) { return UticajTDesno(L, X, ksi); }, y, 1, kBojaMinT, osa);
    if (X > 0) Znak(d, "-", {r.X(0), osa}, {r.X(X), osa}, {r.X(X), y(-X / L)});
    if (X < L) Znak(d, "+", {r.X(X), osa}, {r.X(X), y((L - X) / L)}, {r.X(L), osa});
    const TRezerva rezerva{okvir.gore + 1, okvir.dole - red + 2};
    Natpisi(d, plave, kBojaMaxT, osa, rezerva, okvir);
    Natpisi(d, ljubicaste, kBojaMinT, osa, rezerva, okvir);
}
