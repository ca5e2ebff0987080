// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManjakKlasicnog.h"

#include <algorithm>
#include <cmath>

#include "FormatBroja.h"
#include "Manjak.h"
#include "PreseciIzvestaja.h"
#include "Prosireno.h"

namespace {

// The report's section nearest to the column's where one lies within the
// column, else the column's own.
Prosireno Presek(const TOkvirDijagrama& okvir, std::size_t kolona, std::int32_t brojPreseka) {
    const double x = okvir.Uzorak(static_cast<std::int64_t>(kolona));
    const double korak = KorakPreseka(okvir.L, brojPreseka);
    if (!(korak > 0)) return x;
    const auto i = static_cast<std::int32_t>(
        std::clamp(std::lround(x / korak), 0L, static_cast<long>(brojPreseka)));
    const Prosireno presek = ApscisaPreseka(korak, i);
    return std::fabs(presek - x) <= okvir.s / 2 ? presek : x;
}

}  // namespace

std::vector<TManjakKlasicnog> ManjakKlasicnog(const TOkvirDijagrama& okvir,
                                              const TAnvelopaPoKolonama& a,
                                              std::int32_t brojPreseka) {
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
            manjkovi.push_back({v, procenat, Presek(okvir, kolona, brojPreseka)});
    }
    return manjkovi;
}

std::string TekstManjka(const TManjakKlasicnog& m, char sep) {
    std::string tekst(ImeVelicine(m.Velicina));
    tekst += " manji za " + FormatInzenjerski(m.Procenat, TJedinica::Procenat, sep) +
             " % tacnog vrha u preseku x = " + FormatInzenjerski(m.x, TJedinica::m, sep) + " [m]";
    return tekst;
}

std::string TekstUpozorenja(const std::vector<TManjakKlasicnog>& manjkovi, char sep) {
    if (manjkovi.empty()) return {};
    std::string tekst = kPocetakUpozorenja;
    for (std::size_t i = 0; i < manjkovi.size(); ++i)
        tekst += (i == 0 ? " " : "; ") + TekstManjka(manjkovi[i], sep);
    return tekst;
}
