// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Boja.h"

/// The pen lines are drawn with: colour and width in device units.
struct TOlovka {
    TBoja Boja = kCrna;
    int Sirina = 1;

    friend bool operator==(const TOlovka&, const TOlovka&) = default;
};
