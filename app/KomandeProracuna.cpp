// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Proracun extM i extT", the window "Tacna
// anvelopa" that one of them opens, and the status line that follows the
// calculation.
#include <QAction>
#include <QLabel>
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

// It opens filling the client area, and comes back into it from wherever
// a smaller frame left it.
void TGlavniO::OtvoriPolozajVoza(double x) {
    const QRect klijent(QPoint(0, 0), KlijentskaVelicina());
    if (!PolozajVozaO) {
        PolozajVozaO = new TPolozajVozaO;
        DodajProzor(PolozajVozaO);
        PolozajVozaO->setGeometry(klijent);
    }
    PolozajVozaO->PrikaziPresek(x);
    PolozajVozaO->showNormal();
    if (!klijent.contains(PolozajVozaO->geometry())) PolozajVozaO->setGeometry(klijent);
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
    const char sep = fUsluge.Separator();
    if (PodaciO->Zakljucano() && okvir.sadrzaj == TSadrzajCrteza::Dijagrami) {
        const TVoz voz = VozCrteza(sep);
        manjkovi = ManjakKlasicnog(okvir, AnvelopaPoKolonama(okvir, voz, SmerVoza()),
                                   ZapisIzTekstova(PodaciO->TekstoviCrteza(), sep).BrojPreseka());
    }
    Upozorenje->setText(manjkovi.empty() ? QString() : QString::fromLatin1(kPocetakUpozorenja));
    for (std::size_t i = 0; i < ManjkoviUpozorenja.size(); ++i) {
        QPushButton* dugme = ManjkoviUpozorenja[i];
        if (i >= manjkovi.size()) {
            dugme->hide();
            continue;
        }
        fPreseciUpozorenja[i] = static_cast<double>(manjkovi[i].x);
        dugme->setText(QString::fromStdString(TekstManjka(manjkovi[i], sep)) +
                       (i + 1 < manjkovi.size() ? QStringLiteral(";") : QString()));
        dugme->show();
    }
    Upozorenje->setToolTip(QString::fromStdString(::TekstUpozorenja(manjkovi, sep)));
}

void TGlavniO::UpozorenjeClick(std::size_t indeks) {
    if (PodaciO->Zakljucano() && indeks < ManjkoviUpozorenja.size() &&
        !ManjkoviUpozorenja[indeks]->isHidden())
        OtvoriPolozajVoza(fPreseciUpozorenja[indeks]);
}
