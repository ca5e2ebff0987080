// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoredjenjeAnvelopa.h"

#include <algorithm>

#include "Manjak.h"

namespace {

TPoredjenje Poredi(Prosireno klasicno, const TEkstrem& tacno, Prosireno skala) {
    return {klasicno, tacno, ManjakProcenat(klasicno, tacno.Vrednost, skala)};
}

// Shortfalls that differ only by rounding are equal, so a plateau of them is
// found at its first section.
void Zabelezi(std::optional<TNajveciManjak>& najveci, const TPoredjenje& p, std::int32_t red) {
    if (p.ManjakProcenat > 0 &&
        (!najveci || p.ManjakProcenat - najveci->Procenat > 100 * kZaokruzivanje))
        najveci = TNajveciManjak{p.ManjakProcenat, red};
}

}  // namespace

TTabelaPoredjenja TPoredjenjeAnvelopa::Tabela(const TProracunIzvestaja& proracun, TSmerVoza smer) {
    TTabelaPoredjenja t;
    const TVoz& voz = proracun.Voz;
    const double L = voz.Raspon();
    const Prosireno R = voz.R();
    const Prosireno skalaM = R * L;
    const TTacnaAnvelopa tacna(voz);

    t.Redovi.reserve(proracun.Preseci.size());
    for (const TRedPreseka& presek : proracun.Preseci) {
        const double x = std::min(static_cast<double>(presek.x), L);
        // The report leaves out the extM line of a last section that
        // rounding carried more than its tolerance past L; the calculator
        // stands in for it at the support.
        const Prosireno extM = presek.ExtM.empty() ? voz.ExtM(x) : presek.ExtM.front().M;
        const TTacnaAnvelopaUPreseku e = tacna.UPreseku(x, smer);
        const std::int32_t i = static_cast<std::int32_t>(t.Redovi.size());
        const TRedPoredjenja red{presek.x, Poredi(extM, e.ExtM, skalaM),
                                 Poredi(presek.MaxT, e.MaxT, R), Poredi(presek.MinT, e.MinT, R)};
        Zabelezi(t.ExtM, red.ExtM, i);
        Zabelezi(t.MaxT, red.MaxT, i);
        Zabelezi(t.MinT, red.MinT, i);
        t.Redovi.push_back(red);
    }
    return t;
}
