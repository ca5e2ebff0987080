// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabelaRaspona.h"

#include <cmath>

#include "ApsolutniMaksimum.h"
#include "Manjak.h"
#include "Prosireno.h"

namespace {

// Steps that reach Do but for rounding of the division still count.
constexpr double kTolerancija = 1e-9;

// The number of spans, or 0 beyond the limit.
std::size_t BrojRaspona(const TOpsegRaspona& o) {
    const double koraka = std::floor((o.Do - o.Od) / o.Korak + kTolerancija);
    if (!(koraka + 1 <= static_cast<double>(kNajviseRaspona))) return 0;
    return static_cast<std::size_t>(koraka) + 1;
}

}  // namespace

std::vector<double> Rasponi(const TOpsegRaspona& o) {
    const std::size_t n = BrojRaspona(o);
    std::vector<double> L(n);
    for (std::size_t i = 0; i < n; ++i) L[i] = o.Od + static_cast<double>(i) * o.Korak;
    if (n > 0 && std::fabs(L.back() - o.Do) <= kTolerancija * o.Korak) L.back() = o.Do;
    return L;
}

std::string GreskaOpsega(const TModelOpterecenja& m, const TOpsegRaspona& o,
                         const TProracunskaDejstva& osnova) {
    if (!std::isfinite(o.Od) || !(o.Od > 0)) return "pocetni raspon mora biti veci od 0";
    if (!std::isfinite(o.Do) || !(o.Do >= o.Od))
        return "krajnji raspon ne sme biti manji od pocetnog";
    if (!std::isfinite(o.Korak) || !(o.Korak > 0)) return "korak mora biti veci od 0";
    if (BrojRaspona(o) == 0)
        return "previse raspona (najvise " + std::to_string(kNajviseRaspona) + ")";
    for (const double L : Rasponi(o)) {
        const TVoz voz = m.Voz(L);
        if (!DejstvaVaze(m.Dejstva(L, osnova), voz.R(), L)) return std::string(kPorukaDejstava);
    }
    return {};
}

std::vector<TRedRaspona> TabelaRaspona(const TModelOpterecenja& m, const TOpsegRaspona& o,
                                       const TProracunskaDejstva& osnova, TSmerVoza smer) {
    std::vector<TRedRaspona> tabela;
    for (const double L : Rasponi(o)) {
        const TVoz voz = m.Voz(L);
        TRedRaspona red{L, Merodavno(voz, m.Dejstva(L, osnova), smer), std::nullopt};
        if (voz.StajeNaRaspon()) {
            // Without q the characteristic maximum is the train's own.
            const double tacno = m.q == 0 ? red.Merodavno.Karakteristicne.Mmax.Vrednost
                                          : ApsolutniMaksimum(voz, smer).M;
            const double mgov = voz.Jednacina(voz.ZonaMaksimuma()).MaxM;
            red.ManjakM = ManjakProcenat(mgov, tacno, static_cast<Prosireno>(voz.R()) * L);
        }
        tabela.push_back(red);
    }
    return tabela;
}
