// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

/// What the report's middle part reads of the load case: a train of F forces
/// (1..6) with the forces and spacings beyond it set to 0.0, the span and the
/// number n of sections, and the separator every number is written with.
struct UlazIzvestaja {
    std::int32_t F;
    std::array<double, 6> P;
    std::array<double, 5> Ls;
    double L;
    std::int32_t n;
    char separator;
};
