// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPregledStampe.h"

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>
#include <utility>

TQtPregledStampe::TQtPregledStampe(std::function<std::unique_ptr<QPrinter>()> stampac,
                                   std::function<void(QDialog&)> prikazi)
    : fStampac(std::move(stampac)), fPrikazi(std::move(prikazi)) {}

void TQtPregledStampe::Izvrsi(QDialog& dijalog) { dijalog.exec(); }

void TQtPregledStampe::Prikazi(const std::function<void(QPainter&)>& strana,
                               const std::function<bool()>& stampaj) {
    const std::unique_ptr<QPrinter> stampac = fStampac();
    QDialog dijalog(fRoditelj);
    dijalog.setObjectName(QStringLiteral("PregledStampe"));
    dijalog.setWindowTitle(QString::fromLatin1(kNaslovPregleda));
    auto* pregled = new QPrintPreviewWidget(stampac.get(), &dijalog);
    pregled->setObjectName(QStringLiteral("Strana"));
    auto* traka = new QToolBar(&dijalog);
    traka->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto dugme = [&](const char* ime, const char* natpis, QKeySequence precica,
                           std::function<void()> radnja) {
        QAction* a = traka->addAction(QString::fromLatin1(natpis));
        // As written: a tool bar would drop the "..." of a command that asks.
        a->setIconText(a->text());
        a->setObjectName(QString::fromLatin1(ime));
        a->setShortcut(precica);
        QObject::connect(a, &QAction::triggered, &dijalog, std::move(radnja));
    };
    dugme("Stampaj", "Stampaj...", QKeySequence::Print, [&] {
        if (stampaj()) dijalog.accept();
    });
    traka->addSeparator();
    dugme("CelaStrana", "Cela strana", QKeySequence(), [pregled] { pregled->fitInView(); });
    dugme("PoSirini", "Po sirini", QKeySequence(), [pregled] { pregled->fitToWidth(); });
    dugme("Uvecaj", "Uvecaj", QKeySequence::ZoomIn, [pregled] { pregled->zoomIn(); });
    dugme("Umanji", "Umanji", QKeySequence::ZoomOut, [pregled] { pregled->zoomOut(); });
    traka->addSeparator();
    dugme("Zatvori", "Zatvori", QKeySequence(), [&] { dijalog.reject(); });
    auto* raspored = new QVBoxLayout(&dijalog);
    raspored->setContentsMargins(0, 0, 0, 0);
    raspored->addWidget(traka);
    raspored->addWidget(pregled, 1);
    // Most of the screen, the page fitted into it.
    if (const QScreen* ekran = fRoditelj ? fRoditelj->screen() : QGuiApplication::primaryScreen())
        dijalog.resize(ekran->availableSize() * 3 / 4);
    pregled->fitInView();

    // The preview asks for the page whenever it shows it anew; a failure
    // must not cross Qt's event loop.
    std::exception_ptr greska;
    QObject::connect(pregled, &QPrintPreviewWidget::paintRequested, &dijalog,
                     [&](QPrinter* uredjaj) {
                         QPainter slikar;
                         if (greska || !slikar.begin(uredjaj)) return;
                         try {
                             strana(slikar);
                         } catch (...) {
                             greska = std::current_exception();
                         }
                         slikar.end();
                     });
    fPrikazi(dijalog);
    if (greska) std::rethrow_exception(greska);
}
