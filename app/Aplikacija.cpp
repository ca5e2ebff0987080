// SPDX-License-Identifier: GPL-3.0-or-later
#include "Aplikacija.h"

#include <QApplication>
#include <QMdiArea>
#include <QPushButton>

#include "Edit.h"
#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "IkonaPrograma.h"
#include "OProgramu.h"
#include "PodaciObrazac.h"
#include "RezultatiObrazac.h"

TAplikacija::TAplikacija(const TUsluge& usluge) {
    // Before the first window: a child window takes the icon there is when
    // it is made, and a dialog made without a parent has the application's.
    QApplication::setWindowIcon(IkonaPrograma());
    fGlavni = std::make_unique<TGlavniO>(usluge);
    GlavniO = fGlavni.get();
    PodaciO = new TPodaciO(usluge);
    GlavniO->DodajProzor(PodaciO);
    RezultatiO = new TRezultatiO;
    GlavniO->DodajProzor(RezultatiO);
    GrafikO = new TGrafikO(*PodaciO);
    GlavniO->DodajProzor(GrafikO);
    OProgramuObrazac = new TOProgramuObrazac(GlavniO);

    // The windows that follow the form's lock and cannot know the form,
    // which knows them: the menu item reads like the button, the diagram
    // window paints only while locked.
    QObject::connect(PodaciO, &TPodaciO::ZakljucavanjePromenjeno, GlavniO,
                     [] { GlavniO->PostaviNatpisProracuna(PodaciO->btnProracun->text()); });
    QObject::connect(PodaciO, &TPodaciO::ZakljucavanjePromenjeno, GrafikO,
                     &TGrafikO::PratiZakljucavanje);
    // After the diagram window, whose frame the status line reads.
    QObject::connect(PodaciO, &TPodaciO::ZakljucavanjePromenjeno, GlavniO,
                     &TGlavniO::PratiZakljucavanje);
    GrafikO->PresekIzabran = [](double x) { GlavniO->OtvoriPolozajVoza(x); };
}

TAplikacija::~TAplikacija() {
    // The children go with the frame; the globals must not outlive them.
    OProgramuObrazac = nullptr;
    GrafikO = nullptr;
    RezultatiO = nullptr;
    PodaciO = nullptr;
    GlavniO = nullptr;
    fGlavni.reset();
}

void TAplikacija::Prikazi() {
    fGlavni->showMaximized();
    // The last child shown would be the active one; the user starts typing
    // the first force.
    GlavniO->Klijent->setActiveSubWindow(PodaciO);
    PodaciO->txtP[0]->setFocus();
}
