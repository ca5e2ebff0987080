// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlavniObrazac.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "Fontovi.h"
#include "GrafikObrazac.h"
#include "KomandeDatoteke.h"
#include "KomandeIzvoza.h"
#include "KomandeStampe.h"
#include "OProgramu.h"
#include "PodaciObrazac.h"
#include "PrijavaGreske.h"
#include "RezultatiObrazac.h"
#include "TacnaAnvelopaObrazac.h"

TGlavniO* GlavniO = nullptr;

namespace {

QAction* Stavka(QMenu* meni, const char* ime, const char* natpis) {
    QAction* a = meni->addAction(QString::fromLatin1(natpis));
    a->setObjectName(QString::fromLatin1(ime));
    return a;
}

QMenu* Meni(QMenuBar* traka, const char* ime, const char* natpis) {
    QMenu* m = traka->addMenu(QString::fromLatin1(natpis));
    m->setObjectName(QString::fromLatin1(ime));
    return m;
}

void Razdelnik(QMenu* meni, const char* ime) {
    meni->addSeparator()->setObjectName(QString::fromLatin1(ime));
}

}  // namespace

TGlavniO::TGlavniO(TUsluge usluge) : fUsluge(std::move(usluge)) {
    setObjectName(QStringLiteral("GlavniO"));
    setWindowTitle(QString::fromLatin1(kNaslovGlavnog));
    setFont(FontProzora(11, false));
    setGeometry(300, 194, 783, 540);
    Klijent = new QMdiArea;
    Klijent->setObjectName(QStringLiteral("Klijent"));
    setCentralWidget(Klijent);
    // Qt tells of a size change only after it happened; the arrangement
    // then uses the new client size, which is the viewport's.
    Klijent->viewport()->installEventFilter(this);
    NapraviMeni();
    FormCreate();
}

void TGlavniO::NapraviMeni() {
    QMenuBar* GlavniMeni = menuBar();
    GlavniMeni->setObjectName(QStringLiteral("GlavniMeni"));

    Datoteka = Meni(GlavniMeni, "Datoteka", "Datoteka");
    Otvori = Stavka(Datoteka, "Otvori", "Otvori...");
    Snimi = Stavka(Datoteka, "Snimi", "Snimi...");
    Snimikao = Stavka(Datoteka, "Snimikao", "Snimi kao...");
    Snimirezultateproracuna = Datoteka->addMenu(QStringLiteral("Snimi rezultate proracuna"));
    Snimirezultateproracuna->setObjectName(QStringLiteral("Snimirezultateproracuna"));
    txt = Stavka(Snimirezultateproracuna, "txt", ".txt");
    doc = Stavka(Snimirezultateproracuna, "doc", ".doc");
    xls = Stavka(Snimirezultateproracuna, "xls", ".xls");
    Razdelnik(Datoteka, "N1");
    Snimiskicugrede1 = Stavka(Datoteka, "Snimiskicugrede1", "Snimi skicu grede...");
    Podesavanjeparametarastampe1 =
        Stavka(Datoteka, "Podesavanjeparametarastampe1", "Podesavanje parametara stampe...");
    Snimigrafik1 = Stavka(Datoteka, "Snimigrafik1", "Stampaj grafik...");
    Razdelnik(Datoteka, "N2");
    Izlaz = Stavka(Datoteka, "Izlaz", "Izlaz");

    Proracunlastovar = Meni(GlavniMeni, "Proracunlastovar", "Proracun extM i extT");
    Proracun = Stavka(Proracunlastovar, "Proracun", kNatpisProracun);
    TacnaAnvelopa = Stavka(Proracunlastovar, "TacnaAnvelopa", "Tacna anvelopa");
    TacnaAnvelopa->setCheckable(true);

    Prozori = Meni(GlavniMeni, "Prozori", "Prozori");
    Podesistandardniraspored =
        Stavka(Prozori, "Podesistandardniraspored", "Podesi standardni raspored");
    MiximizujRezultatiProracuna =
        Stavka(Prozori, "MiximizujRezultatiProracuna", "Maximizuju obrazac Rezultati proracuna");
    MiximizujDijagramLastovar =
        Stavka(Prozori, "MiximizujDijagramLastovar", "Maximizuj obrazac Dijagram extM i extT");

    Pomoc = Meni(GlavniMeni, "Pomoc", "Pomoc");
    Oprogramu = Stavka(Pomoc, "Oprogramu", "O programu...");

    Povezi(Otvori, &TGlavniO::OtvoriClick);
    Povezi(Snimi, &TGlavniO::SnimiClick);
    Povezi(Snimikao, &TGlavniO::SnimikaoClick);
    Povezi(txt, &TGlavniO::txtClick);
    Povezi(doc, &TGlavniO::docClick);
    Povezi(xls, &TGlavniO::xlsClick);
    Povezi(Snimiskicugrede1, &TGlavniO::Snimiskicugrede1Click);
    Povezi(Podesavanjeparametarastampe1, &TGlavniO::Podesavanjeparametarastampe1Click);
    Povezi(Snimigrafik1, &TGlavniO::Snimigrafik1Click);
    Povezi(Izlaz, &TGlavniO::IzlazClick);
    Povezi(Proracun, &TGlavniO::ProracunClick);
    connect(TacnaAnvelopa, &QAction::toggled, this, [this](bool ukljuceno) {
        IzvrsiKomandu(*fUsluge.Poruke, [ukljuceno] { UkljuciTacnuAnvelopu(ukljuceno); });
    });
    Povezi(Podesistandardniraspored, &TGlavniO::PodesistandardnirasporedClick);
    Povezi(MiximizujRezultatiProracuna, &TGlavniO::MiximizujRezultatiProracunaClick);
    Povezi(MiximizujDijagramLastovar, &TGlavniO::MiximizujDijagramLastovarClick);
    Povezi(Oprogramu, &TGlavniO::OprogramuClick);
}

