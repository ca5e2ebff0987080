// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <vector>

#include "KatalogModela.h"
#include "PodesavanjaDijaloga.h"

class QLabel;
class QListWidget;
class QPushButton;

/// The dialog "Modeli opterecenja": the models of the catalog in its order,
/// each with its source and note below the list; a damaged file listed with
/// its reason and not to be chosen; "Obrisi" for the user's own.
class TDijalogModela final : public QDialog {
public:
    TDijalogModela(const std::vector<TStavkaKataloga>& katalog, QWidget* roditelj = nullptr);

    /// What the user asked for once the dialog is accepted.
    TOdlukaModela Odluka() const { return fOdluka; }

    QListWidget* Lista;
    QLabel* Opis;
    QPushButton* Izaberi;
    QPushButton* Obrisi;

private:
    void Prikazi();

    const std::vector<TStavkaKataloga>& fKatalog;
    TOdlukaModela fOdluka;
};
