// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "Aplikacija.h"
#include "GlavniObrazac.h"
#include "KomandnaLinija.h"
#include "Okruzenje.h"
#include "QtUsluge.h"

int main(int argc, char** argv) {
    if (const auto kod = PrePokretanja(
            argc, argv, [](const char* ime) { return std::getenv(ime); }, std::cout, std::cerr))
        return *kod;
    QApplication app(argc, argv);
    const TArgumenti argumenti = ProcitajArgumente(QCoreApplication::arguments());
    if (!argumenti.greska.isEmpty()) {
        std::cerr << argumenti.greska.toLocal8Bit().constData() << "\n";
        return kIzlazPogresnaUpotreba;
    }
    const TOkruzenje okruzenje;
    TQtUsluge usluge;
    TAplikacija aplikacija(usluge.Usluge());
    usluge.PostaviRoditelja(GlavniO);
    aplikacija.Prikazi();
    if (argumenti.datoteka) GlavniO->OtvoriPodatke(*argumenti.datoteka);
    return QApplication::exec();
}
