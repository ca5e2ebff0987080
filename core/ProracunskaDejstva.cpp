// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProracunskaDejstva.h"

#include <cmath>
#include <limits>

TProracunskaDejstva TProracunskaDejstva::Karakteristicna() const {
    TProracunskaDejstva k;
    k.q = q;
    k.Raspored = Raspored;
    k.c = c;
    return k;
}

TKoeficijentiDejstava Koeficijenti(const TProracunskaDejstva& d) {
    TKoeficijentiDejstava k;
    k.T = d.GamaQ * d.Fi;
    k.Q = d.GamaQ * ((d.FiNaQ ? d.Fi : 1.0) * d.q);
    k.G = d.GamaG * d.g;
    k.IspredIIza = d.Raspored == TRasporedQ::IspredIIzaVoza && k.Q > 0;
    k.c = d.c;
    return k;
}

bool DejstvaVaze(const TProracunskaDejstva& d, double R, double L) {
    const auto nijeNegativan = [](double v) { return std::isfinite(v) && v >= 0; };
    const auto pozitivan = [](double v) { return std::isfinite(v) && v > 0; };
    if (!nijeNegativan(d.q) || !nijeNegativan(d.c) || !nijeNegativan(d.g) || !pozitivan(d.Fi) ||
        !pozitivan(d.GamaG) || !pozitivan(d.GamaQ))
        return false;
    // The largest design moment is below (T R + (Q + G) L) L; a quantity
    // that overflows would print INF.
    const TKoeficijentiDejstava k = Koeficijenti(d);
    const long double skala =
        (static_cast<long double>(k.T) * R + (static_cast<long double>(k.Q) + k.G) * L) * L;
    return std::isfinite(skala) && skala <= std::numeric_limits<double>::max();
}
