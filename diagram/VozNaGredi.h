// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "PodaciZaProracun.h"

/// The train of n forces of a load case as the calculator is called with
/// it: P1..Pn and L1..L(n-1), zeros for the rest, and the span.
struct TVozNaGredi {
    std::int32_t n;
    std::array<double, 6> P{};
    std::array<double, 5> Ls{};
    double L;

    TVozNaGredi(const TPodaci& z, std::int32_t brojSila);

    double ExtM(double x) const;
    double MaxT(double x) const;
    double MinT(double x) const;
};
