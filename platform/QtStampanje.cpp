// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtStampanje.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <algorithm>
#include <utility>

#include "GreskaStampe.h"
#include "MargineStrane.h"

namespace {

const QString kPdf = QStringLiteral("PDF:");

}  // namespace

TQtStampanje::TQtStampanje(std::function<QString()> podrazumevani)
    : fPodrazumevani(std::move(podrazumevani)) {}

QString TQtStampanje::PodrazumevaniStampac() { return QPrinterInfo::defaultPrinterName(); }

QStringList TQtStampanje::Stampaci() { return QPrinterInfo::availablePrinterNames(); }

// Asked for each time, not once: a printer installed or made the default
// while the program runs is the current one from then on.
QString TQtStampanje::Stampac() const { return fIzabrani.isEmpty() ? fPodrazumevani() : fIzabrani; }

QString TQtStampanje::TrenutniStampac() {
    const QString stampac = Stampac();
    if (stampac.isEmpty()) throw EGreskaStampe(kNemaStampaca);
    return stampac;
}

void TQtStampanje::Postavi(const TPodesavanjeStrane& strana) {
    fStrana = strana;
    if (!strana.Stampac.isEmpty()) fIzabrani = strana.Stampac;
}

// At the resolution the print factors assume, whatever the printer's own:
// a PDF printer would otherwise run at 1200 dots per inch and the drawing,
// sized in dots, would fill a corner of the page. Margins of 10 mm, or the
// printer's larger minimum.
void TQtStampanje::PripremiStampac(const QString& stampac) {
    fPrinter = std::make_unique<QPrinter>();
    if (stampac.startsWith(kPdf)) {
        fPrinter->setOutputFormat(QPrinter::PdfFormat);
        fPrinter->setOutputFileName(stampac.mid(kPdf.size()));
    } else {
        fPrinter->setPrinterName(stampac);
    }
    fPrinter->setResolution(kTacakaPoIncu);
    const bool polozeno = fStrana.SirinaPapira > fStrana.VisinaPapira;
    const QSizeF papirMm(std::min(fStrana.SirinaPapira, fStrana.VisinaPapira) / 100.0,
                         std::max(fStrana.SirinaPapira, fStrana.VisinaPapira) / 100.0);
    fPrinter->setPageSize(QPageSize(papirMm, QPageSize::Millimeter));
    fPrinter->setPageOrientation(polozeno ? QPageLayout::Landscape : QPageLayout::Portrait);
    fPrinter->setPageMargins(MargineStrane(fPrinter->pageLayout()), QPageLayout::Millimeter);
}

void TQtStampanje::PocniPosao() {
    if (fPlatno) throw EGreskaStampe("Stampanje je vec u toku.");
    const QString ime = TrenutniStampac();
    PripremiStampac(ime);
    auto platno = std::make_unique<QPainter>();
    if (!platno->begin(fPrinter.get())) {
        fPrinter.reset();
        throw EGreskaStampe(("Stampanje na stampacu " + ime + " ne moze da pocne.").toStdString());
    }
    fPlatno = std::move(platno);
}

std::unique_ptr<QPrinter> TQtStampanje::StampacZaPregled() {
    if (fPlatno) throw EGreskaStampe("Stampanje je vec u toku.");
    PripremiStampac(Stampac());
    return std::move(fPrinter);
}

QPainter* TQtStampanje::Platno() { return fPlatno.get(); }

void TQtStampanje::ZavrsiPosao() {
    if (!fPlatno) return;
    fPlatno->end();
    fPlatno.reset();
    fPrinter.reset();
}

void TQtStampanje::OtkaziPosao() {
    if (!fPlatno) return;
    fPrinter->abort();
    fPlatno->end();
    fPlatno.reset();
    // A PDF "printer" has already written what it had; a cancelled job leaves nothing.
    if (fPrinter->outputFormat() == QPrinter::PdfFormat) QFile::remove(fPrinter->outputFileName());
    fPrinter.reset();
}
