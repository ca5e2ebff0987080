// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtUsluge.h"

void TQtUsluge::PostaviRoditelja(QWidget* roditelj) {
    fPoruke.PostaviRoditelja(roditelj);
    fDijalozi.PostaviRoditelja(roditelj);
}

TUsluge TQtUsluge::Usluge() { return TUsluge{&fPoruke, &fDijalozi, &fStampanje, &fDatoteke}; }
