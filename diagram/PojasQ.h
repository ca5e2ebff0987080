// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the distributed load q stands in a sketch of the train on its beam:
// a hatched band just over the beam along each loaded stretch, drawn under
// the arrows of the forces.

#include "Boja.h"
#include "CrtezPolozaja.h"
#include "OpterecenjeQ.h"
#include "SkicaVoza.h"

/// The colour of everything the design actions add to a picture.
inline constexpr TBoja kBojaProracunskog{190, 0, 140};

/// The stretches `q` as a band `visina` high whose bottom stands at `dole`,
/// outlined and hatched at 45 degrees in kBojaProracunskog, "q" written
/// beside the first stretch within `granice` where it finds room. Leaves
/// the pen and the font changed.
void NacrtajPojasQ(TCrtezPolozaja& d, const TRazmeraSkice& razmera, int dole, int visina,
                   const TDeoniceQ& q, const TOkvir& granice);
