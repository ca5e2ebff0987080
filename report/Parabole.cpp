// SPDX-License-Identifier: GPL-3.0-or-later
#include "Parabole.h"

long double ZbirLambdi(const RezultatiProracuna& r, int j) {
    long double zbir = 0.0L;
    for (int i = 0; i < j; ++i) zbir += r.FLambda[i];
    return zbir;
}

long double MomentParabole(const RezultatiProracuna& r, int k, double L, long double X) {
    const long double RkrozL = static_cast<long double>(r.FR) / L;
    const long double a = r.FA[k - 1];
    return ((L - a) * RkrozL) * X - (X * X) * RkrozL - r.FMlevo[k - 1];
}
