// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "PodaciZaProracun.h"
#include "Voz.h"

/// How the train crosses the beam.
enum class TSmerVoza {
    Napred,  ///< P1..Pn from the left, P1 leftmost, as the classical calculator assumes
    Nazad,   ///< Pn..P1 from the left, P1 rightmost
    Oba,     ///< either way: the worse of the two
};

/// Where the train stands when a quantity reaches its extreme.
struct TKriticniPolozaj {
    double PolozajP1 = 0.0;  ///< abscissa of P1; it may lie beyond a support
    std::int32_t Sila = 0;   ///< the force on the section, 1..n; 0 for a section off the span
    bool Obrnut = false;     ///< the train stands as Pn..P1
};

/// One extreme value with the position that produces it.
struct TEkstrem {
    double Vrednost = 0.0;
    TKriticniPolozaj Polozaj;
};

/// The exact envelope at one section, signed as the report prints it:
/// extM >= 0, maxT >= 0 and minT <= 0 for downward forces.
struct TTacnaAnvelopaUPreseku {
    TEkstrem ExtM;
    TEkstrem MaxT;
    TEkstrem MinT;
};

/// The exact moving-load envelope of a rigid train on a simply supported
/// beam: every position of the train, forces beyond a support carrying
/// nothing. The classical zone method (TProracun) is never above it: its extM
/// agrees wherever the exact critical position keeps the whole train on the
/// span, and its maxT and minT agree wherever P1, respectively Pn, is the
/// critical force of P1..Pn.
///
/// Shear where a force stands on the section. maxT is the supremum of the
/// shear at x over all positions, approached as the train comes to its
/// critical position from the right, so the force on x counts with the part
/// right of the section: maxT is the shear just left of x, A minus the forces
/// left of x. minT is reached with the force on x counted with the left part:
/// the shear just right of x, -B plus the forces right of x. These are the
/// readings TProracun::MaxT and TProracun::MinT give with P1 and Pn on the
/// section, so the two calculators compare like with like.
class TTacnaAnvelopa {
public:
    /// The envelope of the train and of its mirror image, for any number of
    /// sections.
    explicit TTacnaAnvelopa(const TVoz& voz);

    /// The exact extM, maxT and minT at x. A section off the span, or a
    /// train of no force, gives zeros with no force on the section.
    TTacnaAnvelopaUPreseku UPreseku(double x, TSmerVoza smer) const;

    /// The same for the train P1..Pn, L1..L(n-1) of the record (the other
    /// forces and spacings are ignored), at one section.
    static TTacnaAnvelopaUPreseku UPreseku(const TPodaci& podaci, std::int32_t brojSila, double x,
                                           TSmerVoza smer);

private:
    TVoz fNapred;
    TVoz fNazad;
};
