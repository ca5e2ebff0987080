// SPDX-License-Identifier: GPL-3.0-or-later
#include "PojasQ.h"

#include <algorithm>
#include <vector>

void NacrtajPojasQ(TCrtezPolozaja& d, const TRazmeraSkice& razmera, int dole, int visina,
                   const TDeoniceQ& q, const TOkvir& granice) {
    TPlatnoNatpisa& c = d.c;
    const int gore = dole - visina;
    c.Olovka() = {kBojaProracunskog, 1};
    for (std::int32_t i = 0; i < q.Broj; ++i) {
        const TDeonica& deonica = q.Deonice[static_cast<std::size_t>(i)];
        const int levo = razmera.X(deonica.Od), desno = razmera.X(deonica.Do);
        if (desno <= levo) continue;
        c.PomeriNa(levo, dole);
        c.LinijaDo(levo, gore);
        c.LinijaDo(desno, gore);
        c.LinijaDo(desno, dole);
        // Hatching from the bottom left to the top right, half a band's
        // height apart, each stroke clipped to the stretch.
        const int korak = std::max(4, visina / 2);
        for (int x = levo - visina + korak; x < desno; x += korak) {
            const int x0 = std::max(x, levo), x1 = std::min(x + visina, desno);
            c.PomeriNa(x0, dole - (x0 - x));
            c.LinijaDo(x1, dole - (x1 - x));
        }
        if (i != 0) continue;
        // Beside the band at its height, left of it first: the section line
        // may stand at either of its ends and the arrows over it.
        d.Font(kBojaProracunskog, false);
        const TVelicinaTeksta v = c.VelicinaTeksta("q");
        const int y = (gore + dole - v.visina) / 2;
        std::vector<TTacka> mesta;
        for (int pomak = 3; pomak < 4 * d.slova; pomak += std::max(2, d.slova / 3)) {
            mesta.push_back({levo - pomak - v.sirina, y});
            mesta.push_back({desno + pomak, y});
        }
        c.Natpis(mesta, "q", granice);
    }
}
