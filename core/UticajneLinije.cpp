// SPDX-License-Identifier: GPL-3.0-or-later
#include "UticajneLinije.h"

namespace {

bool NaRasponu(Prosireno L, Prosireno v) { return v >= 0 && v <= L; }

}  // namespace

Prosireno UticajM(Prosireno L, Prosireno x, Prosireno ksi) {
    if (!NaRasponu(L, ksi) || !NaRasponu(L, x)) return 0;
    return ksi <= x ? ksi * (L - x) / L : x * (L - ksi) / L;
}

Prosireno UticajTLevo(Prosireno L, Prosireno x, Prosireno ksi) {
    if (!NaRasponu(L, ksi) || !NaRasponu(L, x)) return 0;
    return ksi < x ? -ksi / L : (L - ksi) / L;
}

Prosireno UticajTDesno(Prosireno L, Prosireno x, Prosireno ksi) {
    if (!NaRasponu(L, ksi) || !NaRasponu(L, x)) return 0;
    return ksi <= x ? -ksi / L : (L - ksi) / L;
}
