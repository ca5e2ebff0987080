// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpterecenjeQ.h"

TDeoniceQ DeoniceQ(double L, double x, double a, double b, TVelicinaQ velicina) {
    // The part of the span where the ordinate has the quantity's sign.
    const double od = velicina == TVelicinaQ::MaxT ? x : 0.0;
    const double doKraja = velicina == TVelicinaQ::MinT ? x : L;
    const double A = std::clamp(a, od, doKraja), B = std::clamp(b, od, doKraja);
    TDeoniceQ d;
    const auto dodaj = [&d](double p, double k) {
        if (!(k > p)) return;
        // Stretches that meet are one.
        if (d.Broj > 0 && d.Deonice[0].Do >= p) {
            d.Deonice[0].Do = k;
            return;
        }
        d.Deonice[static_cast<std::size_t>(d.Broj++)] = {p, k};
    };
    dodaj(od, A);
    dodaj(B, doKraja);
    return d;
}
