// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProracunIzvestaja.h"

#include "PreseciIzvestaja.h"
#include "Prosireno.h"

namespace {

// Widens the end of the last zone so that a last section pushed past L by
// rounding still falls in it.
constexpr double kEpsilon = 0.000001;

// Whether x lies in zone k. The extM table lets zone 2 of a train of four to
// six forces include its left end, so a section on lambda_1 gets two lines;
// the arbitrary section does not.
bool UZoni(const TVoz& v, std::int32_t k, Prosireno x, bool drugaSaLevimKrajem) {
    const std::int32_t F = v.BrojSila();
    if (F == 1) return true;
    if (k == 1) return 0.0_pr <= x && x <= v.Jednacina(1).Lambda;
    const Prosireno levo = v.ZbirLambdi(k - 1);
    if (k == F) return levo < x && x <= static_cast<Prosireno>(v.Raspon()) + kEpsilon;
    const Prosireno desno = v.ZbirLambdi(k);
    if (k == 2 && F >= 4 && drugaSaLevimKrajem) return levo <= x && x <= desno;
    return levo < x && x <= desno;
}

// The section as the calculator gets it. One that rounding carried past L by
// no more than epsilon is taken at L: beyond the span the shear forces
// answer 0.0, which is not the value at the support.
double ArgumentSmicanja(Prosireno x, double L) {
    if (x > L && x <= static_cast<Prosireno>(L) + kEpsilon) return L;
    return static_cast<double>(x);
}

TGranicaZone Granica(const TVoz& v, std::int32_t k, std::int32_t j) {
    const Prosireno x = v.ZbirLambdi(j);
    return {j, x, v.Moment(k, x)};
}

}  // namespace

TProracunIzvestaja TProracunIzvestaja::Izracunaj(const TPodaci& podaci, std::int32_t brojSila,
                                                 const std::function<void(int)>& napredak) {
    const auto javi = [&napredak](int polozaj) {
        if (napredak) napredak(polozaj);
    };
    TProracunIzvestaja p;
    p.Voz = TVoz(podaci, brojSila);
    p.Proizvoljni.x = podaci.ProizvoljnoX();
    const TVoz& v = p.Voz;
    if (!v.Vazi()) return p;
    const std::int32_t F = v.BrojSila();
    const double L = v.Raspon();

    for (std::int32_t k = 1; k <= F; ++k) {
        if (k >= 2) p.Granice[k - 1].Leva = Granica(v, k, k - 1);
        if (k <= F - 1) p.Granice[k - 1].Desna = Granica(v, k, k);
    }

    const std::int32_t n = podaci.BrojPreseka();
    if (n >= 1) {
        p.KorakPreseka = ::KorakPreseka(L, n);
        p.Preseci.resize(static_cast<std::size_t>(n) + 1);
    }
    for (std::size_t i = 0; i < p.Preseci.size(); ++i) {
        TRedPreseka& red = p.Preseci[i];
        red.x = ApscisaPreseka(p.KorakPreseka, static_cast<std::int32_t>(i));
        for (std::int32_t k = 1; k <= F; ++k)
            if (UZoni(v, k, red.x, true)) red.ExtM.push_back({k, v.Moment(k, red.x)});
    }
    javi(50);
    // The calculator gives maxT and minT negated; + 0.0 keeps a zero unsigned.
    for (TRedPreseka& red : p.Preseci) red.MaxT = -v.MaxT(ArgumentSmicanja(red.x, L)) + 0.0;
    javi(60);
    for (TRedPreseka& red : p.Preseci) red.MinT = -v.MinT(ArgumentSmicanja(red.x, L)) + 0.0;
    javi(70);

    // A later zone that holds the arbitrary section takes over.
    TProizvoljniPresek& a = p.Proizvoljni;
    const Prosireno X = a.x;
    for (std::int32_t k = 1; k <= F; ++k)
        if (UZoni(v, k, X, false)) {
            a.Zona = k;
            a.ExtM = static_cast<double>(v.Moment(k, X));
        }
    a.MaxT = -v.MaxT(a.x);
    a.MinT = -v.MinT(a.x);
    return p;
}

RezultatiProracuna TProracunIzvestaja::Polja() const {
    RezultatiProracuna r;
    r.FR = Voz.R();
    r.FXR = Voz.xR();
    for (std::int32_t k = 1; Voz.Vazi() && k <= Voz.BrojSila(); ++k) {
        const TJednacinaSile& j = Voz.Jednacina(k);
        const std::size_t i = static_cast<std::size_t>(k - 1);
        r.FMlevo[i] = j.Mlevo;
        r.FA[i] = j.A;
        r.FTeme[i] = j.Teme;
        r.FMaxM[i] = j.MaxM;
        r.FNule[i] = j.Nule;
        r.FLambda[i] = j.Lambda;
    }
    r.FMProizvoljno = Proizvoljni.ExtM;
    r.FMaxTProizvoljno = Proizvoljni.MaxT;
    r.FMinTProizvoljno = Proizvoljni.MinT;
    r.FXProizvoljno = Proizvoljni.x;
    r.FKorakPreseka = KorakPreseka;
    return r;
}
