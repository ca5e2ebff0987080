// SPDX-License-Identifier: GPL-3.0-or-later
#include "TacnaAnvelopa.h"

#include "NajboljiKandidat.h"
#include "Prosireno.h"

// The neighbours of force j on one side, walked outward as the train stands
// (korak -1: to the left); those at distance 0 stand on the section with it.
TTacnaAnvelopa::TSmer TTacnaAnvelopa::Pripremi(const TVoz& voz, bool obrnut) {
    TSmer smer;
    smer.Obrnut = obrnut;
    if (!voz.Vazi()) return smer;
    const TVoz v = obrnut ? voz.Obrnut() : voz;
    const std::int32_t n = v.BrojSila();
    smer.Broj = n;
    const Prosireno odmakP1 = v.Odmak(obrnut ? n : 1);
    for (std::int32_t j = 0; j < n; ++j) {
        TSilaNaPreseku& s = smer.Sile[static_cast<std::size_t>(j)];
        s.NaPreseku = v.P()[static_cast<std::size_t>(j)];
        s.DoP1 = odmakP1 - v.Odmak(j + 1);
        s.Sila = obrnut ? n - j : j + 1;
        for (const std::int32_t korak : {-1, 1}) {
            TStrana& strana = korak < 0 ? s.Levo : s.Desno;
            for (std::int32_t i = j + korak; i >= 0 && i < n; i += korak) {
                const double razmak = v.Ls()[static_cast<std::size_t>(korak < 0 ? i : i - 1)];
                const double P = v.P()[static_cast<std::size_t>(i)];
                if (razmak == 0 && strana.Broj == 0) {
                    s.NaPreseku += P;
                    continue;
                }
                const auto k = static_cast<std::size_t>(strana.Broj++);
                strana.Razmak[k] = razmak;
                strana.P[k] = P;
            }
        }
    }
    return smer;
}

// Sums of P*xi left of x and of P*(L - xi) right of it, the distances summed
// outward from the force on x, so that a train and its mirror image give the
// same bits; the first neighbour past a support ends its side, those beyond
// carry nothing.
TTacnaAnvelopa::TBrojioci TTacnaAnvelopa::Brojioci(const TSilaNaPreseku& s, Prosireno x,
                                                   Prosireno doDesnog) {
    Prosireno levo = 0, desno = 0, pomak = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(s.Levo.Broj); ++i) {
        pomak += s.Levo.Razmak[i];
        if (pomak > x) break;
        levo += s.Levo.P[i] * (x - pomak);
    }
    pomak = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(s.Desno.Broj); ++i) {
        pomak += s.Desno.Razmak[i];
        if (pomak > doDesnog) break;
        desno += s.Desno.P[i] * (doDesnog - pomak);
    }
    const Prosireno naPreseku = s.NaPreseku;
    return {doDesnog * levo + x * desno + naPreseku * x * doDesnog,
            desno + naPreseku * doDesnog - levo, desno - naPreseku * x - levo};
}

// The same in double, each reading a sum of terms no larger than R L or R,
// so that none overflows where the load case's bounds do not.
inline TTacnaAnvelopa::TProcena TTacnaAnvelopa::Procena(const TSilaNaPreseku& s,
                                                        const TPresekUDouble& p) {
    double levo = 0, desno = 0, pomak = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(s.Levo.Broj); ++i) {
        pomak += s.Levo.Razmak[i];
        if (pomak > p.x) break;
        levo += s.Levo.P[i] * (p.x - pomak);
    }
    pomak = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(s.Desno.Broj); ++i) {
        pomak += s.Desno.Razmak[i];
        if (pomak > p.doDesnog) break;
        desno += s.Desno.P[i] * (p.doDesnog - pomak);
    }
    const double razlika = (desno - levo) * p.krozL;
    return {p.desnoUdeo * levo + p.levoUdeo * desno + s.NaPreseku * p.x * p.desnoUdeo,
            razlika + s.NaPreseku * p.desnoUdeo, razlika - s.NaPreseku * p.levoUdeo};
}

TTacnaAnvelopa::TTacnaAnvelopa(const TVoz& voz)
    : fVoz(voz), fNapred(Pripremi(voz, false)), fNazad(Pripremi(voz, true)) {}

