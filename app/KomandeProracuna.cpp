// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Proracun extM i extT", the windows "Tacna
// anvelopa" and "Merodavne vrednosti" that two of them open, and the status
// line that follows the calculation.
#include <QAction>
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

void TGlavniO::OtvoriPolozajVoza(double x) {
    // A train longer than the span has no classical position to set beside
    // the exact one; "Merodavne vrednosti" shows where it must stand.
    if (!VozCrteza(fUsluge.Separator()).StajeNaRaspon()) return;
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
