// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "RezultatiProracuna.h"
#include "UlazIzvestaja.h"

/// The extM, maxT and minT tables at the n + 1 sections i*L/n, appended to
/// `linije`, with `napredak` told 50, 60 and 70 after each table (it may be
/// empty). Reads the zone and equation fields of `r` and FXProizvoljno,
/// stores FKorakPreseka and the three values at the arbitrary section.
void TabelePreseka(const UlazIzvestaja& u, RezultatiProracuna& r, std::vector<std::string>& linije,
                   const std::function<void(int)>& napredak);
