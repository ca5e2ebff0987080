// SPDX-License-Identifier: GPL-3.0-or-later
#include "TacnaAnvelopaDijagram.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "Prosireno.h"
#include "Zaokruzivanje.h"

namespace {

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

void NacrtajTacnuAnvelopu(TPlatno& c, const TOkvirDijagrama& o, const TAnvelopaPoKolonama& a) {
    const TOlovka olovka = c.Olovka();
    c.Olovka() = {kBojaTacneAnvelope, o.stampa ? 2 : 1};
    const TCrtice crtice(o.W);
    for (const TVelicina v : kVelicine) {
        const std::vector<double>& tacno = a[v].Tacno;
        std::vector<int> y(tacno.size());
        for (std::size_t i = 0; i < tacno.size(); ++i) y[i] = Red(o, v, tacno[i]);
        if (!y.empty()) Kriva(c, o, crtice, y);
    }
    Legenda(c, o, crtice);
    c.Olovka() = olovka;
}
