// SPDX-License-Identifier: GPL-3.0-or-later
#include "UticajneLinije.h"

namespace {

bool NaRasponu(long double L, long double v) { return v >= 0 && v <= L; }

}  // namespace

long double UticajM(long double L, long double x, long double ksi) {
    if (!NaRasponu(L, ksi) || !NaRasponu(L, x)) return 0;
    return ksi <= x ? ksi * (L - x) / L : x * (L - ksi) / L;
}

long double UticajTLevo(long double L, long double x, long double ksi) {
    if (!NaRasponu(L, ksi) || !NaRasponu(L, x)) return 0;
    return ksi < x ? -ksi / L : (L - ksi) / L;
}

long double UticajTDesno(long double L, long double x, long double ksi) {
    if (!NaRasponu(L, ksi) || !NaRasponu(L, x)) return 0;
    return ksi <= x ? -ksi / L : (L - ksi) / L;
}
