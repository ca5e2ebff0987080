// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

/// Rounds to the nearest integer, halves to the even neighbour, as every
/// device coordinate of the drawing is rounded. Values beyond the 32-bit
/// range (and NaN, at the low end) saturate, so extreme print factors give
/// far-off coordinates rather than undefined ones.
inline std::int32_t ZaokruziParno(long double v) {
    constexpr long double kNajmanji = std::numeric_limits<std::int32_t>::min();
    constexpr long double kNajveci = std::numeric_limits<std::int32_t>::max();
    if (!(v >= kNajmanji)) return std::numeric_limits<std::int32_t>::min();
    if (v >= kNajveci) return std::numeric_limits<std::int32_t>::max();
    long double ceo = std::floor(v);
    const long double ostatak = v - ceo;
    if (ostatak > 0.5L || (ostatak == 0.5L && std::fmod(ceo, 2.0L) != 0)) ceo += 1;
    return static_cast<std::int32_t>(ceo);
}
