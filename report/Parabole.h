// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RezultatiProracuna.h"

/// Right end of zone j (1..6): lambda_1 + ... + lambda_j of the stored zone
/// lengths, summed left to right in extended precision.
long double ZbirLambdi(const RezultatiProracuna& r, int j);

/// The moment equation of force k (1..6) at X, from the stored R, a_k and
/// Mlevo_k, in the report's grouping: ((L - a)*(R/L))*X - (X*X)*(R/L) - Mlevo.
long double MomentParabole(const RezultatiProracuna& r, int k, double L, long double X);
