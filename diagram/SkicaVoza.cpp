// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkicaVoza.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "FormatBroja.h"
#include "Zaokruzivanje.h"

namespace {

void Linija(TPlatno& c, int x1, int y1, int x2, int y2) {
    c.PomeriNa(x1, y1);
    c.LinijaDo(x2, y2);
}

// A text's width, near enough to centre a short label: the canvas does not
// measure.
int SirinaTeksta(const std::string& t, int slova) { return static_cast<int>(t.size()) * slova / 2; }

// The pin on the left, the roller on the right: a triangle under the beam's
// end on a ground line, the roller's lifted off it.
void Oslonci(TPlatno& c, const TMestoSkice& m, int xLevo, int xDesno, int debljina) {
    const int s = std::max(4, m.visina / 5);
    const int vrh = m.yGrede + debljina;
    c.Olovka() = {kCrna, 1};
    for (const int x : {xLevo, xDesno}) {
        c.PomeriNa(x, vrh);
        c.LinijaDo(x - s * 3 / 5, vrh + s);
        c.LinijaDo(x + s * 3 / 5, vrh + s);
        c.LinijaDo(x, vrh);
    }
    const int tlo = vrh + s + std::max(2, s / 4);
    Linija(c, xLevo - s, vrh + s, xLevo + s, vrh + s);
    Linija(c, xDesno - s, tlo, xDesno + s, tlo);
}

// Black on the span; beyond a support grey, or orange where the classical
// method counts the force all the same.
TBoja Boja(const TSilaUPolozaju& s, bool klasicno) {
    if (s.NaRasponu) return kCrna;
    return klasicno ? kBojaKlasicnoVan : kBojaVanRaspona;
}

void Strela(TPlatno& c, int x, int vrh, int vrhGrede, int glava) {
    Linija(c, x, vrh, x, vrhGrede);
    Linija(c, x - glava, vrhGrede - 2 * glava, x, vrhGrede);
    c.LinijaDo(x + glava, vrhGrede - 2 * glava);
}

}  // namespace

std::int32_t TRazmeraSkice::X(Prosireno ksi) const {
    constexpr Prosireno kDaleko = 1 << 20;
    const Prosireno x = levo + (ksi - od) * pxPoMetru;
    if (!(x > -kDaleko)) return static_cast<std::int32_t>(-kDaleko);
    return ZaokruziParno(std::min(x, kDaleko));
}

TRazmeraSkice RazmeraSkice(Prosireno od, Prosireno doKraja, int levo, int desno) {
    TRazmeraSkice r;
    r.levo = levo;
    r.od = static_cast<double>(od);
    r.pxPoMetru = doKraja > od ? (desno - levo) / (doKraja - od) : 1.0_pr;
    return r;
}

TRazmeraSkice RazmeraPrelaza(const TVoz& voz, int levo, int desno) {
    const Prosireno duzina = voz.Vazi() ? voz.Odmak(voz.BrojSila()) : 0.0_pr;
    return RazmeraSkice(-duzina, voz.Raspon() + duzina, levo, desno);
}

TRazmeraSkice RazmeraPolozaja(std::span<const TVozUPolozaju> polozaji, int levo, int desno) {
    Prosireno od = 0, doKraja = polozaji.empty() ? 1.0_pr : polozaji.front().Raspon();
    for (const TVozUPolozaju& p : polozaji)
        for (const TSilaUPolozaju& s : p.Sile()) {
            od = std::min(od, s.x);
            doKraja = std::max(doKraja, s.x);
        }
    // Room for the supports and the labels of the outermost forces.
    const Prosireno rub = (doKraja - od) * 0.04_pr;
    return RazmeraSkice(od - rub, doKraja + rub, levo, desno);
}

std::string Broj3(Prosireno v, char sep) { return FormatFiksno(v, 3, sep); }

void IsprekidanaLinija(TPlatno& c, int x1, int y1, int x2, int y2, int crtica) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double duzina = std::hypot(dx, dy);
    crtica = std::max(crtica, 1);
    for (double t = 0; t < duzina; t += 2.0 * crtica) {
        const double kraj = std::min(duzina, t + crtica);
        c.PomeriNa(ZaokruziParno(x1 + dx * t / duzina), ZaokruziParno(y1 + dy * t / duzina));
        c.LinijaDo(ZaokruziParno(x1 + dx * kraj / duzina), ZaokruziParno(y1 + dy * kraj / duzina));
    }
}

