// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrelazVozaCrtez.h"

#include <algorithm>
#include <string>
#include <vector>

#include "AnvelopaPoKolonama.h"
#include "Crtanje.h"
#include "Prosireno.h"
#include "SkicaVoza.h"
#include "TacnaAnvelopaDijagram.h"
#include "Zaokruzivanje.h"

namespace {

// Samples a column apart whose rows step alike lie on one device line: they
// are drawn as one segment, which leaves every pixel where it was.
void Kriva(TPlatno& c, int x0, const std::vector<int>& y) {
    if (y.empty()) return;
    c.PomeriNa(x0, y[0]);
    std::size_t i = 0;
    // Rows saturate at the ends of the 32-bit range: their steps do not fit it.
    const auto korak = [&y](std::size_t i) { return std::int64_t{y[i + 1]} - y[i]; };
    while (i + 1 < y.size()) {
        std::size_t j = i + 1;
        while (j + 1 < y.size() && korak(j) == korak(i)) ++j;
        c.LinijaDo(x0 + static_cast<int>(j), y[j]);
        i = j;
    }
}

// The classical envelope a unit right of and below the exact one as well as
// on its own line, so that both show where they coincide: thin lines, which
// cost a frame of the crossing far less than a wide pen.
template <class Y>
void Anvelope(TPlatno& c, const TKolonaVelicine& k, int x0, Y y) {
    const auto redovi = [&](const std::vector<double>& vrednosti, int pomak) {
        std::vector<int> r(vrednosti.size());
        for (std::size_t i = 0; i < vrednosti.size(); ++i) r[i] = y(vrednosti[i]) + pomak;
        return r;
    };
    c.Olovka() = {kPlava, 1};
    Kriva(c, x0 + 1, redovi(k.Klasicno, 0));
    Kriva(c, x0, redovi(k.Klasicno, 1));
    Kriva(c, x0, redovi(k.Klasicno, 0));
    c.Olovka() = {kBojaTacneAnvelope, 1};
    Kriva(c, x0, redovi(k.Tacno, 0));
}

// Beside the section's line, both sides, from the row `y` outward over the
// box's height: where a label of the section may stand.
std::vector<TTacka> UzPresek(int xs, int y, int w, int h, const TOkvir& okvir) {
    std::vector<TTacka> mesta;
    const int korak = std::max(2, h / 2);
    for (int k = 0; k < 2 * okvir.Visina() / korak + 2; ++k) {
        const int yy = y + (k % 2 == 0 ? 1 : -1) * ((k + 1) / 2) * korak;
        if (yy < okvir.gore || yy + h > okvir.dole) continue;
        mesta.push_back({xs + 4, yy});
        mesta.push_back({xs - 4 - w, yy});
    }
    return mesta;
}

struct TPrelaz {
    TCrtezPolozaja& d;
    const TVoz& voz;
    const TUlazPolozaja& u;
    TVozUPolozaju p;
    TRazmeraSkice r;
    TOkvirDijagrama o;
    TAnvelopaPoKolonama a;

    void Moment(const TOkvir& okvir);
    void Smicanje(const TOkvir& okvir);
};

void TPrelaz::Moment(const TOkvir& okvir) {
    TPlatnoNatpisa& c = d.c;
    const Prosireno L = voz.Raspon(), x = u.x;
    const int osa = okvir.gore + d.slova / 2;
    double vrh = 0;
    for (const double m : a[TVelicina::ExtM].Tacno) vrh = std::max(vrh, m);
    for (const double m : a[TVelicina::ExtM].Klasicno) vrh = std::max(vrh, m);
    const int dubina = okvir.dole - osa - 2;
    const Prosireno kM = dubina / (vrh > 0 ? vrh : 1.0);
    const auto y = [&](Prosireno m) { return URedu(osa + m * kM, okvir.gore, osa + dubina); };
    Anvelope(c, a[TVelicina::ExtM], o.x0, y);
    c.Olovka() = {kCrna, 2};
    Linija(c, r.X(0), osa, r.X(L), osa);

    // The diagram is straight between the forces on the span.
    std::vector<Prosireno> temena{0, L};
    for (const TSilaUPolozaju& s : p.Sile())
        if (s.NaRasponu) temena.push_back(s.x);
    std::sort(temena.begin(), temena.end());
    c.Olovka() = {kCrna, 2};
    c.PomeriNa(r.X(0), osa);
    for (const Prosireno t : temena) c.LinijaDo(r.X(t), y(p.M(t)));

    const Prosireno M = p.M(x);
    const int xs = r.X(x);
    c.Olovka() = {kCrvena, 1};
    IsprekidanaLinija(c, xs, okvir.gore, xs, okvir.dole, std::max(2, d.slova / 4));
    const std::string natpis = "M(x) = " + d.B(M) + " kNm";
    d.Font(kCrvena, true);
    const TVelicinaTeksta v = c.VelicinaTeksta(natpis);
    c.Natpis(UzPresek(xs, y(M) + 3, v.sirina, v.visina, okvir), natpis, okvir);
}

void TPrelaz::Smicanje(const TOkvir& okvir) {
    TPlatnoNatpisa& c = d.c;
    const Prosireno L = voz.Raspon(), x = u.x;
    const int polovina = std::max(1, okvir.Visina() / 2 - 2);
    const int osa = okvir.gore + okvir.Visina() / 2;
    const Prosireno kT = polovina / (voz.R() > 0 ? voz.R() : 1.0);
    const auto y = [&](Prosireno t) { return URedu(osa - t * kT, osa - polovina, osa + polovina); };
    for (const TVelicina v : {TVelicina::MaxT, TVelicina::MinT}) Anvelope(c, a[v], o.x0, y);
    c.Olovka() = {kCrna, 2};
    Linija(c, r.X(0), osa, r.X(L), osa);

    // A step at each force inside the span, from the reaction A up at the
    // left support to -B at the right one. A force on a support goes
    // straight into it: no step, and none of its share in the reactions.
    std::vector<Prosireno> sile;
    for (const TSilaUPolozaju& s : p.Sile())
        if (s.x > 0 && s.x < L) sile.push_back(s.x);
    std::sort(sile.begin(), sile.end());
    sile.erase(std::unique(sile.begin(), sile.end()), sile.end());
    c.Olovka() = {kCrna, 2};
    c.PomeriNa(r.X(0), osa);
    c.LinijaDo(r.X(0), y(p.TDesno(0)));
    for (const Prosireno s : sile) {
        c.LinijaDo(r.X(s), y(p.TLevo(s)));
        c.LinijaDo(r.X(s), y(p.TDesno(s)));
    }
    c.LinijaDo(r.X(L), y(p.TLevo(L)));
    c.LinijaDo(r.X(L), osa);

    const int xs = r.X(x);
    c.Olovka() = {kCrvena, 1};
    IsprekidanaLinija(c, xs, okvir.gore, xs, okvir.dole, std::max(2, d.slova / 4));
    const std::string natpis = "T(x) = " + d.B(p.TLevo(x)) + " / " + d.B(p.TDesno(x)) + " kN";
    d.Font(kCrvena, true);
    const TVelicinaTeksta v = c.VelicinaTeksta(natpis);
    c.Natpis(UzPresek(xs, okvir.gore, v.sirina, v.visina, okvir), natpis, okvir);
}

}  // namespace

