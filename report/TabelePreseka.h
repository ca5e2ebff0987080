// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "ProracunIzvestaja.h"

/// The extM, maxT and minT tables of the report at the run's sections,
/// appended to `linije`.
void TabelePreseka(const TProracunIzvestaja& p, char decimalniSeparator,
                   std::vector<std::string>& linije);
