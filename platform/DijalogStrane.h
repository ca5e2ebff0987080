// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>
#include <array>

#include "PodesavanjaDijaloga.h"

class QComboBox;
class QLabel;
class QRadioButton;

/// The page set-up: the printer among the installed ones, the paper and its
/// orientation. The four margins are shown, 10 mm or the printer's larger
/// minimum, and cannot be edited.
class TDijalogStrane final : public QDialog {
public:
    /// Opens on `trenutno`: its printer, or the system's default printer
    /// `podrazumevani` while none was chosen, its paper and orientation.
    TDijalogStrane(const QStringList& stampaci, const QString& podrazumevani,
                   const TPodesavanjeStrane& trenutno, QWidget* roditelj = nullptr);

    /// The printer and the paper as the dialog shows them, the paper's
    /// width and height in hundredths of a millimetre as it lies.
    TPodesavanjeStrane Izbor() const;

    QComboBox* Stampac;
    QComboBox* Papir;
    QRadioButton* Uspravno;
    QRadioButton* Polozeno;
    /// Left, top, right, bottom, in millimetres: shown, not edited.
    std::array<QLabel*, 4> Margine;

private:
    void PopuniPapire(QSize izabrani);
    void PrikaziMargine();
    QSize Papir100mm() const;
};
