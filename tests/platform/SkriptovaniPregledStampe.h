// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <vector>

#include "PregledStampe.h"

/// A print preview for tests: draws the page on an image of the given size
/// in printer dots, as the scripted printing service's page is, and keeps
/// every page it was shown; with Stampaj its print button is pressed while
/// it is shown.
class TSkriptovaniPregledStampe final : public TPregledStampe {
public:
    explicit TSkriptovaniPregledStampe(QSize strana = QSize(2480, 3508)) : fVelicina(strana) {}

    void Prikazi(const std::function<void(QPainter&)>& strana,
                 const std::function<bool()>& stampaj) override;

    std::vector<QImage> Prikazano;
    /// The print button is pressed once the page is shown.
    bool Stampaj = false;
    /// What each press of the print button answered.
    std::vector<bool> Odstampano;
    /// Runs while the preview is shown, after its page was drawn.
    std::function<void()> Otvoren = [] {};

private:
    QSize fVelicina;
};
