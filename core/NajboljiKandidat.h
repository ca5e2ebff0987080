// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <limits>

/// A ranking in double errs by far less than this share of the quantity's
/// scale (R L for moments, R for shears); candidates that close to the best
/// are told apart in extended precision.
inline constexpr double kBlizu = 1e-12;

/// The winner among `broj` candidates for the largest value: `procena(k)`
/// ranks candidate k in double, and those within reach of the best by the
/// double's rounding (kBlizu times `skala`) are ranked again by `tacno(k)`,
/// their extended values rounded to double, compared strictly: the first of
/// equal ones is kept. The winner is the one an extended search of every
/// candidate would find, at a fraction of the cost; with every ranking NaN,
/// the first.
template <class Procena, class Tacno>
std::size_t NajboljiKandidat(std::size_t broj, Procena procena, Tacno tacno, double skala) {
    constexpr double minus = -std::numeric_limits<double>::infinity();
    double najbolja = minus;
    for (std::size_t k = 0; k < broj; ++k)
        if (procena(k) > najbolja) najbolja = procena(k);
    const double prag = najbolja - kBlizu * skala;
    std::size_t p = broj;
    double pobednik = minus;
    for (std::size_t k = 0; k < broj; ++k) {
        if (!(procena(k) >= prag)) continue;
        if (p == broj) {
            p = k;  // alone within reach, as most are, it needs no second look
            continue;
        }
        if (pobednik == minus) pobednik = tacno(p);
        const double v = tacno(k);
        if (v > pobednik) {
            pobednik = v;
            p = k;
        }
    }
    return p == broj ? 0 : p;
}
