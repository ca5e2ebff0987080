// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>
#include <functional>
#include <memory>

#include "PregledStampe.h"

class QDialog;
class QWidget;

inline constexpr const char* kNaslovPregleda = "Pregled stampe";

/// The print preview as a dialog of ours over Qt's preview of a printer set
/// up as the print job's: zoom and fit, and a print button that prints the
/// way "Stampaj grafik..." does, never through a print dialog of Qt's (which
/// would offer a printer or a file of its own) nor its page set-up.
class TQtPregledStampe final : public TPregledStampe {
public:
    /// `stampac` sets up the printer of the next job; `prikazi` runs the
    /// dialog, modally unless a test steps in.
    explicit TQtPregledStampe(std::function<std::unique_ptr<QPrinter>()> stampac,
                              std::function<void(QDialog&)> prikazi = Izvrsi);
    void PostaviRoditelja(QWidget* roditelj) { fRoditelj = roditelj; }

    void Prikazi(const std::function<void(QPainter&)>& strana,
                 const std::function<bool()>& stampaj) override;

    /// Runs the dialog modally.
    static void Izvrsi(QDialog& dijalog);

private:
    std::function<std::unique_ptr<QPrinter>()> fStampac;
    std::function<void(QDialog&)> fPrikazi;
    QWidget* fRoditelj = nullptr;
};
