// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpinEdit.h"

#include <QLineEdit>
#include <algorithm>

#include "Konverzija.h"

TSpinEdit::TSpinEdit(QWidget* roditelj) : QSpinBox(roditelj) {
    setWrapping(false);
    setKeyboardTracking(false);
    lineEdit()->setReadOnly(true);
}

int TSpinEdit::Vrednost() const {
    try {
        return std::clamp<int>(TekstUCeoBroj(Tekst().toStdString()), minimum(), maximum());
    } catch (const EGreskaKonverzije&) {
        return minimum();
    }
}

QString TSpinEdit::Tekst() const { return lineEdit()->text(); }

void TSpinEdit::stepBy(int koraka) { QSpinBox::stepBy(koraka > 0 ? 1 : (koraka < 0 ? -1 : 0)); }