void NacrtajSkicuVoza(TPlatno& c, const TMestoSkice& m, const TVozUPolozaju& polozaj, double x,
                      bool klasicno, char sep) {
    const TRazmeraSkice& r = m.razmera;
    c.Font().Podebljan = false;
    const int debljina = std::max(2, m.visina / 20);
    const int xLevo = r.X(0), xDesno = r.X(polozaj.Raspon());
    c.Olovka() = {kCrna, debljina};
    Linija(c, xLevo, m.yGrede, xDesno, m.yGrede);
    Oslonci(c, m, xLevo, xDesno, debljina);

    // The longest arrow for the largest force, none shorter than half of it.
    double najveca = 0;
    for (const TSilaUPolozaju& s : polozaj.Sile()) najveca = std::max(najveca, s.P);
    const int glava = std::max(3, m.visina / 12);
    const int vrhGrede = m.yGrede - debljina / 2 - 1;
    for (const TSilaUPolozaju& s : polozaj.Sile()) {
        const double udeo = najveca > 0 ? s.P / najveca : 1.0;
        const int vrh = vrhGrede - ZaokruziParno(m.visina * (0.5 + 0.5 * udeo));
        c.Olovka() = {Boja(s, klasicno), std::max(1, debljina / 2)};
        Strela(c, r.X(s.x), vrh, vrhGrede, glava);
    }

    // The labels on two lines over the longest arrow, left to right: each on
    // the lower line where it is free, else on the line whose last label
    // ends farther left.
    std::vector<const TSilaUPolozaju*> redom;
    for (const TSilaUPolozaju& s : polozaj.Sile()) redom.push_back(&s);
    std::stable_sort(redom.begin(), redom.end(),
                     [](const TSilaUPolozaju* a, const TSilaUPolozaju* b) { return a->x < b->x; });
    const int linija = vrhGrede - m.visina - m.slova - 2;
    std::array<int, 2> desniKraj{-1'000'000, -1'000'000};
    for (const TSilaUPolozaju* s : redom) {
        std::string natpis = "P";
        natpis += std::to_string(s->Sila) + "=" + FormatBroja(s->P, sep);
        const int sirina = SirinaTeksta(natpis, m.slova);
        const int levoNatpisa = r.X(s->x) - sirina / 2;
        const std::size_t red =
            levoNatpisa > desniKraj[0] + m.slova / 3 || desniKraj[0] <= desniKraj[1] ? 0 : 1;
        desniKraj[red] = levoNatpisa + sirina;
        c.Font().Boja = Boja(*s, klasicno);
        c.Tekst(levoNatpisa, linija - (m.slova + 2) * static_cast<int>(red), natpis);
    }

    // The section, through the arrows and the beam.
    const int xx = r.X(x);
    c.Olovka() = {kCrvena, 1};
    IsprekidanaLinija(c, xx, m.yGrede - m.visina - 2 * m.slova, xx, m.yGrede + m.visina / 2,
                      std::max(2, m.slova / 3));
    c.Font().Boja = kCrvena;
    c.Tekst(xx + 3, m.yGrede + m.visina / 2 - m.slova, "x");

    // P1's abscissa from the left support.
    const Prosireno p1 = polozaj.PolozajP1();
    const int xp = r.X(p1);
    const int yKote = m.yGrede + m.visina * 3 / 4;
    const int crtica = std::max(3, m.slova / 2);
    c.Olovka() = {kCrna, 1};
    Linija(c, xLevo, yKote - crtica, xLevo, yKote + crtica);
    Linija(c, xp, yKote - crtica, xp, yKote + crtica);
    Linija(c, std::min(xLevo, xp), yKote, std::max(xLevo, xp), yKote);
    const std::string kota = "P1 na " + Broj3(p1, sep) + " m";
    c.Font().Boja = kCrna;
    c.Tekst(std::min(xLevo, xp), yKote + 3, kota);
}
