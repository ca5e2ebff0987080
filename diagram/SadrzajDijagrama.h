// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "OkvirDijagrama.h"
#include "Platno.h"
#include "Voz.h"

/// The envelopes between the reference lines for a train of one to six
/// forces: the extM, maxT and minT curves, the thin ordinates at the zone
/// boundaries and the shear jumps, and the value labels with the thick
/// ordinates at the governing moment maximum and at the supports. Starts
/// with the pen and font the frame set up, draws on the frame's scales and
/// reports the progress bar positions 10 to 40.
void NacrtajSadrzaj(TPlatno& platno, const TOkvirDijagrama& okvir, const TVoz& voz,
                    char decimalniSeparator, const std::function<void(int)>& napredak);
