// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The governing values of a load model over a range of spans: for each
// span the characteristic and the design block of Merodavno, with the
// model's dynamic factor taken at that span, and how far the classical
// method's governing moment (the largest vertex of the moment parabolas,
// Mgov) falls short of the train's exact absolute maximum.

#include <optional>
#include <string>
#include <vector>

#include "MerodavneVrednosti.h"
#include "ModelOpterecenja.h"

/// The most spans one table holds.
inline constexpr std::size_t kNajviseRaspona = 100000;

struct TOpsegRaspona {
    double Od = 0.0, Do = 0.0, Korak = 0.0;  ///< [m]
};

struct TRedRaspona {
    double L = 0.0;  ///< [m]
    TMerodavno Merodavno;
    /// 100 (Mmax - Mgov) / Mmax of the train alone [%], 0 where the two
    /// differ only by rounding; none where the train is longer than the
    /// span and the classical method does not apply.
    std::optional<double> ManjakM;
};

/// The spans Od, Od + Korak, ... up to Do (Do itself where the steps reach
/// it within rounding), each computed as Od + i Korak.
std::vector<double> Rasponi(const TOpsegRaspona& o);

/// Why the range cannot be tabulated with the model and the beam's
/// actions `osnova` (a span that is not positive, an empty range, a step
/// that is not positive, more than kNajviseRaspona spans, design values
/// that would overflow); empty when it can.
std::string GreskaOpsega(const TModelOpterecenja& m, const TOpsegRaspona& o,
                         const TProracunskaDejstva& osnova);

/// The table; the range must have passed GreskaOpsega.
std::vector<TRedRaspona> TabelaRaspona(const TModelOpterecenja& m, const TOpsegRaspona& o,
                                       const TProracunskaDejstva& osnova, TSmerVoza smer);
