// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProracunskaDejstva.h"

#include <cmath>
#include <limits>

#include "FormatBroja.h"
#include "Konverzija.h"
#include "Prosireno.h"

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
    const Prosireno skala =
        (static_cast<Prosireno>(k.T) * R + (static_cast<Prosireno>(k.Q) + k.G) * L) * L;
    return std::isfinite(skala) && skala <= std::numeric_limits<double>::max();
}

TTekstoviDejstava TekstoviDejstava(const TProracunskaDejstva& d, char sep) {
    const auto B = [sep](double v) { return FormatBroja(v, sep); };
    return {B(d.q), B(d.c), B(d.g), B(d.Fi), B(d.GamaG), B(d.GamaQ), d.Raspored, d.FiNaQ};
}

TProracunskaDejstva DejstvaIzTekstova(const TTekstoviDejstava& t, char sep) {
    TProracunskaDejstva d;
    d.q = TekstUBroj(t.q, sep);
    d.c = TekstUBroj(t.c, sep);
    d.g = TekstUBroj(t.g, sep);
    d.Fi = TekstUBroj(t.Fi, sep);
    d.GamaG = TekstUBroj(t.GamaG, sep);
    d.GamaQ = TekstUBroj(t.GamaQ, sep);
    d.Raspored = t.Raspored;
    d.FiNaQ = t.FiNaQ;
    return d;
}
