// SPDX-License-Identifier: GPL-3.0-or-later
#include "DijalogStrane.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "FormatBroja.h"
#include "MargineStrane.h"
#include "RegionalniSeparator.h"

namespace {

// A paper lying upright, in hundredths of a millimetre: the narrower side
// first.
QSize Uspravan(QSize papir) {
    return {std::min(papir.width(), papir.height()), std::max(papir.width(), papir.height())};
}

QSize Stotinke(const QPageSize& velicina) {
    const QSizeF mm = velicina.size(QPageSize::Millimeter);
    return Uspravan(QSize(int(std::lround(mm.width() * 100)), int(std::lround(mm.height() * 100))));
}

// The papers a printer takes; those of a printer the print system does not
// describe, a PDF file among them, are the common ones.
QList<QPageSize> PapiriStampaca(const QString& stampac) {
    const QList<QPageSize> svoji = QPrinterInfo::printerInfo(stampac).supportedPageSizes();
    if (!svoji.isEmpty()) return svoji;
    return {QPageSize(QPageSize::A3), QPageSize(QPageSize::A4),     QPageSize(QPageSize::A5),
            QPageSize(QPageSize::B5), QPageSize(QPageSize::Letter), QPageSize(QPageSize::Legal)};
}

QString Milimetri(double mm) {
    return QString::fromStdString(FormatBroja(std::round(mm * 10) / 10, RegionalniSeparator()));
}

}  // namespace

TDijalogStrane::TDijalogStrane(const QStringList& stampaci, const QString& podrazumevani,
                               const TPodesavanjeStrane& trenutno, QWidget* roditelj)
    : QDialog(roditelj) {
    setObjectName(QStringLiteral("PageSetupDialog1"));
    setWindowTitle(QStringLiteral("Podesavanje stranice"));
    setMinimumWidth(320);

    Stampac = new QComboBox;
    Stampac->setObjectName(QStringLiteral("Stampac"));
    Stampac->addItems(stampaci);
    const QString izabrani = trenutno.Stampac.isEmpty() ? podrazumevani : trenutno.Stampac;
    Stampac->setCurrentIndex(std::max(0, int(stampaci.indexOf(izabrani))));

    Papir = new QComboBox;
    Papir->setObjectName(QStringLiteral("Papir"));
    Uspravno = new QRadioButton(QStringLiteral("Uspravno"));
    Uspravno->setObjectName(QStringLiteral("Uspravno"));
    Polozeno = new QRadioButton(QStringLiteral("Polozeno"));
    Polozeno->setObjectName(QStringLiteral("Polozeno"));
    (trenutno.SirinaPapira > trenutno.VisinaPapira ? Polozeno : Uspravno)->setChecked(true);

    auto* izgled = new QVBoxLayout(this);
    auto* stampacIPapir = new QFormLayout;
    stampacIPapir->addRow(QStringLiteral("Stampac:"), Stampac);
    stampacIPapir->addRow(QStringLiteral("Papir:"), Papir);
    izgled->addLayout(stampacIPapir);

    auto* orijentacija = new QGroupBox(QStringLiteral("Orijentacija"));
    auto* redOrijentacije = new QHBoxLayout(orijentacija);
    redOrijentacije->addWidget(Uspravno);
    redOrijentacije->addWidget(Polozeno);
    izgled->addWidget(orijentacija);

    auto* margine = new QGroupBox(QStringLiteral("Margine (mm)"));
    auto* redMargina = new QFormLayout(margine);
    const char* imena[] = {"Levo:", "Gore:", "Desno:", "Dole:"};
    for (std::size_t i = 0; i < Margine.size(); ++i) {
        Margine[i] = new QLabel;
        redMargina->addRow(QString::fromLatin1(imena[i]), Margine[i]);
    }
    izgled->addWidget(margine);

    auto* dugmad = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(dugmad, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(dugmad, &QDialogButtonBox::rejected, this, &QDialog::reject);
    izgled->addWidget(dugmad);

    PopuniPapire(Uspravan(QSize(trenutno.SirinaPapira, trenutno.VisinaPapira)));
    PrikaziMargine();
    connect(Stampac, &QComboBox::currentIndexChanged, this, [this] {
        PopuniPapire(Papir100mm());
        PrikaziMargine();
    });
    connect(Papir, &QComboBox::currentIndexChanged, this, [this] { PrikaziMargine(); });
    connect(Uspravno, &QRadioButton::toggled, this, [this] { PrikaziMargine(); });
}

// The chosen printer's papers, with the given one chosen; a size the
// printer does not list is offered as it is.
void TDijalogStrane::PopuniPapire(QSize izabrani) {
    const QSignalBlocker tiho(Papir);
    Papir->clear();
    for (const QPageSize& p : PapiriStampaca(Stampac->currentText()))
        Papir->addItem(p.name(), Stotinke(p));
    int indeks = Papir->findData(izabrani);
    if (indeks < 0) {
        Papir->addItem(
            QStringLiteral("Prilagodjeno (%1 x %2 mm)")
                .arg(Milimetri(izabrani.width() / 100.0), Milimetri(izabrani.height() / 100.0)),
            izabrani);
        indeks = Papir->count() - 1;
    }
    Papir->setCurrentIndex(indeks);
}

QSize TDijalogStrane::Papir100mm() const { return Papir->currentData().toSize(); }

void TDijalogStrane::PrikaziMargine() {
    QPrinter stampac;
    stampac.setPrinterName(Stampac->currentText());
    const QSize papir = Papir100mm();
    stampac.setPageSize(
        QPageSize(QSizeF(papir.width() / 100.0, papir.height() / 100.0), QPageSize::Millimeter));
    stampac.setPageOrientation(Polozeno->isChecked() ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait);
    const QMarginsF m = MargineStrane(stampac.pageLayout());
    const double redom[] = {m.left(), m.top(), m.right(), m.bottom()};
    for (std::size_t i = 0; i < Margine.size(); ++i) Margine[i]->setText(Milimetri(redom[i]));
}

TPodesavanjeStrane TDijalogStrane::Izbor() const {
    const QSize papir = Papir100mm();
    const bool polozeno = Polozeno->isChecked();
    return TPodesavanjeStrane{Stampac->currentText(), polozeno ? papir.height() : papir.width(),
                              polozeno ? papir.width() : papir.height()};
}
