// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApsolutniMaksimum.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "Manjak.h"
#include "OpterecenjeQ.h"
#include "Prosireno.h"
#include "RezimiQ.h"
#include "VozUPolozaju.h"

namespace {

struct TNajveci {
    Prosireno M = -std::numeric_limits<Prosireno>::infinity();
    TApsolutniMaksimum Maksimum;
};

// The real roots of a2 t^2 + a1 t + a0 in (od, do), a2 possibly 0.
std::array<Prosireno, 2> Koreni(Prosireno a2, Prosireno a1, Prosireno a0, std::size_t& broj) {
    std::array<Prosireno, 2> t{};
    broj = 0;
    if (a2 == 0) {
        if (a1 != 0) t[broj++] = -a0 / a1;
        return t;
    }
    const Prosireno d = a1 * a1 - 4 * a2 * a0;
    if (d < 0) return t;
    // The root of larger magnitude first, the other from their product,
    // neither losing digits to cancellation.
    const Prosireno w = -(a1 + std::copysign(std::sqrt(d), a1)) / 2;
    if (w == 0) {
        t[broj++] = 0;
        return t;
    }
    t[broj++] = w / a2;
    t[broj++] = a0 / w;
    return t;
}

// The train `v` crossing as it is numbered; `obrnut` says it is the mirror
// image of P1..Pn, whose force k is this one's n + 1 - k.
void Trazi(const TVoz& v, bool obrnut, const TKoeficijentiDejstava& kd, TNajveci& najveci) {
    const std::int32_t n = v.BrojSila();
    const Prosireno L = v.Raspon();
    const Prosireno beskonacno = std::numeric_limits<Prosireno>::infinity();
    const auto u = [&v](std::int32_t k) { return v.Odmak(k + 1); };  // 0-based
    const Prosireno odmakP1 = u(obrnut ? n - 1 : 0);
    const Prosireno D = u(n - 1), c = kd.c, T = kd.T, Q = kd.Q, G = kd.G;
    // q anywhere and g add the parabola K x (L - x)/2 to every section.
    const Prosireno K = kd.IspredIIza ? G : Q + G;

    // The design moment at ksi with the leftmost force at `levi`.
    const auto moment = [&](Prosireno ksi, Prosireno levi, std::int32_t k) {
        const Prosireno a = kd.IspredIIza ? levi - c : L, b = kd.IspredIIza ? levi + D + c : L;
        const Prosireno voz = k >= 0 ? TVozUPolozaju(v, false, k + 1, ksi).M(ksi) : 0;
        return T * voz + (Q * UticajQ(L, ksi, a, b).M + G * UticajG(L, ksi).M) / (2 * L);
    };
    // A candidate: the section ksi, the leftmost force at `levi`, force k
    // (0-based; -1 for none) on the section.
    const auto razmotri = [&](Prosireno ksi, Prosireno levi, std::int32_t k) {
        const Prosireno M = moment(ksi, levi, k);
        if (!(M > najveci.M)) return;
        najveci.M = M;
        // P1 from the force on the section where there is one, from the
        // leftmost force otherwise.
        const Prosireno p1 = k >= 0 ? ksi + (odmakP1 - u(k)) : levi + odmakP1;
        najveci.Maksimum = {
            static_cast<double>(M),
            static_cast<double>(ksi),
            {static_cast<double>(p1), k < 0 ? 0 : (obrnut ? n - k : k + 1), obrnut}};
    };

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
                // distance from force k: its vertex at (L - a)/2, moved by
                // the parabola of q anywhere and g towards L/2.
                const Prosireno a = rezultanta - u(k);
                if (!kd.IspredIIza) {
                    const Prosireno teme = (L - a) / 2 + K * a * L / (2 * (2 * T * R + K * L));
                    const Prosireno ksi = std::clamp(teme, od + u(k), doo + u(k));
                    razmotri(ksi, ksi - u(k), k);
                    continue;
                }
                // q's near edge reaches 0 at ksi = alfa, its far edge L at
                // ksi = beta; between such places the moment is a cubic.
                const Prosireno alfa = u(k) + c, beta = L + u(k) - D - c;
                std::array<Prosireno, 4> granice{od + u(k), alfa, beta, doo + u(k)};
                std::sort(granice.begin() + 1, granice.begin() + 3);
                const Prosireno w = Q / (2 * L);
                for (std::size_t g = 0; g + 1 < granice.size(); ++g) {
                    const Prosireno s0 = std::max(granice[g], granice[0]);
                    const Prosireno s1 = std::min(granice[g + 1], granice[3]);
                    if (!(s0 <= s1)) continue;
                    razmotri(s0, s0 - u(k), k);
                    razmotri(s1, s1 - u(k), k);
                    const Prosireno sredina = (s0 + s1) / 2;
                    const Prosireno ispred = sredina > alfa ? 1 : 0, iza = sredina < beta ? 1 : 0;
                    // The derivative in ksi: the run's parabola and g, then
                    // (L - ksi)(ksi - alfa)^2 and ksi (beta - ksi)^2 of q.
                    const Prosireno a2 = 3 * w * (iza - ispred);
                    const Prosireno a1 =
                        -(2 * T * R / L + G) + w * (ispred * (2 * L + 4 * alfa) - iza * 4 * beta);
                    const Prosireno a0 = T * R * (L - a) / L + G * L / 2 +
                                         w * (iza * beta * beta - ispred * alfa * (2 * L + alfa));
                    std::size_t broj = 0;
                    const std::array<Prosireno, 2> t = Koreni(a2, a1, a0, broj);
                    for (std::size_t r = 0; r < broj; ++r)
                        if (t[r] > s0 && t[r] < s1) razmotri(t[r], t[r] - u(k), k);
                }
            }
        }
    }
    if (!kd.IspredIIza) return;

    // The regimes of q: each peaks at a position independent of the
    // section, where the moment is x B/L + K' x (L - x)/2 (train right of
    // x) or (L - x) C/L + K' x (L - x)/2 (left of it), K' = Q + G.
    const Prosireno Kq = Q + G;
    const TRezimiQ r = RezimiQ(v, kd);
    for (std::size_t j = 0; j < static_cast<std::size_t>(r.BrojDesnih); ++j) {
        const TRezimQ& z = r.Desni[j];
        if (z.Ivica < 0) continue;
        const Prosireno x =
            std::clamp(L / 2 + z.Zagrada / (Kq * L), Prosireno(0), std::min(z.Ivica, L));
        razmotri(x, z.Levi, -1);
    }
    for (std::size_t j = 0; j < static_cast<std::size_t>(r.BrojLevih); ++j) {
        const TRezimQ& z = r.Levi[j];
        if (z.Ivica > L) continue;
        const Prosireno x =
            std::clamp(L / 2 - z.Zagrada / (Kq * L), std::max(z.Ivica, Prosireno(0)), L);
        razmotri(x, z.Levi, -1);
    }
    // The train off the span, q on all of it.
    razmotri(L / 2, -c - D, -1);
}

}  // namespace

TApsolutniMaksimum ApsolutniMaksimum(const TVoz& voz, TSmerVoza smer,
                                     const TProracunskaDejstva& dejstva) {
    if (!voz.Vazi() || !(voz.Raspon() > 0)) return {};
    const TKoeficijentiDejstava k = Koeficijenti(dejstva);
    TNajveci napred, nazad;
    if (smer != TSmerVoza::Nazad) Trazi(voz, false, k, napred);
    if (smer != TSmerVoza::Napred) Trazi(voz.Obrnut(), true, k, nazad);
    if (smer == TSmerVoza::Napred) return napred.Maksimum;
    if (smer == TSmerVoza::Nazad) return nazad.Maksimum;
    // The mirrored crossing is the forward one seen from the other end of a
    // symmetric beam: the same maximum at the mirrored section. Only rounding
    // tells them apart, and that must not turn the train round.
    const Prosireno L = voz.Raspon();
    const Prosireno skala =
        static_cast<Prosireno>(k.T) * voz.R() * L + (static_cast<Prosireno>(k.Q) + k.G) * L * L;
    return nazad.M - napred.M > kZaokruzivanje * skala ? nazad.Maksimum : napred.Maksimum;
}
