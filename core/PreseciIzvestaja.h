// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the report's tables stand: n + 1 sections from the left support.

#include <cstdint>

#include "Prosireno.h"

/// The spacing L/n of the sections, rounded to double once; 0 for no
/// section.
double KorakPreseka(double raspon, std::int32_t brojPreseka);

/// Section i, i times the stored spacing in extended precision: the abscissa
/// every table prints. The last can lie a little beyond L.
inline Prosireno ApscisaPreseka(double korak, std::int32_t i) {
    return static_cast<Prosireno>(i) * korak;
}
