// SPDX-License-Identifier: GPL-3.0-or-later
#include "VelicinaCrteza.h"

#include <cmath>
#include <limits>

#include "Zaokruzivanje.h"

std::variant<TVelicinaCrteza, TNeupotrebljivFaktor> VelicinaCrteza(int sirinaPapira,
                                                                   int visinaPapira,
                                                                   double faktorSkaliranja) {
    if (!(faktorSkaliranja > 0)) return TNeupotrebljivFaktor::NijePozitivan;
    // An infinite factor divides the paper down to nothing: too large.
    if (!std::isfinite(faktorSkaliranja)) return TNeupotrebljivFaktor::Preveliki;
    const double sirina = sirinaPapira / faktorSkaliranja;
    const double visina = visinaPapira / (0.8 * faktorSkaliranja);
    constexpr double kNajvise = std::numeric_limits<std::int32_t>::max();
    if (!(sirina < kNajvise) || !(std::abs(visina) < kNajvise))
        return TNeupotrebljivFaktor::Premali;
    const TVelicinaCrteza v{ZaokruziParno(sirina), ZaokruziParno(visina)};
    if (v.Sirina <= kNajuziCrtez) return TNeupotrebljivFaktor::Preveliki;
    return v;
}
