// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <vector>

#include "KatalogModela.h"
#include "PodesavanjaDijaloga.h"

class QComboBox;
class QLineEdit;

/// The dialog "Tabela raspona": a readable model of the catalog and the
/// spans from, to and the step, as texts; checking them is the caller's.
class TDijalogRaspona final : public QDialog {
public:
    TDijalogRaspona(const std::vector<TStavkaKataloga>& katalog, const TUnosRaspona& pocetni,
                    QWidget* roditelj = nullptr);

    TUnosRaspona Unos() const;

    QComboBox* Model;
    QLineEdit* txtOd;
    QLineEdit* txtDo;
    QLineEdit* txtKorak;

private:
    /// The catalog's index of each entry of the list.
    std::vector<std::size_t> fIndeksi;
};
