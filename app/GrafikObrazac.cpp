// SPDX-License-Identifier: GPL-3.0-or-later
#include "GrafikObrazac.h"

#include <QEvent>
#include <QPainter>
#include <exception>

#include "GlavniObrazac.h"
#include "NacrtajDijagrame.h"
#include "PlatnoProzora.h"
#include "PodaciObrazac.h"
#include "Raspored.h"
#include "SpinEdit.h"
#include "TacnaAnvelopaObrazac.h"

TGrafikO* GrafikO = nullptr;

namespace {

// The font dialog's choice as the drawing's font, its size in points.
TFont FontStampe(const TFontIzbor& izbor, int tacakaPoIncu) {
    const QFont& f = izbor.Font;
    const int tacaka =
        f.pointSize() > 0 ? f.pointSize() : (f.pixelSize() * 72 + tacakaPoIncu / 2) / tacakaPoIncu;
    const QColor b = izbor.Boja;
    return TFont(f.family().toStdString(),
                 TBoja{static_cast<std::uint8_t>(b.red()), static_cast<std::uint8_t>(b.green()),
                       static_cast<std::uint8_t>(b.blue())},
                 f.bold(), tacaka);
}

}  // namespace

TGrafikO::TGrafikO(QWidget* roditelj) : TPodProzor(roditelj) {
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
    if (PodaciO)
        PodaciO->IscrtajDijagrameZaProgram = [this] {
            IscrtajDijagrame(Platno(), fPovrsina->width(), fPovrsina->height(), kZaProgram);
        };
}

TGrafikO::~TGrafikO() = default;

TPlatno& TGrafikO::Platno() { return *fPlatno; }

void TGrafikO::Obrisi() { fPlatno->PopuniPozadinu(0, 0, fPovrsina->width(), fPovrsina->height()); }

void TGrafikO::NacrtajAkoJeZakljucano() {
    if (!PodaciO || !PodaciO->Zakljucano()) return;
    try {
        IscrtajDijagrame(Platno(), fPovrsina->width(), fPovrsina->height(), kZaProgram);
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
    return TPodProzor::eventFilter(objekat, dogadjaj);
}

void IscrtajDijagrame(TPlatno& Canvas, std::int32_t Width, std::int32_t Height,
                      std::string_view Target) {
    TUlazDijagrama ulaz;
    ulaz.tekstovi = PodaciO->TekstoviCrteza();
    ulaz.brojSila = PodaciO->BrojSilaCrteza();
    ulaz.decimalniSeparator = GlavniO->Usluge().Separator();
    ulaz.fontStampe = FontStampe(GlavniO->FontDialog1, GlavniO->logicalDpiY());
    ulaz.faktorPomeranjaTexta = GlavniO->FaktorPomeranjaTexta;
    ulaz.tacnaAnvelopa = TacnaAnvelopaUkljucena();
    ulaz.napredak = [](int polozaj) { PodaciO->PostaviNapredak(polozaj); };
    NacrtajDijagrame(
        Canvas, Width, Height, Target,
        {GrafikO->Platno(), GrafikO->Povrsina()->width(), GrafikO->Povrsina()->height()}, ulaz);
}
