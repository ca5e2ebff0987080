// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// Modal boxes, each kind with its standard title: an error box and an
/// information box with one OK button, a confirmation box with Yes and No,
/// and an input box.
class TPoruke {
public:
    virtual ~TPoruke() = default;

    virtual void Greska(const QString& tekst) = 0;
    virtual void Informacija(const QString& tekst) = 0;
    /// True when the user answers Yes.
    virtual bool Potvrda(const QString& tekst) = 0;
    /// The typed answer, or the prefilled text when the user cancels.
    virtual QString Unos(const QString& naslov, const QString& upit, const QString& pocetni) = 0;
};
