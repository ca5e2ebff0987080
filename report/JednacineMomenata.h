// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "ProracunIzvestaja.h"

/// The zone block and the equation blocks of the report for the run's train
/// of one to six forces, appended to `linije`.
void JednacineMomenata(const TProracunIzvestaja& p, char decimalniSeparator,
                       std::vector<std::string>& linije);
