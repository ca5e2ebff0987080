// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The input form and the calculation command, where the subsystems meet:
// the form's texts go through the two checks (core), then the diagrams are
// drawn into GrafikO (diagram) and the report is written into RezultatiO's
// memo (report), and the form locks until the next press.

#include <QString>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "CrtacDijagrama.h"
#include "OkvirDijagrama.h"
#include "PodProzor.h"
#include "ProvereUnosa.h"
#include "RezultatiProracuna.h"
#include "UlazDijagrama.h"
#include "Usluge.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class TEdit;
class TSpinEdit;

inline constexpr const char* kNatpisProracun = "Proracun";
inline constexpr const char* kNatpisOtkljucaj = "Otkljucaj";

/// A drawing of the kind of NacrtajDijagrame, which the form's IscrtajDijagrame
/// hands the inputs it gathered; it gives back the frame it drew in.
using TNacrtajDijagrame = std::function<TOkvirDijagrama(
    TPlatno& Canvas, std::int32_t Width, std::int32_t Height, std::string_view Target,
    const TProzorDijagrama& prozor, const TUlazDijagrama& ulaz)>;

class TPodaciO : public TPodProzor, public TCrtacDijagrama {
    Q_OBJECT

public:
    explicit TPodaciO(TUsluge usluge, QWidget* roditelj = nullptr);

    void FormCreate();
    void btnProracunClick();
    /// The press a data file's open makes while the form is locked: as
    /// btnProracunClick when the checks pass the texts now in the fields,
    /// which unlocks the form. When they refuse, the form unlocks all the
    /// same (the diagram erased, the report cleared, the fields enabled for
    /// the force count now shown), then the check's message is shown.
    void PritisakPosleOtvaranja();
    void SpinEditBrojSilaChange();
    void PodesiPolja();
    void PrikaziSkicu();
    /// Toggles the lock and announces it with ZakljucavanjePromenjeno.
    void PromeniZakljucavanje();
    /// Locked exactly while the button reads "Otkljucaj".
    bool Zakljucano() const;

    bool ProveraTipa();
    bool ProveraVrednosti();
    /// While the design envelope is on: the design actions with this train
    /// on this span overflow no design value. True while it is off.
    bool ProveraDejstava();
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
    /// The drawing of the diagrams: GrafikO is cleared, then the picture is
    /// drawn on Canvas from the texts and force count above, GlavniO's print
    /// font and text shift factor and the state of its items "Tacna
    /// anvelopa" and "Oba smera voza", relating Width and Height to
    /// GrafikO's client size; the progress bar moves to 10, 20, 30 and 40.
    /// A drawing on GrafikO's canvas leaves its frame with GrafikO. The calculation command and
    /// the diagram window draw with GrafikO's canvas and "za program", the
    /// print command with the printer's and "za stampac". A text that does
    /// not convert raises EGreskaKonverzije.
    void IscrtajDijagrame(TPlatno& Canvas, std::int32_t Width, std::int32_t Height,
                          std::string_view Target) override;
    /// What IscrtajDijagrame draws from, without the progress bar: the
    /// texts and force count above, the print font, the text shift factor
    /// and the exact envelopes' check mark. The calculation sheet draws its
    /// diagrams from it too.
    TUlazDijagrama UlazDijagrama() const;
    /// Moves the progress bar. During the calculation command the bar is
    /// repainted at once only when a frame's time (16 ms) has passed since
    /// the command showed it or since it was last repainted so; otherwise
    /// it is painted with the next frame.
    void PostaviNapredak(int polozaj);

    /// What IscrtajDijagrame draws with once it has gathered its inputs:
    /// NacrtajDijagrame. Tests put a double in its place to see what was
    /// gathered or to make the drawing fail.
    TNacrtajDijagrame CrtanjeDijagrama;
    /// The clock the progress bar's frames are timed by; tests put one of
    /// their own in its place.
    std::function<std::chrono::steady_clock::time_point()> Sat;

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

signals:
    /// The form locked (a calculation stands) or unlocked, announced once
    /// the fields and the button's caption have changed.
    void ZakljucavanjePromenjeno(bool zakljucano);

protected:
    /// Enter or Return in any field, or on the button, presses the button.
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    /// The calculation command past its two checks: draws and writes the
    /// report, or erases, then toggles the lock.
    void Proracunaj();
    void NapraviKontrole();
    void PostaviRedosledTabova();
    char Separator() const { return fUsluge.Separator(); }

    TUsluge fUsluge;
    std::chrono::steady_clock::time_point fNapredakPrikazan;
    struct TProvereniUnos {
        TekstoviUnosa tekstovi;
        int brojSila;
    };
    std::optional<TProvereniUnos> fProvereno;
};

extern TPodaciO* PodaciO;

/// Applies the standard arrangement to PodaciO, RezultatiO and GrafikO
/// inside GlavniO's client area, and to the windows "Tacna anvelopa" and
/// "Merodavne vrednosti" while they are open.
void StandardniRaspored();
