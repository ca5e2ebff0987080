// SPDX-License-Identifier: GPL-3.0-or-later
#include "PojasManjka.h"

#include "Manjak.h"

bool KlasicnoManje(TVelicina v, double klasicno, double tacno, Prosireno skala) {
    const Prosireno manjak = static_cast<Prosireno>(tacno) - klasicno;
    return (v == TVelicina::MinT ? -manjak : manjak) > kZaokruzivanje * skala;
}

void NacrtajPojasManjka(TPlatno& c, const TOkvirDijagrama& o, const TAnvelopaPoKolonama& a) {
    for (const TVelicina v : kVelicine) {
        const TKolonaVelicine& k = a[v];
        const Prosireno skala = k.Skala;
        std::size_t i = 0;
        while (i < k.Tacno.size()) {
            if (!KlasicnoManje(v, k.Klasicno[i], k.Tacno[i], skala)) {
                ++i;
                continue;
            }
            const std::size_t od = i;
            while (i < k.Tacno.size() && KlasicnoManje(v, k.Klasicno[i], k.Tacno[i], skala)) ++i;
            std::vector<TTacka> temena;
            temena.reserve(2 * (i - od));
            for (std::size_t j = od; j < i; ++j)
                temena.push_back({static_cast<int>(o.x0 + static_cast<std::int64_t>(j)),
                                  Red(o, v, k.Klasicno[j])});
            for (std::size_t j = i; j-- > od;)
                temena.push_back(
                    {static_cast<int>(o.x0 + static_cast<std::int64_t>(j)), Red(o, v, k.Tacno[j])});
            c.PopuniPoligon(temena, kBojaManjka);
        }
    }
}
