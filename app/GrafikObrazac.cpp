// SPDX-License-Identifier: GPL-3.0-or-later
#include "GrafikObrazac.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <exception>

#include "CrtacDijagrama.h"
#include "NacrtajDijagrame.h"
#include "PlatnoProzora.h"
#include "Raspored.h"

TGrafikO* GrafikO = nullptr;

TGrafikO::TGrafikO(TCrtacDijagrama& crtac, QWidget* roditelj)
    : TPodProzor(roditelj), fCrtac(crtac) {
    setObjectName(QStringLiteral("GrafikO"));
    setWindowTitle(QStringLiteral("Dijagram extM i extT"));
    setMinimumSize(kNajmanjiGrafik, kNajmanjiGrafik);
    fPovrsina = new QWidget;
    fPovrsina->setObjectName(QStringLiteral("PovrsinaGrafika"));
    fPovrsina->setAutoFillBackground(true);
    QPalette boje = fPovrsina->palette();
    boje.setColor(QPalette::Window, Qt::white);
    fPovrsina->setPalette(boje);
    setWidget(fPovrsina);
    fPlatno = std::make_unique<TPlatnoProzora>(*fPovrsina);
    fPovrsina->installEventFilter(this);
}

TGrafikO::~TGrafikO() = default;

TPlatno& TGrafikO::Platno() { return *fPlatno; }

void TGrafikO::Obrisi() {
    fPlatno->PopuniPozadinu(0, 0, fPovrsina->width(), fPovrsina->height());
    fOkvir = TOkvirDijagrama();
}

void TGrafikO::PratiZakljucavanje(bool zakljucano) {
    fZakljucano = zakljucano;
    if (!zakljucano) fOkvir = TOkvirDijagrama();
    // A click on a section opens where the train must stand there.
    fPovrsina->setCursor(zakljucano ? Qt::CrossCursor : Qt::ArrowCursor);
}

std::optional<double> TGrafikO::PresekKolone(int kolona) const {
    return fOkvir.PresekKlika(kolona);
}

void TGrafikO::NacrtajAkoJeZakljucano() {
    if (!fZakljucano) return;
    try {
        fCrtac.IscrtajDijagrame(Platno(), fPovrsina->width(), fPovrsina->height(), kZaProgram);
    } catch (const std::exception&) {
        // A paint or resize is no command to report to. The load case is
        // the one checked when the form locked, so this is no input fault;
        // the window stays as the drawing cleared it, white.
    }
}

void TGrafikO::FormPaint() { NacrtajAkoJeZakljucano(); }

void TGrafikO::FormResize() { NacrtajAkoJeZakljucano(); }

// The picture is drawn into the canvas and shown from it. A paint with
// nothing new to show is the window's own repaint: the background is
// erased and FormPaint runs. A drawing made outside the paint, by the
// calculation command or a resize, is shown as it is.
bool TGrafikO::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (objekat == fPovrsina && dogadjaj->type() == QEvent::Paint) {
        QPainter slikar(fPovrsina);
        if (!fPlatno->ImaNeprikazano()) {
            Obrisi();
            FormPaint();
        }
        fPlatno->Prikazi(slikar);
        return true;
    }
    if (objekat == fPovrsina && dogadjaj->type() == QEvent::Resize) FormResize();
    if (objekat == fPovrsina && dogadjaj->type() == QEvent::MouseButtonPress && fZakljucano) {
        const auto* mis = static_cast<QMouseEvent*>(dogadjaj);
        const std::optional<double> x = PresekKolone(mis->position().toPoint().x());
        if (mis->button() == Qt::LeftButton && x && PresekIzabran) {
            PresekIzabran(*x);
            return true;
        }
    }
    return TPodProzor::eventFilter(objekat, dogadjaj);
}
