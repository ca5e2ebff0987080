// SPDX-License-Identifier: GPL-3.0-or-later
#include "VozUPolozaju.h"

#include <algorithm>
#include <limits>

#include "Prosireno.h"
#include "UticajneLinije.h"

TVozUPolozaju::TVozUPolozaju(const TVoz& voz, bool obrnut, std::int32_t sila, Prosireno x)
    : fL(voz.Raspon()), fObrnut(obrnut) {
    if (!voz.Vazi() || sila < 1 || sila > voz.BrojSila()) return;
    fBrojSila = static_cast<std::size_t>(voz.BrojSila());
    // Crossing as Pn..P1 the offsets from P1 point to the left.
    const Prosireno smer = obrnut ? -1.0_pr : 1.0_pr;
    for (std::int32_t k = 1; k <= voz.BrojSila(); ++k) {
        TSilaUPolozaju& s = fSile[static_cast<std::size_t>(k - 1)];
        s.Sila = k;
        s.P = voz.P()[static_cast<std::size_t>(k - 1)];
        s.x = k == sila ? x : x + smer * (voz.Odmak(k) - voz.Odmak(sila));
        s.NaRasponu = s.x >= 0 && s.x <= fL;
    }
}

template <class Uticaj>
Prosireno TVozUPolozaju::Zbir(Prosireno x, Uticaj uticaj) const {
    Prosireno zbir = 0;
    for (const TSilaUPolozaju& s : Sile()) zbir += s.P * uticaj(fL, x, s.x);
    return zbir;
}

Prosireno TVozUPolozaju::A() const { return Zbir(0.0_pr, UticajTLevo); }

Prosireno TVozUPolozaju::B() const { return -Zbir(static_cast<Prosireno>(fL), UticajTDesno); }

Prosireno TVozUPolozaju::M(Prosireno x) const { return Zbir(x, UticajM); }

Prosireno TVozUPolozaju::TLevo(Prosireno x) const { return Zbir(x, UticajTLevo); }

Prosireno TVozUPolozaju::TDesno(Prosireno x) const { return Zbir(x, UticajTDesno); }

TStanjePreseka TVozUPolozaju::UPreseku(Prosireno x) const {
    return {static_cast<double>(M(x)), static_cast<double>(TLevo(x)),
            static_cast<double>(TDesno(x))};
}

double TOpsegPrelaza::Tacka(double udeo) const {
    if (!(udeo > 0)) return Od;
    if (udeo >= 1) return Do;
    // Each term is at most its end, so the sum stays between the ends.
    const Prosireno u = udeo;
    return static_cast<double>(Od * (1 - u) + Do * u);
}

double TOpsegPrelaza::Udeo(double p1) const {
    if (!(Do > Od)) return 0.0;
    // Halved, neither difference can leave the range of a double.
    const Prosireno udeo = (p1 / 2.0_pr - Od / 2.0_pr) / (Do / 2.0_pr - Od / 2.0_pr);
    return static_cast<double>(std::clamp(udeo, 0.0_pr, 1.0_pr));
}

namespace {

double UOpsegu(Prosireno v) {
    constexpr Prosireno kNajvece = std::numeric_limits<double>::max();
    return static_cast<double>(std::clamp(v, -kNajvece, kNajvece));
}

}  // namespace

TOpsegPrelaza OpsegPrelaza(const TVoz& voz, bool obrnut) {
    const Prosireno duzina = voz.Vazi() ? voz.Odmak(voz.BrojSila()) : 0.0_pr;
    // P1 trails the train crossing forward and leads it crossing reversed.
    if (obrnut) return {0.0, UOpsegu(voz.Raspon() + duzina)};
    return {UOpsegu(-duzina), voz.Raspon()};
}
