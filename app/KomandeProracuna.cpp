// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Proracun extM i extT", the window "Tacna
// anvelopa" that one of them opens, and the status line that follows the
// calculation.
#include <QAction>
#include <QMdiArea>
#include <QPushButton>
#include <algorithm>

#include "AnvelopaPoKolonama.h"
#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "ManjakKlasicnog.h"
#include "PodaciObrazac.h"
#include "PolozajVozaObrazac.h"
#include "TacnaAnvelopaObrazac.h"

namespace {

// The train the form locked with.
TVoz VozCrteza(char sep) {
    return TVoz(ZapisIzTekstova(PodaciO->TekstoviCrteza(), sep), PodaciO->BrojSilaCrteza());
}

}  // namespace

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

TSmerVoza TGlavniO::SmerVoza() const {
    return ObaSmeraVoza->isChecked() ? TSmerVoza::Oba : TSmerVoza::Napred;
}

void TGlavniO::PolozajVozaClick() {
    if (!PodaciO->Zakljucano()) return;
    OtvoriPolozajVoza(
        ZapisIzTekstova(PodaciO->TekstoviCrteza(), fUsluge.Separator()).ProizvoljnoX());
}

void TGlavniO::OtvoriPolozajVoza(double x) {
    if (!PolozajVozaO) {
        PolozajVozaO = new TPolozajVozaO;
        DodajProzor(PolozajVozaO);
    }
    PolozajVozaO->PrikaziPresek(x);
    PolozajVozaO->showNormal();
    Klijent->setActiveSubWindow(PolozajVozaO);
}

void TGlavniO::ObaSmeraVozaClick() {
    GrafikO->Povrsina()->update();
    if (TacnaAnvelopaO) TacnaAnvelopaO->Osvezi();
    if (PolozajVozaO) PolozajVozaO->Osvezi();
    OsveziUpozorenje();
}

void TGlavniO::PratiZakljucavanje(bool zakljucano) {
    PolozajVoza->setEnabled(zakljucano);
    OsveziUpozorenje();
}

void TGlavniO::OsveziUpozorenje() {
    std::vector<TManjakKlasicnog> manjkovi;
    const TOkvirDijagrama& okvir = GrafikO->Okvir();
    if (PodaciO->Zakljucano() && okvir.sadrzaj == TSadrzajCrteza::Dijagrami) {
        const TVoz voz = VozCrteza(fUsluge.Separator());
        manjkovi = ManjakKlasicnog(okvir, AnvelopaPoKolonama(okvir, voz, SmerVoza()));
    }
    const auto najveci = std::max_element(manjkovi.begin(), manjkovi.end(),
                                          [](const TManjakKlasicnog& a, const TManjakKlasicnog& b) {
                                              return a.Procenat < b.Procenat;
                                          });
    fPresekUpozorenja = najveci != manjkovi.end() ? najveci->x : 0.0;
    Upozorenje->setText(QString::fromStdString(TekstUpozorenja(manjkovi, fUsluge.Separator())));
    Upozorenje->setEnabled(!manjkovi.empty());
}

void TGlavniO::UpozorenjeClick() {
    if (PodaciO->Zakljucano() && Upozorenje->isEnabled()) OtvoriPolozajVoza(fPresekUpozorenja);
}
