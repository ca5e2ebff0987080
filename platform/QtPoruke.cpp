// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPoruke.h"

#include <QInputDialog>
#include <QMessageBox>

#include "NasloviPoruka.h"

void TQtPoruke::Greska(const QString& tekst) {
    QMessageBox::critical(fRoditelj, kNaslovGreske, tekst, QMessageBox::Ok);
}

void TQtPoruke::Informacija(const QString& tekst) {
    QMessageBox::information(fRoditelj, kNaslovInformacije, tekst, QMessageBox::Ok);
}

bool TQtPoruke::Potvrda(const QString& tekst) {
    return QMessageBox::question(fRoditelj, kNaslovPotvrde, tekst,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

QString TQtPoruke::Unos(const QString& naslov, const QString& upit, const QString& pocetni) {
    bool potvrdjeno = false;
    const QString odgovor =
        QInputDialog::getText(fRoditelj, naslov, upit, QLineEdit::Normal, pocetni, &potvrdjeno);
    return potvrdjeno ? odgovor : pocetni;
}
