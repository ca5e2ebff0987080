// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "ProracunskaDejstva.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

/// The dialog "Proracunske vrednosti": q with its arrangement and
/// clearance, g, phi and whether it multiplies q, gamma_G and gamma_Q. It
/// holds texts; checking them is the caller's.
class TDijalogDejstava final : public QDialog {
public:
    explicit TDijalogDejstava(const TTekstoviDejstava& pocetni, QWidget* roditelj = nullptr);

    /// The texts, the arrangement and the check box as the dialog shows them.
    TTekstoviDejstava Tekstovi() const;

    QLineEdit* txtQ;
    QComboBox* RasporedQ;
    QLineEdit* txtRazmak;
    QLineEdit* txtG;
    QLineEdit* txtFi;
    QCheckBox* FiNaQ;
    QLineEdit* txtGamaG;
    QLineEdit* txtGamaQ;

private:
    /// The clearance matters only for q in front of and behind the train.
    void PodesiRazmak();
};
