// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the distributed load q stands in a sketch of the train on its beam:
// a hatched band just over the beam along each loaded stretch, drawn under
// the arrows of the forces.

#include "Boja.h"
#include "OpterecenjeQ.h"
#include "Platno.h"
#include "SkicaVoza.h"

/// The colour of everything the design actions add to a picture.
inline constexpr TBoja kBojaProracunskog{190, 0, 140};

/// The stretches `q` of the sketch at `mesto` as a band a quarter of the
/// longest arrow high over the beam, outlined and hatched at 45 degrees in
/// kBojaProracunskog, "q" written left of the first stretch. Leaves the pen
/// and the font's colour changed.
void NacrtajPojasQ(TPlatno& platno, const TMestoSkice& mesto, const TDeoniceQ& q);
