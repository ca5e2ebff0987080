// SPDX-License-Identifier: GPL-3.0-or-later
#include "PojasQ.h"

#include <algorithm>

void NacrtajPojasQ(TPlatno& c, const TMestoSkice& m, const TDeoniceQ& q) {
    const int dole = m.yGrede - std::max(2, m.visina / 20);
    const int visina = std::max(4, m.visina / 4);
    const int gore = dole - visina;
    c.Olovka() = {kBojaProracunskog, 1};
    for (std::int32_t i = 0; i < q.Broj; ++i) {
        const TDeonica& d = q.Deonice[static_cast<std::size_t>(i)];
        const int levo = m.razmera.X(d.Od), desno = m.razmera.X(d.Do);
        if (desno <= levo) continue;
        c.PomeriNa(levo, dole);
        c.LinijaDo(levo, gore);
        c.LinijaDo(desno, gore);
        c.LinijaDo(desno, dole);
        // Hatching from the bottom left to the top right, a band's height
        // apart, each stroke clipped to the stretch.
        const int korak = std::max(4, visina / 2);
        for (int x = levo - visina + korak; x < desno; x += korak) {
            const int x0 = std::max(x, levo), x1 = std::min(x + visina, desno);
            c.PomeriNa(x0, dole - (x0 - x));
            c.LinijaDo(x1, dole - (x1 - x));
        }
        // Left of the band at its height: the section line may stand at
        // either of its ends, the arrows over it.
        if (i == 0) {
            c.Font().Boja = kBojaProracunskog;
            c.Tekst(levo - m.slova * 2 / 3 - 2, (gore + dole - m.slova) / 2, "q");
        }
    }
}