bool NacrtajPrelaz(TCrtezPolozaja& d, const TOkvir& okvir, const TVoz& voz, const TUlazPolozaja& u,
                   bool samoProveri) {
    const int sirina = okvir.Sirina();
    const TVozUPolozaju p = TVozUPolozaju::SaP1(voz, u.obrnut, *u.p1);
    const TStanjePreseka stanje = p.UPreseku(u.x);
    const std::vector<std::string> naslov = NaslovPolozajaVoza(voz, u);
    const std::vector<std::string> preseku{
        "u preseku:", "M(x) = " + d.B(stanje.M) + " kNm,",
        "T(x) = " + d.B(stanje.TLevo) + " / " + d.B(stanje.TDesno) + " kN",
        "(levo / desno od preseka)"};
    const std::vector<std::string> momenti{"M [kNm]: voz u ovom polozaju,",
                                           "preko klasicne i tacne anvelope extM"};
    const std::vector<std::string> smicanje{"T [kN]: voz u ovom polozaju,",
                                            "preko klasicne i tacne anvelope maxT i minT"};
    const std::vector<std::string> legenda{
        "Plavo: klasicna anvelopa.", "Zeleno: tacna anvelopa (preko plave gde se poklapaju).",
        "Crno: dijagrami voza u ovom polozaju.", "Sivo: sila van raspona (ne nosi nista)."};
    const int red = d.Red();
    const int razmak = d.slova / 2;
    const int tekst = red * (d.Linija(naslov, sirina, true) + d.Linija(preseku, sirina, false) +
                             d.Linija(momenti, sirina, false) + d.Linija(smicanje, sirina, false) +
                             d.Linija(legenda, sirina, false));
    // What the texts and the sketch leave goes to the arrows, the moment and
    // the shear as 1 : 3 : 3, the arrows no longer than four letters.
    const int ostatak = okvir.Visina() - tekst - VisinaSkice(d, 0) - 4 * razmak;
    if (samoProveri) return ostatak / 7 >= d.slova;
    const int strele = std::clamp(ostatak / 7, 2, 4 * d.slova);
    const int grafici = std::max((ostatak - strele) / 2, 2 * d.slova);

    int y = okvir.gore;
    y = d.Pasus(okvir.levo, y, sirina, naslov, kCrna, true);
    y = d.Pasus(okvir.levo, y, sirina, preseku);
    const TRazmeraSkice r = RazmeraPrelaza(voz, okvir.levo + d.slova, okvir.desno - d.slova);
    TMestoSkice m{r, y + razmak, strele, okvir.levo, okvir.desno, true};
    m.saVrednostima = VrednostiStaju(d, m, p);
    NacrtajSkicuVoza(d, m, p, u.x, nullptr);
    y = m.vrh + VisinaSkice(d, m.visina) + razmak;

    // The envelopes at the columns of the span as this picture draws it.
    TOkvirDijagrama o;
    o.sadrzaj = TSadrzajCrteza::Dijagrami;
    o.x0 = r.X(0);
    o.x1 = r.X(voz.Raspon());
    o.L = voz.Raspon();
    o.s = o.Sirina() > 0 ? o.L / static_cast<double>(o.Sirina()) : 0;
    TPrelaz prelaz{
        d, voz, u, p, r, o, o.s > 0 ? AnvelopaPoKolonama(o, voz, u.smer) : TAnvelopaPoKolonama{}};
    y = d.Pasus(okvir.levo, y, sirina, momenti);
    prelaz.Moment({okvir.levo, y, okvir.desno, y + grafici});
    y += grafici + razmak;
    y = d.Pasus(okvir.levo, y, sirina, smicanje);
    prelaz.Smicanje({okvir.levo, y, okvir.desno, y + grafici});
    y += grafici + razmak;
    d.Pasus(okvir.levo, y, sirina, legenda);
    return true;
}
