// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "RezultatiProracuna.h"
#include "UlazIzvestaja.h"

/// The zone block and the F equation blocks of the report, appended to
/// `linije`. Reads FR and FXR, which must already hold the train's resultant,
/// and stores every force's zone length and equation quantities in `r`.
void JednacineMomenata(const UlazIzvestaja& u, RezultatiProracuna& r,
                       std::vector<std::string>& linije);
