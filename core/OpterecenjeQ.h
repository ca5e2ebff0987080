// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a uniformly distributed load contributes at a section x of the span
// L when it may stand on (-inf, a] and [b, +inf), a <= b, and is cut
// wherever it worsens the quantity: the integral of the influence line
// (UticajneLinije.h) over the allowed stretches on the span where the
// ordinate has the quantity's sign. "Anywhere" is a = b = L. The dead load
// lies on the whole span and is never cut.
//
// Every figure is per kN/m and times 2L, so that a sum of them needs one
// division at the end.

#include <algorithm>
#include <array>
#include <cstdint>

/// Per 1 kN/m, times 2L: the moment (its ordinate is >= 0 everywhere), the
/// largest shear just left of x (ordinate (L - xi)/L right of x) and the
/// smallest just right of it (-xi/L left of x).
template <class T>
struct TUticajQ {
    T M;
    T TPlus;
    T TMinus;
};

template <class T>
TUticajQ<T> UticajQ(T L, T x, T a, T b) {
    const T A = std::clamp<T>(a, 0, L), B = std::clamp<T>(b, 0, L);
    const T levo = L - x;
    // The moment of [0, A], then of [B, L].
    const T doA = A <= x ? levo * A * A : x * (levo * L - (L - A) * (L - A));
    const T odB = B >= x ? x * (L - B) * (L - B) : levo * (x * L - B * B);
    const T Ad = std::max(A, x), Bd = std::max(B, x);
    const T Al = std::min(A, x), Bl = std::min(B, x);
    return {doA + odB, levo * levo - (L - Ad) * (L - Ad) + (L - Bd) * (L - Bd),
            -(Al * Al + x * x - Bl * Bl)};
}

/// The same where a force of the train stands on the section, so that q's
/// edges lie on either side of it, a <= x <= b: q in front of the train
/// loads [0, a], behind it [b, L], each only as far as it is on the span.
/// Written out, as a drawing samples it at every column.
template <class T>
TUticajQ<T> UticajQSilaNaPreseku(T L, T x, T a, T b) {
    const T A = std::max<T>(a, 0), E = std::max<T>(L - b, 0);
    return {(L - x) * A * A + x * E * E, E * E, -(A * A)};
}

/// The dead load's moment and shear at x per 1 kN/m, times 2L.
template <class T>
TUticajQ<T> UticajG(T L, T x) {
    const T T0 = L * (L - 2 * x);
    return {L * x * (L - x), T0, T0};
}

/// One stretch of the span that q loads [m].
struct TDeonica {
    double Od = 0.0;
    double Do = 0.0;
};

/// The stretches q loads for one quantity: none, one or two, left to right.
struct TDeoniceQ {
    std::int32_t Broj = 0;
    std::array<TDeonica, 2> Deonice{};
};

/// Which quantity the load worsens: the moment, the largest or the
/// smallest shear.
enum class TVelicinaQ { M, MaxT, MinT };

/// Where q stands when it may stand on (-inf, a] and [b, +inf) and is cut
/// for the quantity at x: the allowed stretches within the part of the span
/// where the quantity's ordinate has its sign.
TDeoniceQ DeoniceQ(double L, double x, double a, double b, TVelicinaQ velicina);
