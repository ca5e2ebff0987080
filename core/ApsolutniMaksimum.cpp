// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApsolutniMaksimum.h"

#include <algorithm>
#include <limits>

#include "Manjak.h"
#include "Prosireno.h"
#include "VozUPolozaju.h"

namespace {

struct TNajveci {
    Prosireno M = -std::numeric_limits<Prosireno>::infinity();
    TApsolutniMaksimum Maksimum;
};

// The train `v` crossing as it is numbered; `obrnut` says it is the mirror
// image of P1..Pn, whose force k is this one's n + 1 - k.
void Trazi(const TVoz& v, bool obrnut, TNajveci& najveci) {
    const std::int32_t n = v.BrojSila();
    const Prosireno L = v.Raspon();
    const Prosireno beskonacno = std::numeric_limits<Prosireno>::infinity();
    const auto u = [&v](std::int32_t k) { return v.Odmak(k + 1); };  // 0-based
    const Prosireno odmakP1 = u(obrnut ? n - 1 : 0);
    for (std::int32_t i = 0; i < n; ++i) {
        Prosireno R = 0, momentOdPrve = 0;
        for (std::int32_t j = i; j < n; ++j) {
            const Prosireno P = v.P()[static_cast<std::size_t>(j)];
            R += P;
            momentOdPrve += P * u(j);
            // The positions p of the first force at which exactly Pi..Pj
            // load the span; a force on a support carries nothing, so the
            // runs' ranges meet at their ends.
            const Prosireno od = std::max(-u(i), j + 1 < n ? L - u(j + 1) : -beskonacno);
            const Prosireno doo = std::min(L - u(j), i > 0 ? -u(i - 1) : beskonacno);
            if (!(od <= doo) || !(R > 0)) continue;
            const Prosireno rezultanta = momentOdPrve / R;  // from the first force
            for (std::int32_t k = i; k <= j; ++k) {
                // M(xi) = (R/L) xi (L - a - xi) - Mlevo, a the resultant's
                // distance from force k: its vertex at (L - a)/2.
                const Prosireno teme = (L - (rezultanta - u(k))) / 2;
                const Prosireno ksi = std::clamp(teme, od + u(k), doo + u(k));
                const Prosireno M = TVozUPolozaju(v, false, k + 1, ksi).M(ksi);
                if (!(M > najveci.M)) continue;
                najveci.M = M;
                najveci.Maksimum = {
                    static_cast<double>(M),
                    static_cast<double>(ksi),
                    {static_cast<double>(ksi + (odmakP1 - u(k))), obrnut ? n - k : k + 1, obrnut}};
            }
        }
    }
}

}  // namespace

TApsolutniMaksimum ApsolutniMaksimum(const TVoz& voz, TSmerVoza smer) {
    if (!voz.Vazi() || !(voz.Raspon() > 0)) return {};
    TNajveci napred, nazad;
    if (smer != TSmerVoza::Nazad) Trazi(voz, false, napred);
    if (smer != TSmerVoza::Napred) Trazi(voz.Obrnut(), true, nazad);
    if (smer == TSmerVoza::Napred) return napred.Maksimum;
    if (smer == TSmerVoza::Nazad) return nazad.Maksimum;
    // The mirrored crossing is the forward one seen from the other end of a
    // symmetric beam: the same maximum at the mirrored section. Only rounding
    // tells them apart, and that must not turn the train round.
    const Prosireno skala = static_cast<Prosireno>(voz.R()) * voz.Raspon();
    return nazad.M - napred.M > kZaokruzivanje * skala ? nazad.Maksimum : napred.Maksimum;
}
