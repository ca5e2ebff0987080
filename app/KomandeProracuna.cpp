// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Proracun extM i extT", the windows "Tacna
// anvelopa" and "Merodavne vrednosti" that two of them open, and the status
// line that follows the calculation.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <algorithm>

#include "AnvelopaPoKolonama.h"
#include "GlavniObrazac.h"
#include "GrafikObrazac.h"
#include "Konverzija.h"
#include "ManjakKlasicnog.h"
#include "MerodavneVrednostiObrazac.h"
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
    // A train longer than the span has no classical position to set beside
    // the exact one; "Merodavne vrednosti" shows where it must stand.
    if (!VozCrteza(fUsluge.Separator()).StajeNaRaspon()) return;
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
    if (MerodavneVrednostiO) MerodavneVrednostiO->Osvezi();
    OsveziUpozorenje();
}

void TGlavniO::PratiZakljucavanje(bool zakljucano) {
    PolozajVoza->setEnabled(zakljucano && VozCrteza(fUsluge.Separator()).StajeNaRaspon());
    if (zakljucano && ProracunskaAnvelopa->isChecked()) OtvoriMerodavneVrednosti();
    OsveziUpozorenje();
}

TProracunskaDejstva TGlavniO::AktivnaDejstva() const {
    return ProracunskaAnvelopa->isChecked() ? Dejstva : TProracunskaDejstva{};
}

QMdiSubWindow* TGlavniO::ProzorMerodavnih() const { return MerodavneVrednostiO.data(); }

void TGlavniO::OtvoriMerodavneVrednosti() {
    if (!MerodavneVrednostiO) {
        MerodavneVrednostiO = new TMerodavneVrednostiO;
        DodajProzor(MerodavneVrednostiO);
        StandardniRaspored();
    }
    MerodavneVrednostiO->Osvezi();
    MerodavneVrednostiO->showNormal();
    Klijent->setActiveSubWindow(MerodavneVrednostiO);
}

void TGlavniO::ProracunskeVrednostiClick() {
    const char sep = fUsluge.Separator();
    // The train and span the form holds, where they are numbers, bound what
    // the actions may be before a design value overflows.
    double R = 0, L = 0;
    try {
        const TVoz voz(ZapisZaBrojSila(PodaciO->TekstoviCrteza(), PodaciO->BrojSilaCrteza(), sep),
                       PodaciO->BrojSilaCrteza());
        R = voz.R();
        L = voz.Raspon();
    } catch (const EGreskaKonverzije&) {
    }
    TTekstoviDejstava tekstovi = TekstoviDejstava(Dejstva, sep);
    for (;;) {
        const std::optional<TTekstoviDejstava> izbor =
            fUsluge.Dijalozi->ProracunskeVrednosti(tekstovi);
        if (!izbor) return;
        tekstovi = *izbor;
        try {
            const TProracunskaDejstva d = DejstvaIzTekstova(tekstovi, sep);
            if (DejstvaVaze(d, R, L)) {
                Dejstva = d;
                break;
            }
        } catch (const EGreskaKonverzije&) {
        }
        fUsluge.Poruke->Greska(
            QString::fromLatin1(kPorukaDejstava.data(), qsizetype(kPorukaDejstava.size())));
    }
    if (!ProracunskaAnvelopa->isChecked()) return;
    if (MerodavneVrednostiO) MerodavneVrednostiO->Osvezi();
    if (PolozajVozaO) PolozajVozaO->Osvezi();
}

void TGlavniO::ProracunskaAnvelopaClick() {
    if (ProracunskaAnvelopa->isChecked()) {
        if (PodaciO->Zakljucano()) OtvoriMerodavneVrednosti();
    } else {
        delete MerodavneVrednostiO;
        // Without the design envelope a train longer than the span has no
        // results: the form unlocks and the value check says why.
        if (PodaciO->Zakljucano() && !VozCrteza(fUsluge.Separator()).StajeNaRaspon())
            PodaciO->PritisakPosleOtvaranja();
    }
    StandardniRaspored();
    if (PolozajVozaO) PolozajVozaO->Osvezi();
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
