// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProracunskaAnvelopaDijagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "AnvelopaPoKolonama.h"
#include "FormatBroja.h"
#include "NacrtajDijagrame.h"
#include "PojasQ.h"
#include "Prosireno.h"
#include "RazmeraDijagrama.h"
#include "Zaokruzivanje.h"

namespace {

void Kriva(TPlatno& c, const TOkvirDijagrama& o, const std::vector<int>& y) {
    c.PomeriNa(o.x0, y[0]);
    for (std::size_t i = 1; i < y.size(); ++i)
        c.LinijaDo(static_cast<int>(o.x0 + static_cast<std::int64_t>(i)), y[i]);
}

}  // namespace

TOkvirDijagrama NacrtajProracunskuAnvelopu(TPlatno& c, std::int32_t W, std::int32_t H,
                                           const TUlazProracunskog& u) {
    c.PopuniPozadinu(0, 0, W, H);
    const TVoz& voz = u.anvelopa.Voz();
    TOkvirDijagrama o(u.stampa, W, H, voz.Raspon());
    const TMerodavneVrednosti& m = u.merodavne;
    if (voz.Vazi() && o.Sirina() > 0 && o.s != 0) {
        o.kM = RazmeraDijagrama(o.H, m.Mmax.Vrednost);
        o.kT = RazmeraDijagrama(o.H, std::max(m.Tmax.Vrednost, -m.Tmin.Vrednost));
        o.sadrzaj = TSadrzajCrteza::Dijagrami;
    }
    NacrtajReferentneLinije(c, o);

    if (u.stampa) {
        c.Font() = u.fontStampe;
        c.Font().PostaviVelicinu(u.fontStampe.Velicina(c.TacakaPoIncu()));
    } else {
        c.Font().Podebljan = true;
        c.Font().PostaviVisinu(14);
    }
    // The labels' height in device units: the size figure is in points,
    // negative for a font given by its height.
    const int slova =
        ZaokruziParno(std::abs(c.VelicinaFonta()) * static_cast<Prosireno>(c.TacakaPoIncu()) / 72);
    c.Font().Boja = kBojaProracunskog;
    if (o.sadrzaj == TSadrzajCrteza::Dijagrami) {
        std::array<std::vector<int>, 3> y;
        for (std::int64_t i = 0; i <= o.Sirina(); ++i) {
            const TVrednostiAnvelope v = u.anvelopa.Vrednosti(o.Uzorak(i), u.smer);
            y[0].push_back(Red(o, TVelicina::ExtM, v.ExtM));
            y[1].push_back(Red(o, TVelicina::MaxT, v.MaxT));
            y[2].push_back(Red(o, TVelicina::MinT, v.MinT));
        }
        c.Olovka() = {kBojaProracunskog, u.stampa ? 4 : 2};
        for (const std::vector<int>& k : y) Kriva(c, o, k);

        // The governing values: the largest moment under its section, A at
        // the left support over the maxT curve, B at the right one under
        // the minT curve.
        const auto natpis = [&](double v) { return FormatFiksno(v, 3, u.decimalniSeparator); };
        c.Olovka() = {kBojaProracunskog, u.stampa ? 6 : 2};
        const int xM = o.Kolona(m.Mmax.x), yM = Red(o, TVelicina::ExtM, m.Mmax.Vrednost);
        c.PomeriNa(xM, o.y0);
        c.LinijaDo(xM, yM);
        c.Tekst(xM + slova / 2, yM + slova / 2, "Mmax = " + natpis(m.Mmax.Vrednost));
        const int yA = Red(o, TVelicina::MaxT, m.Amax.Vrednost);
        c.Tekst(o.x0 + slova / 2, yA - slova - slova / 2, "A = " + natpis(m.Amax.Vrednost));
        const std::string b = "B = " + natpis(m.Bmax.Vrednost);
        const int yB = Red(o, TVelicina::MinT, m.Tmin.Vrednost);
        c.Tekst(o.x1 - static_cast<int>(b.size()) * slova * 3 / 5, yB + slova / 2, b);
    }
    // The legend where the exact envelope's stands in the diagram window.
    const int gore = ZaokruziParno(static_cast<Prosireno>(o.y0) / 4);
    c.Olovka() = {kBojaProracunskog, u.stampa ? 4 : 2};
    c.PomeriNa(o.x0, gore + slova / 2);
    c.LinijaDo(o.x0 + 3 * slova, gore + slova / 2);
    c.Tekst(o.x0 + 4 * slova, gore, "proracunska anvelopa (Ed)");

    NacrtajNatpise(c, o, u.fontStampe);
    return o;
}
