// SPDX-License-Identifier: GPL-3.0-or-later
#include "PolozajVozaObrazac.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Edit.h"
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
    // The keys move the train wherever the focus is in the window; a click
    // on the picture puts it on the slider.
    Povrsina->setFocusProxy(Klizac);
    for (QWidget* w : {static_cast<QWidget*>(Pusti), static_cast<QWidget*>(Kriticni)}) {
        w->setFocusPolicy(Qt::StrongFocus);
        w->installEventFilter(this);
    }
    // The input form's letters, here as in the picture.
    sadrzaj->setFont(PodaciO->Klijent->font());

    auto* komande = new QHBoxLayout;
    komande->addWidget(Pusti);
    komande->addWidget(Klizac, 1);
    komande->addWidget(Kriticni);
    auto* raspored = new QVBoxLayout(sadrzaj);
    raspored->setContentsMargins(4, 4, 4, 4);
    raspored->addWidget(Povrsina, 1);
    raspored->addLayout(komande);
    setWidget(sadrzaj);
    setTabOrder(Pusti, Klizac);
    setTabOrder(Klizac, Kriticni);

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
    connect(PodaciO, &TPodaciO::ZakljucavanjePromenjeno, this,
            [this](bool zakljucano) { PratiZakljucavanje(zakljucano); });

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
    OsveziPovrsinu();
}

void TPolozajVozaO::PratiZakljucavanje(bool zakljucano) {
    const bool fokusOvde = isAncestorOf(QApplication::focusWidget());
    if (zakljucano) {
        fX = ZapisIzTekstova(PodaciO->TekstoviCrteza(), GlavniO->Usluge().Separator())
                 .ProizvoljnoX();
        fP1.reset();
    }
    Osvezi();
    if (!zakljucano && fokusOvde) {
        GlavniO->Klijent->setActiveSubWindow(PodaciO);
        PodaciO->txtP[0]->setFocus(Qt::OtherFocusReason);
    }
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
    OsveziPovrsinu();
}

void TPolozajVozaO::PostaviP1(double p) {
    if (!fZakljucano) return;
    const TOpsegPrelaza o = Opseg();
    fP1 = std::clamp(p, o.Od, o.Do);
    PostaviKlizac();
    OsveziPovrsinu();
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

TUlazPolozaja TPolozajVozaO::Ulaz() const {
    TUlazPolozaja ulaz;
    ulaz.x = fX;
    ulaz.smer = GlavniO->SmerVoza();
    ulaz.p1 = fP1;
    ulaz.obrnut = fObrnut;
    ulaz.decimalniSeparator = GlavniO->Usluge().Separator();
    ulaz.dejstva = GlavniO->AktivnaDejstva();
    return ulaz;
}

// The picture's title is its name for those who cannot see it.
void TPolozajVozaO::OsveziPovrsinu() {
    QString naslov;
    if (fZakljucano && fVoz.Vazi())
        for (const std::string& deo : NaslovPolozajaVoza(fVoz, Ulaz()))
            naslov +=
                (naslov.isEmpty() ? QString() : QStringLiteral(" ")) + QString::fromStdString(deo);
    Povrsina->setAccessibleName(naslov);
    Povrsina->update();
}

void TPolozajVozaO::Nacrtaj(QPainter& slikar) {
    const int W = Povrsina->width(), H = Povrsina->height();
    if (!fPlatno || fVelicinaPlatna != Povrsina->size()) {
        fPlatno =
            std::make_unique<TPlatnoSlike>(W, H, FontProzoraDijagrama(), Povrsina->logicalDpiY());
        fVelicinaPlatna = Povrsina->size();
    }
    if (fZakljucano) {
        NacrtajPolozajVoza(*fPlatno, W, H, fVoz, Ulaz());
    } else {
        fPlatno->PopuniPozadinu(0, 0, W, H);
    }
    slikar.drawImage(0, 0, fPlatno->Slika());
}

bool TPolozajVozaO::Tipka(int tipka) {
    switch (tipka) {
        case Qt::Key_Escape:
            KriticniPolozaji();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Down:
            Klizac->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Qt::Key_Right:
        case Qt::Key_Up:
            Klizac->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        // Forward down the page, as the train reads left to right.
        case Qt::Key_PageDown:
            Klizac->triggerAction(QAbstractSlider::SliderPageStepAdd);
            return true;
        case Qt::Key_PageUp:
            Klizac->triggerAction(QAbstractSlider::SliderPageStepSub);
            return true;
        case Qt::Key_Home:
            Klizac->triggerAction(QAbstractSlider::SliderToMinimum);
            return true;
        case Qt::Key_End:
            Klizac->triggerAction(QAbstractSlider::SliderToMaximum);
            return true;
        default:
            return false;
    }
}

bool TPolozajVozaO::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (objekat == Povrsina && dogadjaj->type() == QEvent::Paint) {
        QPainter slikar(Povrsina);
        Nacrtaj(slikar);
        return true;
    }
    const bool kontrola = objekat == Klizac || objekat == Pusti || objekat == Kriticni;
    if (kontrola && dogadjaj->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(dogadjaj);
        // With a modifier the key is the frame's (Ctrl+Tab, Alt+F4).
        if (k->modifiers() & ~Qt::KeypadModifier)
            return QMdiSubWindow::eventFilter(objekat, dogadjaj);
        if (objekat == Klizac && k->key() == Qt::Key_Space) {
            PustiIliZaustavi();
            return true;
        }
        if (Klizac->isEnabled() && Tipka(k->key())) return true;
    }
    return QMdiSubWindow::eventFilter(objekat, dogadjaj);
}
