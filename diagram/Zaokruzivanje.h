// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "Prosireno.h"

/// Rounds to the nearest integer, halves to the even neighbour, as every
/// device coordinate of the drawing is rounded. Values beyond the 32-bit
/// range (and NaN, at the low end) saturate, so extreme print factors give
/// far-off coordinates rather than undefined ones.
inline std::int32_t ZaokruziParno(Prosireno v) {
    constexpr Prosireno kNajmanji = std::numeric_limits<std::int32_t>::min();
    constexpr Prosireno kNajveci = std::numeric_limits<std::int32_t>::max();
    if (!(v >= kNajmanji)) return std::numeric_limits<std::int32_t>::min();
    if (v >= kNajveci) return std::numeric_limits<std::int32_t>::max();
    Prosireno ceo = std::floor(v);
    const Prosireno ostatak = v - ceo;
    if (ostatak > 0.5_pr || (ostatak == 0.5_pr && std::fmod(ceo, 2.0_pr) != 0)) ceo += 1;
    return static_cast<std::int32_t>(ceo);
}
