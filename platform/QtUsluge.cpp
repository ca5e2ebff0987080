// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtUsluge.h"

void TQtUsluge::PostaviRoditelja(QWidget* roditelj) {
    fPoruke.PostaviRoditelja(roditelj);
    fDijalozi.PostaviRoditelja(roditelj);
    fPregledStampe.PostaviRoditelja(roditelj);
}

TUsluge TQtUsluge::Usluge() {
    TUsluge u{&fPoruke, &fDijalozi, &fStampanje, &fDatoteke};
    u.PregledStampe = &fPregledStampe;
    return u;
}
