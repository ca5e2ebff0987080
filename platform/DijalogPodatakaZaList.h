// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "PodaciZaList.h"

class QLineEdit;

/// The dialog "Podaci za list": the title block of the calculation sheet,
/// one line each for the project, the structure or element, the author,
/// the checker, the revision and the date.
class TDijalogPodatakaZaList final : public QDialog {
public:
    explicit TDijalogPodatakaZaList(const TPodaciZaList& pocetni, QWidget* roditelj = nullptr);

    /// The fields as the dialog shows them, cleaned as the file keeps them.
    TPodaciZaList Podaci() const;

    QLineEdit* txtProjekat;
    QLineEdit* txtElement;
    QLineEdit* txtAutor;
    QLineEdit* txtKontrolisao;
    QLineEdit* txtRevizija;
    QLineEdit* txtDatum;
};
