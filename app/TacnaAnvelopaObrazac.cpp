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
    const TekstoviUnosa tekstovi = PodaciO->TekstoviCrteza();
    const int brojSila = PodaciO->BrojSilaCrteza();
    const char sep = GlavniO->Usluge().Separator();
    const TSmerVoza smer = GlavniO->SmerVoza();
    // People read the window: engineering rounding, as `tacno` does not.
    std::vector<std::string> l =
        IzvestajTacneAnvelope(tekstovi, brojSila, sep, smer, {}, TZapis::Inzenjerski);
    // Beside the absolute maximum, the value the diagram labels.
    for (std::string& m : LinijeMgov(tekstovi, brojSila, sep, smer, TZapis::Inzenjerski))
        l.push_back(std::move(m));
    QStringList linije;
    for (const std::string& s : l) linije << QString::fromStdString(s);
    PrikaziIzvestaj(linije);
}
