// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Platno.h"
#include "Prosireno.h"
#include "Zaokruzivanje.h"

/// A line from (x1, y1) to (x2, y2).
inline void Linija(TPlatno& c, int x1, int y1, int x2, int y2) {
    c.PomeriNa(x1, y1);
    c.LinijaDo(x2, y2);
}

/// The row of `y` held within its box from `gore` to `dole`.
inline int URedu(Prosireno y, int gore, int dole) {
    if (!(y > gore)) return gore;
    if (y > dole) return dole;
    return ZaokruziParno(y);
}
