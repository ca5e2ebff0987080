// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "Aplikacija.h"
#include "GlavniObrazac.h"
#include "QtUsluge.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Lets a desktop shell find the menu entry, and with it the icon, of
    // the running program, whose entry carries the AppStream id as its name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lastovar.lastovar"));
    TQtUsluge usluge;
    TAplikacija aplikacija(usluge.Usluge());
    usluge.PostaviRoditelja(GlavniO);
    aplikacija.Prikazi();
    return QApplication::exec();
}
