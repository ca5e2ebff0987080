// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtStampanje.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include "GreskaStampe.h"

namespace {

const QString kPdf = QStringLiteral("PDF:");

}  // namespace

QStringList TQtStampanje::Stampaci() { return QPrinterInfo::availablePrinterNames(); }

QString TQtStampanje::TrenutniStampac() {
    // Asked for when first needed: the query loads the print system's plugin,
    // which start-up need not wait for.
    if (!fStampac) fStampac = QPrinterInfo::defaultPrinterName();
    if (fStampac->isEmpty()) throw EGreskaStampe(kNemaStampaca);
    return *fStampac;
}

void TQtStampanje::Postavi(const TPodesavanjeStrane& strana) {
    fStrana = strana;
    if (!strana.Stampac.isEmpty()) fStampac = strana.Stampac;
}

void TQtStampanje::PripremiStampac() {
    fPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (fStampac->startsWith(kPdf)) {
        fPrinter->setOutputFormat(QPrinter::PdfFormat);
        fPrinter->setOutputFileName(fStampac->mid(kPdf.size()));
    } else {
        fPrinter->setPrinterName(*fStampac);
    }
    const QSizeF papirMm(fStrana.SirinaPapira / 100.0, fStrana.VisinaPapira / 100.0);
    fPrinter->setPageLayout(QPageLayout(QPageSize(papirMm, QPageSize::Millimeter),
                                        QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                        QPageLayout::Millimeter));
}

void TQtStampanje::PocniPosao() {
    if (fPlatno) throw EGreskaStampe("Stampanje je vec u toku.");
    const QString ime = TrenutniStampac();
    PripremiStampac();
    auto platno = std::make_unique<QPainter>();
    if (!platno->begin(fPrinter.get())) {
        fPrinter.reset();
        throw EGreskaStampe(("Stampanje na stampacu " + ime + " ne moze da pocne.").toStdString());
    }
    fPlatno = std::move(platno);
}

std::unique_ptr<QPrinter> TQtStampanje::StampacZaPregled() {
    if (fPlatno) throw EGreskaStampe("Stampanje je vec u toku.");
    if (!fStampac) fStampac = QPrinterInfo::defaultPrinterName();
    PripremiStampac();
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
