// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProracunskiProracun.h"

#include <algorithm>

#include "PreseciIzvestaja.h"
#include "ProracunIzvestaja.h"
#include "Prosireno.h"

TProracunskiProracun TProracunskiProracun::Izracunaj(const TPodaci& podaci, std::int32_t brojSila,
                                                     const TProracunskaDejstva& dejstva,
                                                     TSmerVoza smer) {
    TProracunskiProracun p;
    p.Voz = TVoz(podaci, brojSila);
    p.Dejstva = dejstva;
    p.Smer = smer;
    const TVoz& v = p.Voz;
    if (!v.Vazi()) return p;
    const double L = v.Raspon();
    p.DuziOdRaspona = !v.StajeNaRaspon();
    p.Merodavno = ::Merodavno(v, dejstva, smer);

    const TProracunskaAnvelopa proracunska(v, dejstva),
        karakteristicna(v, dejstva.Karakteristicna());
    const std::int32_t n = podaci.BrojPreseka();
    const double korak = KorakPreseka(L, n);
    for (std::size_t i = 0; n >= 1 && i <= static_cast<std::size_t>(n); ++i) {
        const Prosireno xi = ApscisaPreseka(korak, static_cast<std::int32_t>(i));
        const double x = std::min(static_cast<double>(xi), L);
        p.Redovi.push_back({xi, proracunska.UPreseku(x, smer), karakteristicna.UPreseku(x, smer)});
    }
    return p;
}
