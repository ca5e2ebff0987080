// SPDX-License-Identifier: GPL-3.0-or-later
#include "TacnaAnvelopaDijagram.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "TacnaAnvelopa.h"
#include "Zaokruzivanje.h"

namespace {

using Prosireno = long double;

// Dashes in device columns, drawn by the drawing itself: a pen's dash
// pattern would start afresh on every one-column segment and look solid.
struct TCrtice {
    std::int64_t duzina;
    std::int64_t period;

    explicit TCrtice(double W)
        : duzina(std::max<std::int64_t>(4, ZaokruziParno(W / 100))), period(duzina * 3 / 2) {}

    bool Vidljiva(std::int64_t kolona) const { return kolona % period < duzina; }
};

void Kriva(TPlatno& c, const TOkvirDijagrama& o, const TCrtice& crtice, const std::vector<int>& y) {
    c.PomeriNa(o.x0, y[0]);
    for (std::size_t i = 1; i < y.size(); ++i) {
        const int x = static_cast<int>(o.x0 + static_cast<std::int64_t>(i));
        if (crtice.Vidljiva(static_cast<std::int64_t>(i) - 1))
            c.LinijaDo(x, y[i]);
        else
            c.PomeriNa(x, y[i]);
    }
}

void Legenda(TPlatno& c, const TOkvirDijagrama& o, const TCrtice& crtice) {
    const int gore = ZaokruziParno(static_cast<Prosireno>(o.y0) / 4);
    // Half the text's height: the size figure is in points, negative for a
    // font given by its height.
    const Prosireno visina =
        std::abs(c.VelicinaFonta()) * static_cast<Prosireno>(c.TacakaPoIncu()) / 72;
    const int sredina = ZaokruziParno(gore + visina / 2);
    std::int64_t x = o.x0;
    for (int k = 0; k < 3; ++k, x += crtice.period) {
        c.PomeriNa(static_cast<int>(x), sredina);
        c.LinijaDo(static_cast<int>(x + crtice.duzina), sredina);
    }
    c.Font().Boja = kBojaTacneAnvelope;
    c.Tekst(static_cast<int>(x), gore, "tacna anvelopa");
}

}  // namespace

void NacrtajTacnuAnvelopu(TPlatno& c, const TOkvirDijagrama& o, const TVoz& voz) {
    // At the classical curves' samples.
    const TTacnaAnvelopa tacna(voz);
    const std::size_t kolona = static_cast<std::size_t>(o.Sirina()) + 1;
    std::vector<int> yM(kolona), yMax(kolona), yMin(kolona);
    for (std::size_t i = 0; i < kolona; ++i) {
        const TTacnaAnvelopaUPreseku a =
            tacna.UPreseku(o.Uzorak(static_cast<std::int64_t>(i)), TSmerVoza::Napred);
        // The report's signs; the diagram draws moments down, maxT up and minT down.
        yM[i] = ZaokruziParno(Prosireno{a.ExtM.Vrednost} * o.kM + o.y0);
        yMax[i] = ZaokruziParno(-Prosireno{a.MaxT.Vrednost} * o.kT + o.y1);
        yMin[i] = ZaokruziParno(-Prosireno{a.MinT.Vrednost} * o.kT + o.y1);
    }

    const TOlovka olovka = c.Olovka();
    c.Olovka() = {kBojaTacneAnvelope, o.stampa ? 2 : 1};
    const TCrtice crtice(o.W);
    Kriva(c, o, crtice, yM);
    Kriva(c, o, crtice, yMax);
    Kriva(c, o, crtice, yMin);
    Legenda(c, o, crtice);
    c.Olovka() = olovka;
}
