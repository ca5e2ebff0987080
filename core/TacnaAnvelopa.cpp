// SPDX-License-Identifier: GPL-3.0-or-later
#include "TacnaAnvelopa.h"

#include <limits>

namespace {

using Prosireno = long double;

struct TKandidat {
    double M;
    double TDesno;  // the force on x counted right of the section
    double TLevo;   // the force on x counted left of it
    double PolozajP1;
};

// The force j (0-based) of the train as it stands, left to right, on the
// section x; forces off the span carry nothing. Offsets are summed outward
// from that force, so a train and its mirror image give the same bits, and
// the first force past a support ends its side. P1 is the first force of the
// train crossing forward and the last of the mirrored one.
TKandidat SilaNaPreseku(const TVoz& v, bool obrnut, std::int32_t j, Prosireno x, Prosireno L) {
    const Prosireno doDesnog = L - x;
    const std::int32_t n = v.BrojSila();
    // Sums of P*xi left of x, of P*(L - xi) right of x, and of the forces on x.
    Prosireno levo = 0, desno = 0, naPreseku = v.P()[j];
    Prosireno pomak = 0;
    for (std::int32_t i = j - 1; i >= 0; --i) {
        pomak += v.Ls()[i];
        if (pomak > x) break;
        if (pomak == 0)
            naPreseku += v.P()[i];
        else
            levo += v.P()[i] * (x - pomak);
    }
    pomak = 0;
    for (std::int32_t i = j + 1; i < n; ++i) {
        pomak += v.Ls()[i - 1];
        if (pomak > doDesnog) break;
        if (pomak == 0)
            naPreseku += v.P()[i];
        else
            desno += v.P()[i] * (doDesnog - pomak);
    }
    const Prosireno odmakP1 = v.Odmak(obrnut ? n : 1);
    return {static_cast<double>((doDesnog * levo + x * desno + naPreseku * x * doDesnog) / L),
            static_cast<double>((desno + naPreseku * doDesnog - levo) / L),
            static_cast<double>((desno - naPreseku * x - levo) / L),
            static_cast<double>(x + (odmakP1 - v.Odmak(j + 1)))};
}

// As the train moves, the moment at x is piecewise linear in its position,
// with concave kinks only where a force crosses x (crossing a support gives a
// convex kink), so its maximum has some force on x. The shear only falls
// between events and jumps up only where a force crosses x from left to
// right, so its maximum has some force just right of x and its minimum some
// force just left of it; the train off the span (0) is never better than the
// outermost force on x. Hence n candidates per quantity. Strict comparisons
// keep the first of equal candidates.
void Pretrazi(const TVoz& v, bool obrnut, double x, double L, TTacnaAnvelopaUPreseku& r) {
    const std::int32_t n = v.BrojSila();
    for (std::int32_t j = 0; j < n; ++j) {
        const TKandidat k = SilaNaPreseku(v, obrnut, j, x, L);
        const TKriticniPolozaj polozaj{k.PolozajP1, obrnut ? n - j : j + 1, obrnut};
        if (k.M > r.ExtM.Vrednost) r.ExtM = {k.M, polozaj};
        if (k.TDesno > r.MaxT.Vrednost) r.MaxT = {k.TDesno, polozaj};
        if (k.TLevo < r.MinT.Vrednost) r.MinT = {k.TLevo, polozaj};
    }
}

// The train crossing forward and, where smer asks for it, its mirror image.
TTacnaAnvelopaUPreseku Trazi(const TVoz& napred, const TVoz* nazad, double x, TSmerVoza smer) {
    const double L = napred.Raspon();
    if (!napred.Vazi() || !(L > 0) || !(x >= 0 && x <= L)) return {};

    constexpr double beskonacno = std::numeric_limits<double>::infinity();
    TTacnaAnvelopaUPreseku r;
    r.ExtM.Vrednost = -beskonacno;
    r.MaxT.Vrednost = -beskonacno;
    r.MinT.Vrednost = beskonacno;
    if (smer != TSmerVoza::Nazad) Pretrazi(napred, false, x, L, r);
    if (smer != TSmerVoza::Napred) Pretrazi(*nazad, true, x, L, r);
    return r;
}

}  // namespace

TTacnaAnvelopa::TTacnaAnvelopa(const TVoz& voz) : fNapred(voz), fNazad(voz.Obrnut()) {}

TTacnaAnvelopaUPreseku TTacnaAnvelopa::UPreseku(double x, TSmerVoza smer) const {
    return Trazi(fNapred, &fNazad, x, smer);
}

// One section needs the mirror image only when the train may cross that way.
TTacnaAnvelopaUPreseku TTacnaAnvelopa::UPreseku(const TPodaci& podaci, std::int32_t brojSila,
                                                double x, TSmerVoza smer) {
    const TVoz voz(podaci, brojSila);
    if (smer == TSmerVoza::Napred) return Trazi(voz, nullptr, x, smer);
    const TVoz obrnut = voz.Obrnut();
    return Trazi(voz, &obrnut, x, smer);
}
