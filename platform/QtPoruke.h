// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Poruke.h"

class QWidget;

/// Modal boxes as QMessageBox and QInputDialog over the given parent.
class TQtPoruke final : public TPoruke {
public:
    explicit TQtPoruke(QWidget* roditelj = nullptr) : fRoditelj(roditelj) {}
    void PostaviRoditelja(QWidget* roditelj) { fRoditelj = roditelj; }

    void Greska(const QString& tekst) override;
    void Informacija(const QString& tekst) override;
    bool Potvrda(const QString& tekst) override;
    QString Unos(const QString& naslov, const QString& upit, const QString& pocetni) override;

private:
    QWidget* fRoditelj;
};
