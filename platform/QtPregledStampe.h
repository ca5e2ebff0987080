// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>
#include <functional>
#include <memory>

#include "PregledStampe.h"

class QPrintPreviewDialog;
class QWidget;

inline constexpr const char* kNaslovPregleda = "Pregled stampe";

/// The print preview as Qt's preview dialog, over a printer set up as the
/// print job's: its print button prints the page there.
class TQtPregledStampe final : public TPregledStampe {
public:
    /// `stampac` sets up the printer of the next job; `prikazi` runs the
    /// dialog, modally unless a test steps in.
    explicit TQtPregledStampe(std::function<std::unique_ptr<QPrinter>()> stampac,
                              std::function<void(QPrintPreviewDialog&)> prikazi = Izvrsi);
    void PostaviRoditelja(QWidget* roditelj) { fRoditelj = roditelj; }

    void Prikazi(const std::function<void(QPainter&)>& strana) override;

    /// Runs the dialog modally.
    static void Izvrsi(QPrintPreviewDialog& dijalog);

private:
    std::function<std::unique_ptr<QPrinter>()> fStampac;
    std::function<void(QPrintPreviewDialog&)> fPrikazi;
    QWidget* fRoditelj = nullptr;
};
