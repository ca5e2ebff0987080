// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The plot of the span table: Mmax (left scale, kNm) and Amax (right
// scale, kN) against the span, characteristic as thin lines and design as
// thick ones, with the scales' ends written at the axes and a legend.

#include <vector>

#include "Platno.h"
#include "TabelaRaspona.h"

/// Draws the table onto W x H device units; nothing for a table of no
/// span or a canvas too small to hold the frame.
void NacrtajDijagramRaspona(TPlatno& platno, int W, int H, const std::vector<TRedRaspona>& tabela,
                            char decimalniSeparator);
