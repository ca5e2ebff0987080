// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnvelopaPoKolonama.h"

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
    const long double V = vrednost;
    if (v == TVelicina::ExtM) return ZaokruziParno(V * o.kM + o.y0);
    return ZaokruziParno(-V * o.kT + o.y1);
}