// As the train moves, the moment at x is piecewise linear in its position,
// with concave kinks only where a force crosses x (crossing a support gives a
// convex kink), so its maximum has some force on x. The shear only falls
// between events and jumps up only where a force crosses x from left to
// right, so its maximum has some force just right of x and its minimum some
// force just left of it; the train off the span (0) is never better than the
// outermost force on x. Hence n candidates per quantity and orientation.
//
// They are ranked in double, and those within reach of the best by the
// double's rounding are ranked again in extended precision, by their
// readings rounded to double and compared strictly: the first of equal ones
// is kept, P1..Pn before Pn..P1 and a force before the next. The winner is
// the one an extended search of every candidate would find, at a fraction of
// the cost.
std::size_t TTacnaAnvelopa::Proceni(double x, TSmerVoza smerVoza, TKandidati& kandidati) const {
    const double L = fVoz.Raspon();
    const TPresekUDouble presek{x, L - x, x / L, (L - x) / L, 1 / L};
    std::size_t broj = 0;
    for (const TSmer* smer : {&fNapred, &fNazad}) {
        if (smer->Obrnut ? smerVoza == TSmerVoza::Napred : smerVoza == TSmerVoza::Nazad) continue;
        for (std::size_t j = 0; j < static_cast<std::size_t>(smer->Broj); ++j)
            kandidati[broj++] = {smer, &smer->Sile[j], Procena(smer->Sile[j], presek)};
    }
    return broj;
}

bool TTacnaAnvelopa::NaRasponu(double x) const {
    const double L = fVoz.Raspon();
    return fVoz.Vazi() && L > 0 && x >= 0 && x <= L;
}

TVrednostiAnvelope TTacnaAnvelopa::Vrednosti(double x, TSmerVoza smer) const {
    if (!NaRasponu(x)) return {};
    TKandidati kandidati;
    const std::size_t broj = Proceni(x, smer, kandidati);
    TVrednostiAnvelope v{kandidati[0].procena.M, kandidati[0].procena.TLevo,
                         kandidati[0].procena.TDesno};
    for (std::size_t k = 1; k < broj; ++k) {
        const TProcena& p = kandidati[k].procena;
        if (p.M > v.ExtM) v.ExtM = p.M;
        if (p.TLevo > v.MaxT) v.MaxT = p.TLevo;
        if (p.TDesno < v.MinT) v.MinT = p.TDesno;
    }
    return v;
}

// As the train moves, the moment at x is piecewise linear in its position,
// with concave kinks only where a force crosses x (crossing a support gives a
// convex kink), so its maximum has some force on x. The shear only falls
// between events and jumps up only where a force crosses x from left to
// right, so its maximum has some force just right of x and its minimum some
// force just left of it; the train off the span (0) is never better than the
// outermost force on x. Hence n candidates per quantity and orientation.
//
// They are ranked in double, and those within reach of the best by the
// double's rounding are ranked again in extended precision, by their
// readings rounded to double and compared strictly: the first of equal ones
// is kept, P1..Pn before Pn..P1 and a force before the next. The winner is
// the one an extended search of every candidate would find, at a fraction of
// the cost.
TTacnaAnvelopaUPreseku TTacnaAnvelopa::UPreseku(double x, TSmerVoza smerVoza) const {
    if (!NaRasponu(x)) return {};
    const double L = fVoz.Raspon();
    TKandidati kandidati;
    const std::size_t broj = Proceni(x, smerVoza, kandidati);

    const Prosireno X = x;
    const Prosireno doDesnogX = L - X;
    const double R = fVoz.R();
    const auto ekstrem = [&](double TProcena::*procena, Prosireno TBrojioci::*citanje, bool najveci,
                             double skala) {
        const std::size_t p = NajboljiKandidat(
            broj,
            [&](std::size_t k) {
                return najveci ? kandidati[k].procena.*procena : -(kandidati[k].procena.*procena);
            },
            [&](std::size_t k) {
                const Prosireno v = Brojioci(*kandidati[k].sila, X, doDesnogX).*citanje;
                return static_cast<double>(najveci ? v : -v);
            },
            skala);
        const TBrojioci b = Brojioci(*kandidati[p].sila, X, doDesnogX);
        const TSilaNaPreseku& s = *kandidati[p].sila;
        return TEkstrem{static_cast<double>(b.*citanje / L),
                        {static_cast<double>(X + s.DoP1), s.Sila, kandidati[p].smer->Obrnut},
                        {static_cast<double>(b.M / L), static_cast<double>(b.TLevo / L),
                         static_cast<double>(b.TDesno / L)}};
    };
    return {ekstrem(&TProcena::M, &TBrojioci::M, true, R * L),
            ekstrem(&TProcena::TLevo, &TBrojioci::TLevo, true, R),
            ekstrem(&TProcena::TDesno, &TBrojioci::TDesno, false, R)};
}

TTacnaAnvelopaUPreseku TTacnaAnvelopa::UPreseku(const TPodaci& podaci, std::int32_t brojSila,
                                                double x, TSmerVoza smer) {
    return TTacnaAnvelopa(TVoz(podaci, brojSila)).UPreseku(x, smer);
}
