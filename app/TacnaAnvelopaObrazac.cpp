// SPDX-License-Identifier: GPL-3.0-or-later
#include "TacnaAnvelopaObrazac.h"

#include "GlavniObrazac.h"
#include "IzvestajTacneAnvelope.h"
#include "PodaciObrazac.h"

TTacnaAnvelopaO::TTacnaAnvelopaO(QWidget* roditelj) : TRezultatiO(roditelj) {
    setObjectName(QStringLiteral("TacnaAnvelopaO"));
    setWindowTitle(QStringLiteral("Tacna anvelopa"));
    connect(PodaciO, &TPodaciO::ZakljucavanjePromenjeno, this, &TTacnaAnvelopaO::Osvezi);
}

void TTacnaAnvelopaO::Osvezi() {
    if (!PodaciO->Zakljucano()) {
        ObrisiIzvestaj();
        return;
    }
    QStringList linije;
    for (const std::string& l :
         IzvestajTacneAnvelope(PodaciO->TekstoviCrteza(), PodaciO->BrojSilaCrteza(),
                               GlavniO->Usluge().Separator(), TSmerVoza::Napred))
        linije << QString::fromStdString(l);
    PrikaziIzvestaj(linije);
}
