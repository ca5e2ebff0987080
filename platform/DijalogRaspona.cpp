// SPDX-License-Identifier: GPL-3.0-or-later
#include "DijalogRaspona.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TDijalogRaspona::TDijalogRaspona(const std::vector<TStavkaKataloga>& katalog, const TUnosRaspona& p,
                                 QWidget* roditelj)
    : QDialog(roditelj) {
    setObjectName(QStringLiteral("DijalogRaspona"));
    setWindowTitle(QStringLiteral("Tabela raspona"));
    Model = new QComboBox;
    Model->setObjectName(QStringLiteral("ModelRaspona"));
    for (std::size_t i = 0; i < katalog.size(); ++i) {
        if (!katalog[i].Model) continue;
        if (i == p.Indeks) Model->setCurrentIndex(Model->count());
        Model->addItem(QString::fromStdString(katalog[i].Model->Naziv));
        fIndeksi.push_back(i);
    }
    const auto polje = [](const char* ime, const QString& tekst) {
        auto* e = new QLineEdit(tekst);
        e->setObjectName(QString::fromLatin1(ime));
        return e;
    };
    txtOd = polje("txtOd", p.Od);
    txtDo = polje("txtDo", p.Do);
    txtKorak = polje("txtKorak", p.Korak);
    auto* forma = new QFormLayout;
    forma->addRow(QStringLiteral("model: "), Model);
    forma->addRow(QStringLiteral("od L [m] = "), txtOd);
    forma->addRow(QStringLiteral("do L [m] = "), txtDo);
    forma->addRow(QStringLiteral("korak [m] = "), txtKorak);
    auto* dugmad = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(dugmad, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(dugmad, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* raspored = new QVBoxLayout(this);
    raspored->addLayout(forma);
    raspored->addWidget(dugmad);
}

TUnosRaspona TDijalogRaspona::Unos() const {
    const int i = Model->currentIndex();
    return {i >= 0 ? fIndeksi[std::size_t(i)] : 0, txtOd->text(), txtDo->text(), txtKorak->text()};
}
