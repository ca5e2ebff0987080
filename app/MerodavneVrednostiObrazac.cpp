// SPDX-License-Identifier: GPL-3.0-or-later
#include "MerodavneVrednostiObrazac.h"

#include <QEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QVBoxLayout>

#include "Fontovi.h"
#include "GlavniObrazac.h"
#include "IzvestajMerodavnih.h"
#include "PlatnoSlike.h"
#include "PodaciObrazac.h"
#include "ProracunskaAnvelopaDijagram.h"

namespace {

constexpr int kLinija = 15;

}  // namespace

TMerodavneVrednostiO::TMerodavneVrednostiO(QWidget* roditelj) : QMdiSubWindow(roditelj) {
    setObjectName(QStringLiteral("MerodavneVrednostiO"));
    setWindowTitle(QStringLiteral("Merodavne vrednosti"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* sadrzaj = new QWidget;
    MemoText = new QPlainTextEdit;
    MemoText->setObjectName(QStringLiteral("MemoMerodavnih"));
    MemoText->setReadOnly(true);
    MemoText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    MemoText->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoText->setFont(FontProzora(13, true));
    // The actions' two lines, a blank one and the two blocks of six, whole,
    // with room for the scroll bar of a narrow window.
    MemoText->setFixedHeight(MemoText->fontMetrics().lineSpacing() * kLinija +
                             static_cast<int>(2 * MemoText->document()->documentMargin()) +
                             2 * MemoText->frameWidth() +
                             MemoText->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    Povrsina = new QWidget;
    Povrsina->setObjectName(QStringLiteral("PovrsinaMerodavnih"));
    Povrsina->setMinimumSize(400, 200);
    Povrsina->setAttribute(Qt::WA_OpaquePaintEvent);
    Povrsina->installEventFilter(this);
    auto* raspored = new QVBoxLayout(sadrzaj);
    raspored->setContentsMargins(0, 0, 0, 0);
    raspored->setSpacing(0);
    raspored->addWidget(MemoText);
    raspored->addWidget(Povrsina, 1);
    setWidget(sadrzaj);

    connect(PodaciO, &TPodaciO::ZakljucavanjePromenjeno, this, [this] { Osvezi(); });
}

TMerodavneVrednostiO::~TMerodavneVrednostiO() = default;

void TMerodavneVrednostiO::Osvezi() {
    fStanje.reset();
    if (!PodaciO->Zakljucano()) {
        MemoText->clear();
        Povrsina->update();
        return;
    }
    const char sep = GlavniO->Usluge().Separator();
    const TPodaci podaci = ZapisIzTekstova(PodaciO->TekstoviCrteza(), sep);
    const std::int32_t brojSila = PodaciO->BrojSilaCrteza();
    const TProracunskaDejstva& dejstva = GlavniO->Dejstva;
    const TSmerVoza smer = GlavniO->SmerVoza();
    fStanje.emplace(TStanje{TProracunskiProracun::Izracunaj(podaci, brojSila, dejstva, smer),
                            TProracunskaAnvelopa(TVoz(podaci, brojSila), dejstva)});
    QStringList linije;
    for (const std::string& l :
         OpisDejstava(dejstva, brojSila, smer, fStanje->proracun.DuziOdRaspona, sep))
        linije << QString::fromStdString(l);
    linije << QString();
    for (const std::string& l : LinijeMerodavnih(fStanje->proracun.Merodavno, brojSila, sep))
        linije << QString::fromStdString(l);
    MemoText->setPlainText(linije.join(u'\n'));
    Povrsina->update();
}

void TMerodavneVrednostiO::Nacrtaj() {
    const int W = Povrsina->width(), H = Povrsina->height();
    if (!fPlatno || fPlatno->Slika().size() != Povrsina->size())
        fPlatno =
            std::make_unique<TPlatnoSlike>(W, H, FontProzoraDijagrama(), Povrsina->logicalDpiY());
    if (fStanje) {
        NacrtajProracunskuAnvelopu(*fPlatno, W, H,
                                   {fStanje->anvelopa, fStanje->proracun.Merodavno.Proracunske,
                                    fStanje->proracun.Smer, GlavniO->Usluge().Separator()});
    } else {
        fPlatno->PopuniPozadinu(0, 0, W, H);
    }
    QPainter slikar(Povrsina);
    slikar.drawImage(0, 0, fPlatno->Slika());
}

bool TMerodavneVrednostiO::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (objekat == Povrsina && dogadjaj->type() == QEvent::Paint) {
        Nacrtaj();
        return true;
    }
    return QMdiSubWindow::eventFilter(objekat, dogadjaj);
}
