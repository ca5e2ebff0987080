// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The governing values of a load case with its design actions: the largest
// moment anywhere with its section, the largest support reactions, and the
// largest and the smallest shear with their sections, each with where the
// train stands; characteristic (the train and q alone, every factor one)
// and design.

#include "ApsolutniMaksimum.h"
#include "ProracunskaAnvelopa.h"

/// One governing value.
struct TMerodavnaVrednost {
    double Vrednost = 0.0;
    double x = 0.0;  ///< the section [m]: 0 for A, L for B
    TKriticniPolozaj Polozaj;
};

struct TMerodavneVrednosti {
    TMerodavnaVrednost Mmax;  ///< the absolute maximum moment [kNm]
    TMerodavnaVrednost Amax;  ///< the largest left reaction [kN]
    TMerodavnaVrednost Bmax;  ///< the largest right reaction [kN]
    TMerodavnaVrednost Tmax;  ///< the largest shear [kN]
    TMerodavnaVrednost Tmin;  ///< the smallest shear [kN]
};

/// The governing values of the train crossing as `smer` says with the
/// actions `dejstva`. The shear envelopes fall along the beam (the train
/// and q moved on with the section only lose, g's shear falls too), so the
/// largest shear is A's, at the left support, and the smallest is -B, at
/// the right one.
TMerodavneVrednosti MerodavneVrednosti(const TVoz& voz, const TProracunskaDejstva& dejstva,
                                       TSmerVoza smer);

/// Both blocks: characteristic with dejstva.Karakteristicna(), then design.
struct TMerodavno {
    TMerodavneVrednosti Karakteristicne;
    TMerodavneVrednosti Proracunske;
};

TMerodavno Merodavno(const TVoz& voz, const TProracunskaDejstva& dejstva, TSmerVoza smer);
