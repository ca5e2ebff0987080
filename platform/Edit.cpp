// SPDX-License-Identifier: GPL-3.0-or-later
#include "Edit.h"

TEdit::TEdit(QWidget* roditelj) : QLineEdit(roditelj) {
    connect(this, &QLineEdit::textChanged, this, &TEdit::PosleIzmene);
    connect(this, &QLineEdit::cursorPositionChanged, this, [this](int, int novi) {
        if (text() == fPrethodni) fPrethodniKursor = novi;
    });
}

void TEdit::PosleIzmene(const QString& novi) {
    // isModified() is true only for a change by the user: setText resets it.
    const bool predugo =
        fNajvecaDuzina > 0 && novi.size() > fNajvecaDuzina && novi.size() > fPrethodni.size();
    if (isModified() && predugo) {
        const int kursor = fPrethodniKursor;
        const QSignalBlocker tiho(this);
        setText(fPrethodni);
        setModified(true);
        setCursorPosition(kursor);
        return;
    }
    fPrethodni = novi;
    fPrethodniKursor = cursorPosition();
}
