// SPDX-License-Identifier: GPL-3.0-or-later
#include "DijalogModela.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Tekst(const std::string& t) { return QString::fromStdString(t); }

QString Natpis(const TStavkaKataloga& s) {
    if (!s.Model) return Tekst(s.Oznaka) + QStringLiteral(": ostecen model");
    return Tekst(s.Model->Naziv) + (s.Korisnicki ? QStringLiteral(" (sopstveni)") : QString());
}

}  // namespace

TDijalogModela::TDijalogModela(const std::vector<TStavkaKataloga>& katalog, QWidget* roditelj)
    : QDialog(roditelj), fKatalog(katalog) {
    setObjectName(QStringLiteral("DijalogModela"));
    setWindowTitle(QStringLiteral("Modeli opterecenja"));
    Lista = new QListWidget;
    Lista->setObjectName(QStringLiteral("ListaModela"));
    for (const TStavkaKataloga& s : katalog) {
        auto* stavka = new QListWidgetItem(Natpis(s), Lista);
        if (!s.Model) stavka->setForeground(Qt::darkRed);
    }
    Opis = new QLabel;
    Opis->setObjectName(QStringLiteral("OpisModela"));
    Opis->setWordWrap(true);
    Opis->setMinimumHeight(90);
    Opis->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* dugmad = new QDialogButtonBox(QDialogButtonBox::Cancel);
    Izaberi = dugmad->addButton(QStringLiteral("Izaberi"), QDialogButtonBox::AcceptRole);
    Izaberi->setObjectName(QStringLiteral("Izaberi"));
    Obrisi = dugmad->addButton(QStringLiteral("Obrisi"), QDialogButtonBox::ActionRole);
    Obrisi->setObjectName(QStringLiteral("Obrisi"));
    connect(Izaberi, &QPushButton::clicked, this, [this] {
        fOdluka = {TOdlukaModela::TRadnja::Izaberi, std::size_t(Lista->currentRow())};
        accept();
    });
    connect(Obrisi, &QPushButton::clicked, this, [this] {
        fOdluka = {TOdlukaModela::TRadnja::Obrisi, std::size_t(Lista->currentRow())};
        accept();
    });
    connect(dugmad, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Lista, &QListWidget::currentRowChanged, this, [this] { Prikazi(); });
    connect(Lista, &QListWidget::itemDoubleClicked, this, [this] {
        if (Izaberi->isEnabled()) Izaberi->click();
    });

    auto* raspored = new QVBoxLayout(this);
    raspored->addWidget(Lista);
    raspored->addWidget(Opis);
    raspored->addWidget(dugmad);
    resize(560, 420);
    Lista->setCurrentRow(katalog.empty() ? -1 : 0);
    Prikazi();
}

void TDijalogModela::Prikazi() {
    const int red = Lista->currentRow();
    const TStavkaKataloga* s =
        red >= 0 && std::size_t(red) < fKatalog.size() ? &fKatalog[std::size_t(red)] : nullptr;
    Izaberi->setEnabled(s && s->Model);
    Obrisi->setEnabled(s && s->Korisnicki);
    if (!s) {
        Opis->setText(QStringLiteral("Nema modela."));
    } else if (!s->Model) {
        Opis->setText(QStringLiteral("Datoteka ") + Tekst(s->Putanja.string()) +
                      QStringLiteral(" nije ispravan model: ") + Tekst(s->Greska));
    } else {
        const TModelOpterecenja& m = *s->Model;
        Opis->setText(QStringLiteral("Izvor: ") + Tekst(m.Izvor) + QStringLiteral("\nNapomena: ") +
                      Tekst(m.Napomena.empty() ? std::string("-") : m.Napomena));
    }
}
