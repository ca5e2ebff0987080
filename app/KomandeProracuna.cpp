// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Proracun extM i extT".
#include <QAction>
#include <QPushButton>

#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "PodaciObrazac.h"
#include "TacnaAnvelopaObrazac.h"

void TGlavniO::ProracunClick() {
    StandardniRaspored();
    PodaciO->btnProracunClick();
    PostaviNatpisProracuna(PodaciO->btnProracun->text());
}

void TGlavniO::TacnaAnvelopaClick() {
    const bool ukljuceno = TacnaAnvelopa->isChecked();
    if (ukljuceno && !TacnaAnvelopaO) {
        TacnaAnvelopaO = new TTacnaAnvelopaO;
        DodajProzor(TacnaAnvelopaO);
        TacnaAnvelopaO->Osvezi();
    } else if (!ukljuceno && TacnaAnvelopaO) {
        delete TacnaAnvelopaO;
        TacnaAnvelopaO = nullptr;
    }
    GrafikO->Povrsina()->update();
}
