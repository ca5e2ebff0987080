// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The picture "Polozaj voza": where the train must stand at one section, and
// the train stopped anywhere on its way across. The window of that name and
// `lastovar-cli polozaj` draw it, on the screen, into a picture file or as a
// trace.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Platno.h"
#include "ProracunskaDejstva.h"
#include "TacnaAnvelopa.h"
#include "Voz.h"

/// What the picture shows.
struct TUlazPolozaja {
    /// The section, 0 <= x <= L [m].
    double x = 0.0;
    /// The crossings the exact positions and envelopes consider.
    TSmerVoza smer = TSmerVoza::Napred;
    /// A frame of the crossing: P1 at this abscissa [m]. None: the critical
    /// positions at the section.
    std::optional<double> p1;
    /// In a frame of the crossing, the train stands as Pn..P1.
    bool obrnut = false;
    char decimalniSeparator = '.';
    /// Off their start values, the rows of the critical positions show the
    /// design values and where the train and q stand for them.
    TProracunskaDejstva dejstva;
};

/// Clears the sirina x visina picture to white and draws, to scale:
///
/// - without `p1`, the critical positions at the section: one row each for
///   extM, maxT and minT with the train where the exact value is reached
///   (forces beyond a support greyed, the section marked, P1's abscissa
///   dimensioned) and beside it where the classical method stands it, the
///   whole train counted, with both values, the shortfall and what the
///   section carries meanwhile (with design actions: the design value,
///   where the train stands for it and q's stretches as a hatched band over
///   the beam); under them the influence lines of M(x) and
///   T(x) with their ordinates under the forces; last the absolute maximum
///   beside the diagram's governing vertex value Mgov;
/// - with `p1`, one frame of the crossing: the train with P1 there, its
///   moment and shear diagrams over the span drawn over the classical and
///   the exact envelopes, and M(x) and T(x) at the section.
///
/// A train of no force, or a picture too small to hold it, gets the white
/// picture alone.
void NacrtajPolozajVoza(TPlatno& platno, std::int32_t sirina, std::int32_t visina, const TVoz& voz,
                        const TUlazPolozaja& ulaz);

/// The picture's title as pieces a line may break between: the section and
/// the train at the critical positions, or in a frame of the crossing the
/// train, P1's place and the section. Read out for those who do not see it.
std::vector<std::string> NaslovPolozajaVoza(const TVoz& voz, const TUlazPolozaja& ulaz);

/// How the train stands in a frame of its crossing: as P1..Pn, unless it may
/// cross both ways and extM at the section is reached with it reversed.
bool PrelazObrnut(const TVoz& voz, double x, TSmerVoza smer);
