// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "Aplikacija.h"
#include "GlavniObrazac.h"
#include "Okruzenje.h"
#include "QtUsluge.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const TOkruzenje okruzenje;
    TQtUsluge usluge;
    TAplikacija aplikacija(usluge.Usluge());
    usluge.PostaviRoditelja(GlavniO);
    aplikacija.Prikazi();
    return QApplication::exec();
}
