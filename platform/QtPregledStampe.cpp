// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPregledStampe.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <exception>
#include <utility>

TQtPregledStampe::TQtPregledStampe(std::function<std::unique_ptr<QPrinter>()> stampac,
                                   std::function<void(QPrintPreviewDialog&)> prikazi)
    : fStampac(std::move(stampac)), fPrikazi(std::move(prikazi)) {}

void TQtPregledStampe::Izvrsi(QPrintPreviewDialog& dijalog) { dijalog.exec(); }

void TQtPregledStampe::Prikazi(const std::function<void(QPainter&)>& strana) {
    const std::unique_ptr<QPrinter> stampac = fStampac();
    QPrintPreviewDialog dijalog(stampac.get(), fRoditelj);
    dijalog.setWindowTitle(QString::fromLatin1(kNaslovPregleda));
    // The dialog asks for the page whenever it shows it anew and once more
    // for its print button; a failure must not cross Qt's event loop.
    std::exception_ptr greska;
    QObject::connect(&dijalog, &QPrintPreviewDialog::paintRequested, &dijalog,
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
