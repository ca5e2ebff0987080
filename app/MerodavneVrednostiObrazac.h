// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiSubWindow>
#include <QSize>
#include <memory>
#include <optional>

#include "ProracunskiProracun.h"

class QPlainTextEdit;
class TPlatnoSlike;

/// The window "Merodavne vrednosti", which the main window opens while its
/// item "Proracunska anvelopa" is checked and the input form locks: the
/// design actions and the governing values (characteristic and design) as
/// text, and under them the design envelope drawn in the classical
/// diagram's frame in its own colour, for the load case the form locked
/// with, the actions and the orientation as they are now. Empty while the
/// form is unlocked; it follows the form's lock by itself.
class TMerodavneVrednostiO : public QMdiSubWindow {
public:
    explicit TMerodavneVrednostiO(QWidget* roditelj = nullptr);
    ~TMerodavneVrednostiO() override;

    /// Computes afresh and redraws while the form is locked; empties the
    /// window otherwise.
    void Osvezi();

    QPlainTextEdit* MemoText;
    QWidget* Povrsina;

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    void Nacrtaj();

    struct TStanje {
        TProracunskiProracun proracun;
        TProracunskaAnvelopa anvelopa;
    };
    std::optional<TStanje> fStanje;
    std::unique_ptr<TPlatnoSlike> fPlatno;
};
