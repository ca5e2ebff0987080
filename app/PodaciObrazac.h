// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The input form and the calculation command, where the subsystems meet:
// the form's texts go through the two checks (core), then the diagrams are
// drawn into GrafikO (diagram) and the report is written into RezultatiO's
// memo (report), and the form locks until the next press.

#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "PodProzor.h"
#include "ProvereUnosa.h"
#include "RezultatiProracuna.h"
#include "Usluge.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class TEdit;
class TSpinEdit;

inline constexpr const char* kNatpisProracun = "Proracun";
inline constexpr const char* kNatpisOtkljucaj = "Otkljucaj";

class TPodaciO : public TPodProzor {
public:
    explicit TPodaciO(TUsluge usluge, QWidget* roditelj = nullptr);

    void FormCreate();
    void btnProracunClick();
    void SpinEditBrojSilaChange();
    void PodesiPolja();
    void PrikaziSkicu();
    void PromeniZakljucavanje();
    /// Locked exactly while the button reads "Otkljucaj".
    bool Zakljucano() const;

    bool ProveraTipa();
    bool ProveraVrednosti();
    /// The calculation run: writes the report into RezultatiO's memo and
    /// keeps the result fields; moves the progress bar to 50, 60 and 70.
    void IzracunajIzvestaj();

    /// The input texts as the checks and the run read them.
    TekstoviUnosa Tekstovi() const;
    /// What the diagrams are drawn from: while locked, the texts and force
    /// count checked when the form locked, so that a data file opened in
    /// the meantime changes neither the diagram nor its print.
    TekstoviUnosa TekstoviCrteza() const;
    int BrojSilaCrteza() const;
    /// The calculation command's drawing step: draws the diagrams into
    /// GrafikO with the target "za program", moving the progress bar to 10,
    /// 20, 30 and 40. The diagram window wires it when it is created.
    std::function<void()> IscrtajDijagrameZaProgram;
    /// Moves the progress bar and shows it at once.
    void PostaviNapredak(int polozaj);

    RezultatiProracuna Rezultati;

    QWidget* Klijent;
    QGroupBox* GroupBoxSkica;
    QGroupBox* GroupBoxSile;
    QGroupBox* GroupBoxRastojanja;
    QGroupBox* GroupBoxProizvoljnoX;
    std::array<TEdit*, 6> txtP;           // txtP1 .. txtP6
    std::array<TEdit*, 5> txtRastojanje;  // txtRastojanje1 .. txtRastojanje5
    TEdit* txtRaspon;
    TEdit* txtProizvoljnoX;
    std::array<QLabel*, 6> LabelP;  // LabelP1 .. LabelP6
    std::array<QLabel*, 5> LabelL;  // LabelL1 .. LabelL5
    QLabel* LabelLRaspon;           // LabelL
    QLabel* LabelProizvoljnoX;
    QLabel* LabelBrojSila;
    QLabel* Label1;
    TSpinEdit* SpinEditBrojSila;
    TSpinEdit* SpinEditBrojPreseka;
    QProgressBar* ProgressBar1;
    QPushButton* btnProracun;
    std::array<QLabel*, 6> Image;  // Image1 .. Image6

private:
    void NapraviKontrole();
    void PostaviRedosledTabova();
    char Separator() const { return fUsluge.Separator(); }

    TUsluge fUsluge;
    struct TProvereniUnos {
        TekstoviUnosa tekstovi;
        int brojSila;
    };
    std::optional<TProvereniUnos> fProvereno;
};

extern TPodaciO* PodaciO;

/// Applies the standard arrangement to PodaciO, RezultatiO and GrafikO
/// inside GlavniO's client area.
void StandardniRaspored();
