// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoredjenjeAnvelopa.h"

#include <algorithm>
#include <cmath>

#include "ProracunLastovar.h"

namespace {

// Differences below this share of the quantity's scale (R*L for moments, R
// for shears) are rounding of two different formulas, not a shortfall.
constexpr long double kZaokruzivanje = 1e-12L;

TPoredjenje Poredi(double klasicno, const TEkstrem& tacno, long double skala) {
    const long double razlika = static_cast<long double>(tacno.Vrednost) - klasicno;
    const bool manjak = tacno.Vrednost != 0 && std::fabs(razlika) > kZaokruzivanje * skala;
    return {klasicno, tacno, manjak ? static_cast<double>(100 * razlika / tacno.Vrednost) : 0.0};
}

// Shortfalls that differ only by rounding are equal, so a plateau of them is
// found at its first section.
void Zabelezi(std::optional<TNajveciManjak>& najveci, const TPoredjenje& p, std::int32_t red) {
    if (p.ManjakProcenat > 0 &&
        (!najveci || p.ManjakProcenat - najveci->Procenat > 100 * kZaokruzivanje))
        najveci = TNajveciManjak{p.ManjakProcenat, red};
}

}  // namespace

TTabelaPoredjenja TPoredjenjeAnvelopa::Tabela(const TPodaci& d, std::int32_t brojSila,
                                              std::int32_t brojPreseka, TSmerVoza smer) {
    TTabelaPoredjenja t;
    if (brojPreseka < 1) return t;
    const double L = d.Raspon();
    const double P[] = {d.P1(), d.P2(), d.P3(), d.P4(), d.P5(), d.P6()};
    const double Ls[] = {d.Rastojanje1(), d.Rastojanje2(), d.Rastojanje3(), d.Rastojanje4(),
                         d.Rastojanje5()};
    long double R = 0;
    for (std::int32_t i = 0; i < brojSila && i < 6; ++i) R += P[i];
    const long double skalaM = R * L;

    // The report's sections: the spacing is rounded to double first, and a
    // last section that rounds a little past L is read at the support.
    const double korak = static_cast<double>(static_cast<long double>(L) / brojPreseka);
    t.Redovi.reserve(static_cast<std::size_t>(brojPreseka) + 1);
    for (std::int32_t i = 0; i <= brojPreseka; ++i) {
        const double x = std::min(static_cast<double>(static_cast<long double>(i) * korak), L);
        const auto klasicno = [&](auto operacija) {
            return operacija(brojSila, x, L, P[0], P[1], P[2], P[3], P[4], P[5], Ls[0], Ls[1],
                             Ls[2], Ls[3], Ls[4]);
        };
        const TTacnaAnvelopaUPreseku tacno = TTacnaAnvelopa::UPreseku(d, brojSila, x, smer);
        // MaxT and MinT return maxT and minT negated; + 0.0 keeps a zero unsigned.
        const TRedPoredjenja red{x, Poredi(klasicno(TProracun::ExtM), tacno.ExtM, skalaM),
                                 Poredi(-klasicno(TProracun::MaxT) + 0.0, tacno.MaxT, R),
                                 Poredi(-klasicno(TProracun::MinT) + 0.0, tacno.MinT, R)};
        Zabelezi(t.ExtM, red.ExtM, i);
        Zabelezi(t.MaxT, red.MaxT, i);
        Zabelezi(t.MinT, red.MinT, i);
        t.Redovi.push_back(red);
    }
    return t;
}
