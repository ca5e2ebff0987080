// SPDX-License-Identifier: GPL-3.0-or-later
#include "VelicinaCrteza.h"

#include <cmath>
#include <limits>

#include "Zaokruzivanje.h"

std::optional<TVelicinaCrteza> VelicinaCrteza(int sirinaPapira, int visinaPapira,
                                              double faktorSkaliranja) {
    if (!(faktorSkaliranja > 0) || !std::isfinite(faktorSkaliranja)) return std::nullopt;
    const double sirina = sirinaPapira / faktorSkaliranja;
    const double visina = visinaPapira / (0.8 * faktorSkaliranja);
    constexpr double kNajvise = std::numeric_limits<std::int32_t>::max();
    if (!(sirina < kNajvise) || !(std::abs(visina) < kNajvise)) return std::nullopt;
    const TVelicinaCrteza v{ZaokruziParno(sirina), ZaokruziParno(visina)};
    if (v.Sirina <= kNajuziCrtez) return std::nullopt;
    return v;
}
