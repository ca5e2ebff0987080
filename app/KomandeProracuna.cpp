// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Proracun extM i extT", and the window "Tacna
// anvelopa" that one of them opens.
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

QMdiSubWindow* TGlavniO::ProzorTacneAnvelope() const { return TacnaAnvelopaO; }

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
    // The window takes its place beside the others, or gives it back.
    StandardniRaspored();
    GrafikO->Povrsina()->update();
}
