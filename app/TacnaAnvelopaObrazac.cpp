// SPDX-License-Identifier: GPL-3.0-or-later
#include "TacnaAnvelopaObrazac.h"

#include <QAction>

#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "IzvestajTacneAnvelope.h"
#include "PodaciObrazac.h"

TTacnaAnvelopaO* TacnaAnvelopaO = nullptr;

TTacnaAnvelopaO::TTacnaAnvelopaO(QWidget* roditelj) : TRezultatiO(roditelj) {
    setObjectName(QStringLiteral("TacnaAnvelopaO"));
    setWindowTitle(QStringLiteral("Tacna anvelopa"));
    resize(760, 420);
}

// The frame deletes its children on exit without asking this unit.
TTacnaAnvelopaO::~TTacnaAnvelopaO() {
    if (TacnaAnvelopaO == this) TacnaAnvelopaO = nullptr;
}

void TTacnaAnvelopaO::Osvezi() {
    if (!PodaciO || !PodaciO->Zakljucano()) {
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

void UkljuciTacnuAnvelopu(bool ukljuceno) {
    if (ukljuceno && !TacnaAnvelopaO) {
        TacnaAnvelopaO = new TTacnaAnvelopaO;
        GlavniO->DodajProzor(TacnaAnvelopaO);
        TacnaAnvelopaO->Osvezi();
    } else if (!ukljuceno && TacnaAnvelopaO) {
        delete TacnaAnvelopaO;
    }
    if (GrafikO) GrafikO->Povrsina()->update();
}

bool TacnaAnvelopaUkljucena() { return GlavniO && GlavniO->TacnaAnvelopa->isChecked(); }

void OsveziTacnuAnvelopu() {
    if (TacnaAnvelopaO) TacnaAnvelopaO->Osvezi();
}
