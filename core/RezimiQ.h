// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where q, standing only in front of and behind the train, can make a
// design value peak with no force on the section: the train wholly on one
// side of x and the q beside it covering x.
//
// Train wholly right of x, forces 1..j (counted from the left) on the span,
// q in front of it from 0 to its edge a >= x and nothing of q right of it
// (b >= L): at the section
//   M L  = x B_j(a) + full(x),   maxT L = B_j(a) + full(x),
//   B_j(a) = T (S_j (L - a - c) - M_j) - Q (L - a)^2 / 2,
// S_j the forces' sum and M_j their moment about the leftmost force, full(x)
// the value of q over all the span and g. B_j is concave in a with its top
// at L - a = T S_j / Q, whatever x is; so over the positions at which
// exactly these forces stand on the span it peaks at one edge a^_j, and the
// regime gives a candidate at every section x <= a^_j. Mirrored, the train
// wholly left of x with forces j..n on the span and the q behind it from
// its edge b <= x:
//   M L = (L - x) C_j(b) + full(x),   minT L = -C_j(b) + full(x),
//   C_j(b) = T (S'_j (b - D - c) + M'_j) - Q b^2 / 2,
// at its top where b = T S'_j / Q. Elsewhere q's part is convex or linear
// in the train's position, so it adds no other candidate.

#include <array>
#include <cstdint>

#include "ProracunskaDejstva.h"
#include "Prosireno.h"
#include "Voz.h"

/// One regime's peak.
struct TRezimQ {
    Prosireno Ivica = 0;      ///< a^_j (train right of x) or b^_j (left of x) [m]
    Prosireno Zagrada = 0;    ///< B_j(a^_j) or C_j(b^_j) [kNm]
    Prosireno Levi = 0;       ///< the leftmost force's abscissa there [m]
    double IvicaD = 0;        ///< the same in double, for ranking
    double ZagradaKrozL = 0;  ///< the bracket divided by L, in double
};

struct TRezimiQ {
    std::int32_t BrojDesnih = 0;
    std::int32_t BrojLevih = 0;
    std::array<TRezimQ, 6> Desni{};  ///< the train right of x
    std::array<TRezimQ, 6> Levi{};   ///< the train left of x
};

/// The regimes of the train `v` as it stands, leftmost force first; none
/// unless q stands in front of and behind it and loads anything.
TRezimiQ RezimiQ(const TVoz& v, const TKoeficijentiDejstava& k);
