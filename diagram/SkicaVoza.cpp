// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkicaVoza.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Crtanje.h"
#include "FormatBroja.h"
#include "PojasQ.h"
#include "Prosireno.h"
#include "Zaokruzivanje.h"

namespace {

// The sketch's rows, from the top of its labels down: the labels, a band
// for their leaders, the arrows onto the beam, the supports, the dimension.
struct TRedovi {
    int slova, natpis, vodji, vrhGrede, debljina, yGrede, oslonac, vrhOslonca, tlo, kota, dno;

    TRedovi(const TCrtezPolozaja& d, int vrh, int visina) {
        slova = d.slova;
        natpis = vrh;
        vodji = vrh + slova + std::max(3, slova / 2);
        vrhGrede = vodji + visina;
        debljina = std::max(2, slova / 6);
        yGrede = vrhGrede + debljina / 2 + 1;
        oslonac = std::max(4, slova * 2 / 5);
        vrhOslonca = yGrede + debljina;
        tlo = vrhOslonca + oslonac + std::max(2, oslonac / 4);
        kota = tlo + 3 + slova / 2;
        dno = kota + slova / 2 + 2;
    }
};

// The pin on the left, the roller on the right: a triangle under the beam's
// end on a ground line, the roller's lifted off it.
void Oslonci(TPlatno& c, const TRedovi& r, int xLevo, int xDesno) {
    const int s = r.oslonac;
    c.Olovka() = {kCrna, 1};
    for (const int x : {xLevo, xDesno}) {
        c.PomeriNa(x, r.vrhOslonca);
        c.LinijaDo(x - s * 3 / 5, r.vrhOslonca + s);
        c.LinijaDo(x + s * 3 / 5, r.vrhOslonca + s);
        c.LinijaDo(x, r.vrhOslonca);
    }
    Linija(c, xLevo - s, r.vrhOslonca + s, xLevo + s, r.vrhOslonca + s);
    Linija(c, xDesno - s, r.tlo, xDesno + s, r.tlo);
}

// Black on the span; beyond a support grey, or orange where the classical
// value counts the force all the same.
TBoja Boja(const TSilaUPolozaju& s, const TKlasicniPolozaj* klasicno) {
    if (s.NaRasponu) return kCrna;
    return klasicno && klasicno->Racuna(s.Sila) ? kBojaKlasicnoVan : kBojaVanRaspona;
}

void Strela(TPlatno& c, int x, int vrh, int vrhGrede, int glava) {
    Linija(c, x, vrh, x, vrhGrede);
    Linija(c, x - glava, vrhGrede - 2 * glava, x, vrhGrede);
    c.LinijaDo(x + glava, vrhGrede - 2 * glava);
}

std::vector<const TSilaUPolozaju*> SlevaNadesno(const TVozUPolozaju& polozaj) {
    std::vector<const TSilaUPolozaju*> redom;
    for (const TSilaUPolozaju& s : polozaj.Sile()) redom.push_back(&s);
    std::stable_sort(redom.begin(), redom.end(),
                     [](const TSilaUPolozaju* a, const TSilaUPolozaju* b) { return a->x < b->x; });
    return redom;
}

std::string Natpis(const TSilaUPolozaju& s, bool saVrednoscu, char sep) {
    std::string natpis = "P" + std::to_string(s.Sila);
    if (saVrednoscu) natpis += "=" + FormatBroja(s.P, sep) + " kN";
    return natpis;
}

// The labels' left edges along their row, and their widths.
struct TRedNatpisa {
    std::vector<const TSilaUPolozaju*> sile;
    std::vector<std::string> tekstovi;
    std::vector<int> sirine, sidra, levi;
};

TRedNatpisa RedNatpisa(TCrtezPolozaja& d, const TMestoSkice& m, const TVozUPolozaju& polozaj,
                       bool saVrednostima) {
    TRedNatpisa r;
    r.sile = SlevaNadesno(polozaj);
    d.Font(kCrna, false);
    for (const TSilaUPolozaju* s : r.sile) {
        r.tekstovi.push_back(Natpis(*s, saVrednostima, d.sep));
        r.sirine.push_back(d.c.VelicinaTeksta(r.tekstovi.back()).sirina);
        r.sidra.push_back(m.razmera.X(s->x));
    }
    r.levi = RasporediURed(r.sirine, r.sidra, d.slova / 2, m.levo, m.desno);
    return r;
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
    // Room for the supports and the arrows' heads at the ends.
    const Prosireno rub = (doKraja - od) * 0.02_pr;
    return RazmeraSkice(od - rub, doKraja + rub, levo, desno);
}

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

std::int32_t VisinaSkice(const TCrtezPolozaja& d, std::int32_t visina) {
    const TRedovi r(d, 0, visina);
    return r.dno;
}

bool VrednostiStaju(TCrtezPolozaja& d, const TMestoSkice& mesto, const TVozUPolozaju& polozaj) {
    const TRedNatpisa r = RedNatpisa(d, mesto, polozaj, true);
    return r.levi.empty() || r.levi.back() + r.sirine.back() <= mesto.desno;
}

void NacrtajSkicuVoza(TCrtezPolozaja& d, const TMestoSkice& m, const TVozUPolozaju& polozaj,
                      double presek, const TKlasicniPolozaj* klasicno, const TDeoniceQ* q) {
    TPlatnoNatpisa& c = d.c;
    const TRazmeraSkice& rz = m.razmera;
    const TRedovi r(d, m.vrh, m.visina);
    const TOkvir granice{m.levo, r.natpis, m.desno, r.dno};
    const int xLevo = rz.X(0), xDesno = rz.X(polozaj.Raspon());
    c.Olovka() = {kCrna, r.debljina};
    Linija(c, xLevo, r.yGrede, xDesno, r.yGrede);
    Oslonci(c, r, xLevo, xDesno);
    if (q)
        NacrtajPojasQ(d, rz, r.vrhGrede - std::max(2, m.visina / 20), std::max(4, m.visina / 4), *q,
                      granice);

    // The longest arrow for the largest force, none shorter than half of it.
    double najveca = 0;
    for (const TSilaUPolozaju& s : polozaj.Sile()) najveca = std::max(najveca, s.P);
    const int glava = std::max(3, d.slova / 4);
    const int vrhStrele = r.vrhGrede;
    const auto vrh = [&](const TSilaUPolozaju& s) {
        const double udeo = najveca > 0 ? s.P / najveca : 1.0;
        return vrhStrele - ZaokruziParno(m.visina * (0.5 + 0.5 * udeo));
    };
    for (const TSilaUPolozaju& s : polozaj.Sile()) {
        c.Olovka() = {Boja(s, klasicno), std::max(1, r.debljina / 2)};
        Strela(c, rz.X(s.x), vrh(s), vrhStrele, glava);
    }

    // The section, from the arrows' tops through the beam to the dimension.
    const int xx = rz.X(presek);
    const int crtica = std::max(2, d.slova / 4);
    c.Olovka() = {kCrvena, 1};
    IsprekidanaLinija(c, xx, r.vodji, xx, r.kota + d.slova / 2, crtica);

    // P1's abscissa from the left support.
    const Prosireno p1 = polozaj.PolozajP1();
    const int xp = rz.X(p1);
    const int kraj = std::max(3, d.slova / 3);
    c.Olovka() = {kCrna, 1};
    Linija(c, xLevo, r.kota - kraj, xLevo, r.kota + kraj);
    Linija(c, xp, r.kota - kraj, xp, r.kota + kraj);
    Linija(c, std::min(xLevo, xp), r.kota, std::max(xLevo, xp), r.kota);

    // The labels along their row, each moved aside no more than the others
    // make it, with a leader from the label to its arrow's line above the
    // arrows, and down that line to a shorter arrow's top.
    const TRedNatpisa red = RedNatpisa(d, m, polozaj, m.saVrednostima);
    for (std::size_t i = 0; i < red.sile.size(); ++i) {
        const TSilaUPolozaju& s = *red.sile[i];
        const int vlasnik = c.NoviVlasnik();
        const int sredina = red.levi[i] + red.sirine[i] / 2;
        const TBoja boja = Boja(s, klasicno);
        if (std::abs(sredina - red.sidra[i]) > 1) {
            c.Vlasnik = vlasnik;
            c.Olovka() = {boja, 1};
            Linija(c, sredina, r.natpis + d.slova + 1, red.sidra[i], r.vodji);
            if (vrh(s) > r.vodji) c.LinijaDo(red.sidra[i], vrh(s));
            c.Vlasnik = 0;
        }
        d.Font(boja, false);
        c.Natpis({{red.levi[i], r.natpis}}, red.tekstovi[i], granice, vlasnik);
    }

    // P1's dimension beside its line, as near to it along the row as is
    // free, before the section's mark, which fits in more places.
    const std::string kota = "P1 na " + d.B(p1) + " m";
    d.Font(kCrna, false);
    const TVelicinaTeksta v = c.VelicinaTeksta(kota);
    const int levo = std::min(xLevo, xp), desno = std::max(xLevo, xp);
    const int yKote = r.kota - v.visina / 2;
    std::vector<TTacka> mesta{{desno + 4, yKote}, {levo - 4 - v.sirina, yKote}};
    for (int pomak = d.slova / 2; pomak < m.desno - m.levo; pomak += d.slova / 2) {
        mesta.push_back({desno + 4 + pomak, yKote});
        mesta.push_back({levo - 4 - v.sirina - pomak, yKote});
    }
    c.Natpis(mesta, kota, granice);

    d.Font(kCrvena, false);
    const TVelicinaTeksta x = c.VelicinaTeksta("x");
    c.Natpis({{xx + 3, r.kota - x.visina / 2},
              {xx - 3 - x.sirina, r.kota - x.visina / 2},
              {xx + 3, r.vrhOslonca + 1},
              {xx - 3 - x.sirina, r.vrhOslonca + 1},
              {xx + 3, r.kota + 1},
              {xx - 3 - x.sirina, r.kota + 1}},
             "x", granice);
}
