// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManjakKlasicnog.h"

#include <cmath>

#include "FormatBroja.h"
#include "Manjak.h"
#include "Prosireno.h"

std::vector<TManjakKlasicnog> ManjakKlasicnog(const TOkvirDijagrama& okvir,
                                              const TAnvelopaPoKolonama& a) {
    std::vector<TManjakKlasicnog> manjkovi;
    for (const TVelicina v : kVelicine) {
        const TKolonaVelicine& k = a[v];
        // minT is negative: it falls short where it lies above the exact one.
        const double znak = v == TVelicina::MinT ? -1.0 : 1.0;
        double vrh = 0;
        for (const double t : k.Tacno) vrh = std::fmax(vrh, znak * t);
        if (!(vrh > 0)) continue;
        // Shortfalls equal but for rounding are equal: a plateau of them is
        // found at its first column.
        const Prosireno zaokruzivanje = kZaokruzivanje * k.Skala;
        double najveci = 0;
        std::size_t kolona = 0;
        for (std::size_t i = 0; i < k.Tacno.size(); ++i) {
            const double manjak = znak * (k.Tacno[i] - k.Klasicno[i]);
            if (manjak > najveci + zaokruzivanje) {
                najveci = manjak;
                kolona = i;
            }
        }
        const double procenat = 100 * najveci / vrh;
        if (procenat > kPragUpozorenja)
            manjkovi.push_back({v, procenat, okvir.Uzorak(static_cast<std::int64_t>(kolona))});
    }
    return manjkovi;
}

std::string TekstUpozorenja(const std::vector<TManjakKlasicnog>& manjkovi, char sep) {
    if (manjkovi.empty()) return {};
    std::string tekst = "Klasicni proracun je na strani nesigurnosti:";
    for (std::size_t i = 0; i < manjkovi.size(); ++i) {
        const TManjakKlasicnog& m = manjkovi[i];
        tekst += i == 0 ? " " : "; ";
        tekst += ImeVelicine(m.Velicina);
        tekst += " manji za " + FormatFiksno(m.Procenat, 1, sep) +
                 " % tacnog vrha u preseku x = " + FormatFiksno(m.x, 3, sep) + " [m]";
    }
    return tekst;
}
