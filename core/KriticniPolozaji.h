// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the train must stand at one section: for extM, maxT and minT the
// exact critical position beside the one the classical method assumes.

#include <cstdint>

#include "TacnaAnvelopa.h"

/// The classical method's position for one quantity at a section: force
/// Sila on it (for extM: the force of the zone; maxT: P1; minT: Pn) and the
/// forces RacunaOd..RacunaDo counted in its value. extM counts the whole
/// train, also the forces this puts beyond a support; maxT and minT count
/// only those the span holds.
struct TKlasicniPolozaj {
    double Vrednost = 0.0;  ///< signed as the report prints it
    double PolozajP1 = 0.0;
    std::int32_t Sila = 0;
    std::int32_t RacunaOd = 1;
    std::int32_t RacunaDo = 0;

    bool Racuna(std::int32_t sila) const { return sila >= RacunaOd && sila <= RacunaDo; }
};

/// One quantity at a section, classical beside exact.
struct TKriticnaVelicina {
    TKlasicniPolozaj Klasicno;
    TEkstrem Tacno;
    /// The classical value's shortfall in percent of the exact one, as the
    /// comparison table gives it (ManjakProcenat).
    double ManjakProcenat = 0.0;
};

struct TKriticniPolozaji {
    double x = 0.0;
    TKriticnaVelicina ExtM;
    TKriticnaVelicina MaxT;
    TKriticnaVelicina MinT;
};

/// The three quantities at x, 0 <= x <= L, the exact ones for the train
/// crossing as `smer` says, the classical ones for P1..Pn.
TKriticniPolozaji KriticniPolozaji(const TTacnaAnvelopa& tacna, double x, TSmerVoza smer);
