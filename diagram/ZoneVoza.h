// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "VozNaGredi.h"

/// The zone quantities of a train, k = 1..n (index k - 1): the resultant,
/// the zone lengths, the moment equations' vertices and maxima, and the
/// zone whose maximum governs. Each quantity is rounded to double once.
struct TZoneVoza {
    double R = 0;
    double xR = 0;
    std::array<double, 6> lambda{};
    std::array<double, 6> a{};
    std::array<double, 6> Mlevo{};
    std::array<double, 6> teme{};
    std::array<double, 6> maxM{};
    /// The governing zone, 1-based: the largest maximum, ties to the
    /// higher zone.
    std::int32_t g = 1;

    explicit TZoneVoza(const TVozNaGredi& voz);

    double Mgov() const { return maxM[g - 1]; }
    double xgov() const { return teme[g - 1]; }
};
