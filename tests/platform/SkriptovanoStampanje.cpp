// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkriptovanoStampanje.h"

#include "GreskaStampe.h"

QString TSkriptovanoStampanje::TrenutniStampac() {
    if (Trenutni.isEmpty()) throw EGreskaStampe(kNemaStampaca);
    return Trenutni;
}

void TSkriptovanoStampanje::Postavi(const TPodesavanjeStrane& strana) {
    Postavljeno.push_back(strana);
    if (!strana.Stampac.isEmpty()) Trenutni = strana.Stampac;
}

void TSkriptovanoStampanje::PocniPosao() {
    TrenutniStampac();
    if (GreskaPocetka) throw EGreskaStampe(*GreskaPocetka);
    fStrana = QImage(fVelicina, QImage::Format_RGB32);
    fStrana.fill(Qt::white);
    fPlatno = std::make_unique<QPainter>(&fStrana);
}

void TSkriptovanoStampanje::ZavrsiPosao() {
    if (!fPlatno) return;
    fPlatno.reset();
    Odstampano.push_back(fStrana);
}

void TSkriptovanoStampanje::OtkaziPosao() {
    if (!fPlatno) return;
    fPlatno.reset();
    ++Otkazano;
}
