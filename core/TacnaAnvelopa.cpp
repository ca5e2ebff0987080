// SPDX-License-Identifier: GPL-3.0-or-later
#include "TacnaAnvelopa.h"

#include <array>
#include <limits>

namespace {

using Prosireno = long double;

// The train as it stands on the beam, left to right.
struct TVozNaGredi {
    std::int32_t n;
    std::array<double, 6> P;
    std::array<double, 5> Razmak;        // between the j-th and (j+1)-th force from the left
    std::array<std::int32_t, 6> Indeks;  // the force's own number, 1..n
    std::array<Prosireno, 6> Mesto;      // distance from the leftmost force
    std::int32_t MestoP1;                // where P1 stands in that order
    bool Obrnut;
};

TVozNaGredi VozNaGredi(const TPodaci& d, std::int32_t n, bool obrnut) {
    const double P[] = {d.P1(), d.P2(), d.P3(), d.P4(), d.P5(), d.P6()};
    const double Ls[] = {d.Rastojanje1(), d.Rastojanje2(), d.Rastojanje3(), d.Rastojanje4(),
                         d.Rastojanje5()};
    TVozNaGredi v{n, {}, {}, {}, {}, obrnut ? n - 1 : 0, obrnut};
    for (std::int32_t j = 0; j < n; ++j) {
        const std::int32_t i = obrnut ? n - 1 - j : j;
        v.P[j] = P[i];
        v.Indeks[j] = i + 1;
    }
    for (std::int32_t j = 0; j < n - 1; ++j) {
        v.Razmak[j] = Ls[obrnut ? n - 2 - j : j];
        v.Mesto[j + 1] = v.Mesto[j] + v.Razmak[j];
    }
    return v;
}

struct TKandidat {
    double M;
    double TDesno;  // the force on x counted right of the section
    double TLevo;   // the force on x counted left of it
    double PolozajP1;
};

// The j-th force from the left on the section x; forces off the span carry
// nothing. Offsets are summed outward from that force, so a train and its
// mirror image give the same bits, and the first force past a support ends
// its side.
TKandidat SilaNaPreseku(const TVozNaGredi& v, std::int32_t j, Prosireno x, Prosireno L) {
    const Prosireno doDesnog = L - x;
    // Sums of P*xi left of x, of P*(L - xi) right of x, and of the forces on x.
    Prosireno levo = 0, desno = 0, naPreseku = v.P[j];
    Prosireno pomak = 0;
    for (std::int32_t i = j - 1; i >= 0; --i) {
        pomak += v.Razmak[i];
        if (pomak > x) break;
        if (pomak == 0)
            naPreseku += v.P[i];
        else
            levo += v.P[i] * (x - pomak);
    }
    pomak = 0;
    for (std::int32_t i = j + 1; i < v.n; ++i) {
        pomak += v.Razmak[i - 1];
        if (pomak > doDesnog) break;
        if (pomak == 0)
            naPreseku += v.P[i];
        else
            desno += v.P[i] * (doDesnog - pomak);
    }
    return {static_cast<double>((doDesnog * levo + x * desno + naPreseku * x * doDesnog) / L),
            static_cast<double>((desno + naPreseku * doDesnog - levo) / L),
            static_cast<double>((desno - naPreseku * x - levo) / L),
            static_cast<double>(x + (v.Mesto[v.MestoP1] - v.Mesto[j]))};
}

// As the train moves, the moment at x is piecewise linear in its position,
// with concave kinks only where a force crosses x (crossing a support gives a
// convex kink), so its maximum has some force on x. The shear only falls
// between events and jumps up only where a force crosses x from left to
// right, so its maximum has some force just right of x and its minimum some
// force just left of it; the train off the span (0) is never better than the
// outermost force on x. Hence n candidates per quantity. Strict comparisons
// keep the first of equal candidates.
void Pretrazi(const TVozNaGredi& v, double x, double L, TTacnaAnvelopaUPreseku& r) {
    for (std::int32_t j = 0; j < v.n; ++j) {
        const TKandidat k = SilaNaPreseku(v, j, x, L);
        const TKriticniPolozaj polozaj{k.PolozajP1, v.Indeks[j], v.Obrnut};
        if (k.M > r.ExtM.Vrednost) r.ExtM = {k.M, polozaj};
        if (k.TDesno > r.MaxT.Vrednost) r.MaxT = {k.TDesno, polozaj};
        if (k.TLevo < r.MinT.Vrednost) r.MinT = {k.TLevo, polozaj};
    }
}

}  // namespace

TTacnaAnvelopaUPreseku TTacnaAnvelopa::UPreseku(const TPodaci& podaci, std::int32_t brojSila,
                                                double x, TSmerVoza smer) {
    const double L = podaci.Raspon();
    if (brojSila < 1 || brojSila > 6 || !(L > 0) || !(x >= 0 && x <= L)) return {};

    constexpr double beskonacno = std::numeric_limits<double>::infinity();
    TTacnaAnvelopaUPreseku r;
    r.ExtM.Vrednost = -beskonacno;
    r.MaxT.Vrednost = -beskonacno;
    r.MinT.Vrednost = beskonacno;
    if (smer != TSmerVoza::Nazad) Pretrazi(VozNaGredi(podaci, brojSila, false), x, L, r);
    if (smer != TSmerVoza::Napred) Pretrazi(VozNaGredi(podaci, brojSila, true), x, L, r);
    return r;
}
