// SPDX-License-Identifier: GPL-3.0-or-later
#include "DijalogDejstava.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QString Tekst(const std::string& t) { return QString::fromStdString(t); }
std::string Tekst(const QLineEdit* e) { return e->text().toStdString(); }

QLineEdit* Polje(const char* ime, const std::string& tekst, const char* savet) {
    auto* e = new QLineEdit(Tekst(tekst));
    e->setObjectName(QString::fromLatin1(ime));
    e->setToolTip(QString::fromLatin1(savet));
    return e;
}

}  // namespace

TDijalogDejstava::TDijalogDejstava(const TTekstoviDejstava& p, QWidget* roditelj)
    : QDialog(roditelj) {
    setObjectName(QStringLiteral("DijalogDejstava"));
    setWindowTitle(QStringLiteral("Proracunske vrednosti"));
    txtQ = Polje("txtQ", p.q, "Podeljeno opterecenje koje ide uz voz, u [kN/m]");
    RasporedQ = new QComboBox;
    RasporedQ->setObjectName(QStringLiteral("RasporedQ"));
    RasporedQ->addItems({QStringLiteral("bilo gde"), QStringLiteral("ispred i iza voza")});
    RasporedQ->setCurrentIndex(p.Raspored == TRasporedQ::IspredIIzaVoza ? 1 : 0);
    RasporedQ->setToolTip(
        QStringLiteral("Bilo gde: q opterecuje tacno delove raspona gde povecava velicinu. "
                       "Ispred i iza voza: samo ispred prve i iza poslednje sile."));
    txtRazmak =
        Polje("txtRazmak", p.c, "Najmanji razmak izmedju q i prve ili poslednje sile, u [m]");
    txtG = Polje("txtG", p.g, "Sopstvena tezina na celom rasponu, u [kN/m]");
    txtFi = Polje("txtFi", p.Fi, "Dinamicki faktor na silama");
    FiNaQ = new QCheckBox(QStringLiteral("fi mnozi i q"));
    FiNaQ->setObjectName(QStringLiteral("FiNaQ"));
    FiNaQ->setChecked(p.FiNaQ);
    txtGamaG = Polje("txtGamaG", p.GamaG, "Parcijalni faktor za g");
    txtGamaQ = Polje("txtGamaQ", p.GamaQ, "Parcijalni faktor za voz i q");

    auto* forma = new QFormLayout;
    forma->addRow(QStringLiteral("q [kN/m] = "), txtQ);
    forma->addRow(QStringLiteral("raspored q: "), RasporedQ);
    forma->addRow(QStringLiteral("razmak c [m] = "), txtRazmak);
    forma->addRow(QStringLiteral("g [kN/m] = "), txtG);
    forma->addRow(QStringLiteral("fi = "), txtFi);
    forma->addRow(QString(), FiNaQ);
    forma->addRow(QStringLiteral("gamaG = "), txtGamaG);
    forma->addRow(QStringLiteral("gamaQ = "), txtGamaQ);

    auto* formula = new QLabel(QStringLiteral("Ed = gamaG Eg + gamaQ (fi Evoz + fiq Eq)"));
    auto* dugmad = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(dugmad, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(dugmad, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* raspored = new QVBoxLayout(this);
    raspored->addLayout(forma);
    raspored->addWidget(formula);
    raspored->addWidget(dugmad);

    connect(RasporedQ, &QComboBox::currentIndexChanged, this, &TDijalogDejstava::PodesiRazmak);
    PodesiRazmak();
}

void TDijalogDejstava::PodesiRazmak() { txtRazmak->setEnabled(RasporedQ->currentIndex() == 1); }

TTekstoviDejstava TDijalogDejstava::Tekstovi() const {
    TTekstoviDejstava t;
    t.q = Tekst(txtQ);
    t.c = Tekst(txtRazmak);
    t.g = Tekst(txtG);
    t.Fi = Tekst(txtFi);
    t.GamaG = Tekst(txtGamaG);
    t.GamaQ = Tekst(txtGamaQ);
    t.Raspored = RasporedQ->currentIndex() == 1 ? TRasporedQ::IspredIIzaVoza : TRasporedQ::BiloGde;
    t.FiNaQ = FiNaQ->isChecked();
    return t;
}
