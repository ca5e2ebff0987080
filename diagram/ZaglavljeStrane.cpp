// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZaglavljeStrane.h"

#include "OkvirDijagrama.h"

std::string ImeDatoteke(const std::string& putanja) {
    const std::size_t kosa = putanja.rfind('/');
    return kosa == std::string::npos ? putanja : putanja.substr(kosa + 1);
}

void NacrtajZaglavljeStrane(TPlatno& platno, std::int32_t sirina, const TFont& font,
                            const std::string& putanja, const std::string& datum) {
    const TOkvirDijagrama okvir(true, sirina, 0, 1.0);
    platno.Font() = font;
    const std::string datoteka =
        "Datoteka: " + (putanja.empty() ? kBezDatoteke : ImeDatoteke(putanja));
    const std::string dan = "Datum: " + datum;
    const TVelicinaTeksta levo = platno.VelicinaTeksta(datoteka);
    const TVelicinaTeksta desno = platno.VelicinaTeksta(dan);
    platno.Tekst(okvir.x0, 0, datoteka);
    const bool stanu = okvir.x0 + levo.sirina + levo.visina <= okvir.x1 - desno.sirina;
    platno.Tekst(stanu ? okvir.x1 - desno.sirina : okvir.x0, stanu ? 0 : levo.visina, dan);
}
