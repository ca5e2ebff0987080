// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnvelopaPoKolonama.h"

#include <algorithm>

#include "Zaokruzivanje.h"

std::string_view ImeVelicine(TVelicina v) {
    switch (v) {
        case TVelicina::ExtM:
            return "extM";
        case TVelicina::MaxT:
            return "maxT";
        case TVelicina::MinT:
            return "minT";
    }
    return {};
}

TAnvelopaPoKolonama AnvelopaPoKolonama(const TOkvirDijagrama& okvir, const TVoz& voz,
                                       TSmerVoza smer) {
    TAnvelopaPoKolonama a;
    if (okvir.sadrzaj != TSadrzajCrteza::Dijagrami || !voz.Vazi()) return a;
    const TTacnaAnvelopa tacna(voz);
    const auto kolona = static_cast<std::size_t>(okvir.Sirina()) + 1;
    for (TKolonaVelicine& k : a.Velicine) {
        k.Klasicno.resize(kolona);
        k.Tacno.resize(kolona);
        k.Skala = voz.R();
    }
    auto& [extM, maxT, minT] = a.Velicine;
    extM.Skala *= voz.Raspon();
    for (std::size_t i = 0; i < kolona; ++i) {
        const double X = okvir.Uzorak(static_cast<std::int64_t>(i));
        // The calculator gives maxT and minT negated.
        extM.Klasicno[i] = voz.ExtM(X);
        maxT.Klasicno[i] = -voz.MaxT(X);
        minT.Klasicno[i] = -voz.MinT(X);
        const TVrednostiAnvelope t = tacna.Vrednosti(X, smer);
        extM.Tacno[i] = t.ExtM;
        maxT.Tacno[i] = t.MaxT;
        minT.Tacno[i] = t.MinT;
    }
    return a;
}

std::int32_t Red(const TOkvirDijagrama& o, TVelicina v, double vrednost) {
    const Prosireno V = vrednost;
    const Prosireno y = v == TVelicina::ExtM ? V * o.kM + o.y0 : -V * o.kT + o.y1;
    // An exact value far beyond the classical scale (a load case at the ends
    // of the double range) is drawn far off the picture, not off the range.
    constexpr Prosireno kDaleko = 1 << 20;
    if (!(y > -kDaleko)) return static_cast<std::int32_t>(-kDaleko);
    return ZaokruziParno(std::min(y, kDaleko));
}
