// SPDX-License-Identifier: GPL-3.0-or-later
#include "DijalogPodatakaZaList.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Longer than any title block's line, short enough to stay one line of the
// sheet's head.
constexpr int kNajviseZnakova = 200;

QLineEdit* Polje(const char* ime, const std::string& tekst, const char* savet) {
    auto* e = new QLineEdit(QString::fromStdString(tekst));
    e->setObjectName(QString::fromLatin1(ime));
    e->setToolTip(QString::fromLatin1(savet));
    e->setMaxLength(kNajviseZnakova);
    e->setMinimumWidth(320);
    return e;
}

std::string Tekst(const QLineEdit* e) { return OcistiPolje(e->text().toStdString()); }

}  // namespace

TDijalogPodatakaZaList::TDijalogPodatakaZaList(const TPodaciZaList& p, QWidget* roditelj)
    : QDialog(roditelj) {
    setObjectName(QStringLiteral("DijalogPodatakaZaList"));
    setWindowTitle(QStringLiteral("Podaci za list"));
    txtProjekat = Polje("txtProjekat", p.Projekat, "Naziv projekta");
    txtElement = Polje("txtElement", p.Element, "Objekat ili element koji se proracunava");
    txtAutor = Polje("txtAutor", p.Autor, "Ko je izradio proracun");
    txtKontrolisao = Polje("txtKontrolisao", p.Kontrolisao, "Ko je kontrolisao proracun");
    txtRevizija = Polje("txtRevizija", p.Revizija, "Oznaka revizije, npr. A ili 1");
    txtDatum = Polje("txtDatum", p.Datum, "Datum proracuna, npr. 10.12.2026.");

    auto* forma = new QFormLayout;
    forma->addRow(QStringLiteral("Projekat: "), txtProjekat);
    forma->addRow(QStringLiteral("Objekat / element: "), txtElement);
    forma->addRow(QStringLiteral("Autor: "), txtAutor);
    forma->addRow(QStringLiteral("Kontrolisao: "), txtKontrolisao);
    forma->addRow(QStringLiteral("Revizija: "), txtRevizija);
    forma->addRow(QStringLiteral("Datum: "), txtDatum);
    auto* napomena =
        new QLabel(QStringLiteral("Prazno polje ostaje prazna linija na listu, za upis rukom.\n"
                                  "Podaci se cuvaju u datoteci uz slucaj opterecenja."));
    auto* dugmad = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(dugmad, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(dugmad, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* raspored = new QVBoxLayout(this);
    raspored->addLayout(forma);
    raspored->addWidget(napomena);
    raspored->addWidget(dugmad);
}

TPodaciZaList TDijalogPodatakaZaList::Podaci() const {
    return {Tekst(txtProjekat),    Tekst(txtElement),  Tekst(txtAutor),
            Tekst(txtKontrolisao), Tekst(txtRevizija), Tekst(txtDatum)};
}
