// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation sheet's values and words: the governing values of the
// train alone beside the classical ones, with the design actions the
// characteristic and design ones, the method and its assumptions, the
// values at the report's sections as tables, and the report (with the
// comparison of `tacno` when asked) for the appendix. Numbers people read
// are in engineering rounding (FormatInzenjerski); the appendix keeps the
// report's own.

#include "SadrzajListe.h"

/// Fills every part of `sadrzaj` that is computed from its load case
/// (Tekstovi, BrojSila, Separator, Dejstva, Smer), the comparison only
/// with `poredjenje`. The texts must have passed ProveraTipa and
/// ProveraVrednosti, a train longer than the span let through.
void PopuniSadrzajListe(TSadrzajListe& sadrzaj, bool poredjenje);

/// The paragraphs of "Metoda i pretpostavke" for a train crossing as `smer`
/// says with the actions `dejstva`.
std::vector<std::string> MetodaIPretpostavke(const TProracunskaDejstva& dejstva, TSmerVoza smer);
