// SPDX-License-Identifier: GPL-3.0-or-later
#include "PolozajVozaObrazac.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "GlavniObrazac.h"
#include "PlatnoSlike.h"
#include "PodaciObrazac.h"
#include "PolozajVozaDijagram.h"

namespace {

// 60 frames a second.
constexpr int kMilisekundiKadra = 16;

const QString kPusti = QStringLiteral("Pusti");
const QString kZaustavi = QStringLiteral("Zaustavi");

double SatOdPokretanja() {
    static QElapsedTimer sat;
    if (!sat.isValid()) sat.start();
    return static_cast<double>(sat.nsecsElapsed()) / 1e9;
}

}  // namespace

TPolozajVozaO::TPolozajVozaO(QWidget* roditelj) : QMdiSubWindow(roditelj), Sat(SatOdPokretanja) {
    setObjectName(QStringLiteral("PolozajVozaO"));
    setWindowTitle(QStringLiteral("Polozaj voza"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* sadrzaj = new QWidget;
    sadrzaj->setObjectName(QStringLiteral("SadrzajPolozaja"));
    Povrsina = new QWidget;
    Povrsina->setObjectName(QStringLiteral("PovrsinaPolozaja"));
    Povrsina->setMinimumSize(400, 300);
    Povrsina->setAttribute(Qt::WA_OpaquePaintEvent);
    Povrsina->installEventFilter(this);

    Pusti = new QPushButton(kPusti);
    Pusti->setObjectName(QStringLiteral("Pusti"));
    Klizac = new QSlider(Qt::Horizontal);
    Klizac->setObjectName(QStringLiteral("Klizac"));
    Klizac->setAccessibleName(QStringLiteral("Polozaj prve sile"));
    Klizac->setRange(0, kKoraka);
    Klizac->setSingleStep(kKoraka / 200);
    Klizac->setPageStep(kKoraka / 20);
    Klizac->installEventFilter(this);
    Kriticni = new QPushButton(QStringLiteral("Kriticni polozaji"));
    Kriticni->setObjectName(QStringLiteral("Kriticni"));
    // The arrow keys move the train wherever the focus is in the window.
    Povrsina->setFocusProxy(Klizac);
    Pusti->setFocusPolicy(Qt::NoFocus);
    Kriticni->setFocusPolicy(Qt::NoFocus);

    auto* komande = new QHBoxLayout;
    komande->addWidget(Pusti);
    komande->addWidget(Klizac, 1);
    komande->addWidget(Kriticni);
    auto* raspored = new QVBoxLayout(sadrzaj);
    raspored->setContentsMargins(4, 4, 4, 4);
    raspored->addWidget(Povrsina, 1);
    raspored->addLayout(komande);
    setWidget(sadrzaj);
    resize(1000, 760);

    Tajmer = new QTimer(this);
    Tajmer->setObjectName(QStringLiteral("Tajmer"));
    Tajmer->setTimerType(Qt::PreciseTimer);
    Tajmer->setInterval(kMilisekundiKadra);
    connect(Tajmer, &QTimer::timeout, this, [this] { Korak(); });
    connect(Pusti, &QPushButton::clicked, this, [this] { PustiIliZaustavi(); });
    connect(Kriticni, &QPushButton::clicked, this, [this] { KriticniPolozaji(); });
    // A move of the user's own, by the mouse or a key, stops the play.
    connect(Klizac, &QSlider::valueChanged, this, [this](int v) {
        if (fPostavljam) return;
        Zaustavi();
        PostaviP1(Opseg().Tacka(static_cast<double>(v) / kKoraka));
    });
    connect(PodaciO, &TPodaciO::ZakljucavanjePromenjeno, this, [this] { Osvezi(); });

    Osvezi();
}

TPolozajVozaO::~TPolozajVozaO() = default;

TOpsegPrelaza TPolozajVozaO::Opseg() const { return OpsegPrelaza(fVoz, fObrnut); }

bool TPolozajVozaO::Pusten() const { return Tajmer->isActive(); }

void TPolozajVozaO::Osvezi() {
    fZakljucano = PodaciO->Zakljucano();
    if (!fZakljucano) {
        Zaustavi();
        fVoz = TVoz();
        fP1.reset();
    } else {
        const char sep = GlavniO->Usluge().Separator();
        fVoz = TVoz(ZapisIzTekstova(PodaciO->TekstoviCrteza(), sep), PodaciO->BrojSilaCrteza());
        fX = std::clamp(fX, 0.0, fVoz.Raspon());
        fObrnut = PrelazObrnut(fVoz, fX, GlavniO->SmerVoza());
        if (fP1) fP1 = std::clamp(*fP1, Opseg().Od, Opseg().Do);
    }
    for (QWidget* w : {static_cast<QWidget*>(Klizac), static_cast<QWidget*>(Pusti),
                       static_cast<QWidget*>(Kriticni)})
        w->setEnabled(fZakljucano);
    PostaviKlizac();
    Povrsina->update();
}

void TPolozajVozaO::PrikaziPresek(double x) {
    fX = x;
    fP1.reset();
    Zaustavi();
    Osvezi();
}

void TPolozajVozaO::KriticniPolozaji() {
    Zaustavi();
    fP1.reset();
    PostaviKlizac();
    Povrsina->update();
}

void TPolozajVozaO::PostaviP1(double p) {
    if (!fZakljucano) return;
    const TOpsegPrelaza o = Opseg();
    fP1 = std::clamp(p, o.Od, o.Do);
    PostaviKlizac();
    Povrsina->update();
}

// The slider follows the train without telling itself it moved.
void TPolozajVozaO::PostaviKlizac() {
    const TOpsegPrelaza o = Opseg();
    const double udeo = fP1 ? o.Udeo(*fP1) : 0.0;
    fPostavljam = true;
    Klizac->setValue(static_cast<int>(std::lround(udeo * kKoraka)));
    fPostavljam = false;
}

void TPolozajVozaO::Zaustavi() {
    Tajmer->stop();
    Pusti->setText(kPusti);
}

void TPolozajVozaO::PustiIliZaustavi() {
    if (Pusten()) {
        Zaustavi();
        return;
    }
    if (!fZakljucano) return;
    const TOpsegPrelaza o = Opseg();
    fPocetakP1 = !fP1 || *fP1 >= o.Do ? o.Od : *fP1;
    fPocetakSata = Sat();
    PostaviP1(fPocetakP1);
    Pusti->setText(kZaustavi);
    Tajmer->start();
}

void TPolozajVozaO::Korak() {
    if (!Pusten()) return;
    const TOpsegPrelaza o = Opseg();
    const double p = o.Tacka(o.Udeo(fPocetakP1) + (Sat() - fPocetakSata) / kTrajanjePrelaza);
    PostaviP1(p);
    if (p >= o.Do) Zaustavi();
}

void TPolozajVozaO::Nacrtaj(QPainter& slikar) {
    const int W = Povrsina->width(), H = Povrsina->height();
    if (!fPlatno || fVelicinaPlatna != Povrsina->size()) {
        fPlatno =
            std::make_unique<TPlatnoSlike>(W, H, FontProzoraDijagrama(), Povrsina->logicalDpiY());
        fVelicinaPlatna = Povrsina->size();
    }
    if (fZakljucano) {
        TUlazPolozaja ulaz;
        ulaz.x = fX;
        ulaz.smer = GlavniO->SmerVoza();
        ulaz.p1 = fP1;
        ulaz.obrnut = fObrnut;
        ulaz.decimalniSeparator = GlavniO->Usluge().Separator();
        ulaz.dejstva = GlavniO->AktivnaDejstva();
        NacrtajPolozajVoza(*fPlatno, W, H, fVoz, ulaz);
    } else {
        fPlatno->PopuniPozadinu(0, 0, W, H);
    }
    slikar.drawImage(0, 0, fPlatno->Slika());
}

bool TPolozajVozaO::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (objekat == Povrsina && dogadjaj->type() == QEvent::Paint) {
        QPainter slikar(Povrsina);
        Nacrtaj(slikar);
        return true;
    }
    if (objekat == Klizac && dogadjaj->type() == QEvent::KeyPress) {
        const int tipka = static_cast<QKeyEvent*>(dogadjaj)->key();
        if (tipka == Qt::Key_Escape) {
            KriticniPolozaji();
            return true;
        }
        if (tipka == Qt::Key_Space) {
            PustiIliZaustavi();
            return true;
        }
    }
    return QMdiSubWindow::eventFilter(objekat, dogadjaj);
}