void TGlavniO::Povezi(QAction* stavka, void (TGlavniO::*rukovalac)()) {
    connect(stavka, &QAction::triggered, this, [this, rukovalac] {
        IzvrsiKomandu(*fUsluge.Poruke, [this, rukovalac] { (this->*rukovalac)(); });
    });
}

void TGlavniO::FormCreate() {
    ImeDatoteke.clear();
    FaktorSkaliranja = 10.0;
    FaktorPomeranjaTexta = 8.0;
    FontDialog1.Font = FontProzora(16, true);
    FontDialog1.Boja = Qt::black;
}

void TGlavniO::PostaviNatpisProracuna(const QString& natpis) {
    Proracun->setText(natpis);
    OsveziTacnuAnvelopu();
}

QSize TGlavniO::KlijentskaVelicina() const { return Klijent->viewport()->size(); }

void TGlavniO::DodajProzor(QMdiSubWindow* prozor) {
    Klijent->addSubWindow(prozor);
    prozor->show();
}

bool TGlavniO::PitajZaIzlaz() {
    return fUsluge.Poruke->Potvrda(QString::fromLatin1(kPitanjeIzlaza));
}

void TGlavniO::IzlazClick() {
    if (!PitajZaIzlaz()) return;
    fIzlazOdobren = true;
    close();
    QApplication::quit();
}

void TGlavniO::closeEvent(QCloseEvent* dogadjaj) {
    if (fIzlazOdobren || PitajZaIzlaz()) {
        fIzlazOdobren = true;
        dogadjaj->accept();
    } else {
        dogadjaj->ignore();
    }
}

void TGlavniO::OtvoriClick() { OtvoriPodatke(*this); }

void TGlavniO::SnimiClick() {
    if (ImeDatoteke.isEmpty())
        SnimiPodatkeKao();
    else
        SnimiPodatke(ImeDatoteke);
}

void TGlavniO::SnimikaoClick() { SnimiPodatkeKao(); }

void TGlavniO::UcitajPodatke(const QString& putanja) {
    ::UcitajPodatke(*PodaciO, *fUsluge.Datoteke, putanja);
}

bool TGlavniO::SnimiPodatke(const QString& putanja) {
    return ::SnimiPodatke(*PodaciO, fUsluge, putanja);
}

void TGlavniO::SnimiPodatkeKao() { ::SnimiPodatkeKao(*this); }

void TGlavniO::txtClick() { SnimiRezultate(QStringLiteral("txt")); }

void TGlavniO::docClick() { SnimiRezultate(QStringLiteral("doc")); }

void TGlavniO::xlsClick() { SnimiRezultate(QStringLiteral("xls")); }

void TGlavniO::SnimiRezultate(const QString& ekstenzija) { ::SnimiRezultate(*this, ekstenzija); }

void TGlavniO::Snimiskicugrede1Click() { SnimiSkicuGrede(*this); }

void TGlavniO::Podesavanjeparametarastampe1Click() { PodesiParametreStampe(*this); }

void TGlavniO::Snimigrafik1Click() { StampajGrafik(*this); }

void TGlavniO::ProracunClick() {
    StandardniRaspored();
    PodaciO->btnProracunClick();
    PostaviNatpisProracuna(PodaciO->btnProracun->text());
}

void TGlavniO::PodesistandardnirasporedClick() { StandardniRaspored(); }

void TGlavniO::MiximizujRezultatiProracunaClick() { RezultatiO->showMaximized(); }

void TGlavniO::MiximizujDijagramLastovarClick() { GrafikO->showMaximized(); }

void TGlavniO::OprogramuClick() { OProgramuObrazac->exec(); }

void TGlavniO::FormCanResize() { StandardniRaspored(); }

bool TGlavniO::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (objekat == Klijent->viewport() && dogadjaj->type() == QEvent::Resize) FormCanResize();
    return QMainWindow::eventFilter(objekat, dogadjaj);
}

void TGlavniO::paintEvent(QPaintEvent* dogadjaj) {
    // With no window manager (a bare X server) nothing maximises the frame;
    // by its first paint one would have, so fill the screen ourselves.
    if (fPrviPrikaz) {
        fPrviPrikaz = false;
        const QRect ekran = screen()->availableGeometry();
        if (isMaximized() && frameGeometry().size() != ekran.size())
            windowHandle()->setGeometry(ekran);
    }
    QMainWindow::paintEvent(dogadjaj);
}
