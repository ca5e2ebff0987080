// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnvelopaPoKolonama.h"
#include "Boja.h"
#include "OkvirDijagrama.h"
#include "Platno.h"

/// The colour of the exact envelopes, apart from every classical one.
inline constexpr TBoja kBojaTacneAnvelope{0, 150, 0};

/// Over the classical envelopes, on the frame's scales: the exact extM, maxT
/// and minT at the frame's columns as thin dashed curves, and a short legend
/// at the top left. Leaves the pen as it found it and changes only the
/// font's colour, which the captions set again.
void NacrtajTacnuAnvelopu(TPlatno& platno, const TOkvirDijagrama& okvir,
                          const TAnvelopaPoKolonama& anvelopa);
