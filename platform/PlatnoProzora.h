// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QWidget>

#include "PlatnoSlike.h"

/// A window's own canvas, which keeps its pen and font from one drawing to
/// the next as the drawing expects. It draws into a picture of the
/// window's client size that the window's paint event shows, so it can be
/// drawn on at any time, inside the paint event or outside it: a drawing
/// outside asks the window to show it.
class TPlatnoProzora final : public TPlatnoSlike {
public:
    /// Starts with the font of the diagram window.
    explicit TPlatnoProzora(QWidget& prozor);

    /// True when something was drawn outside the paint event and has not
    /// been shown yet.
    bool ImaNeprikazano() const { return fNeprikazano; }
    /// Shows the picture; called from the window's paint event.
    void Prikazi(QPainter& p);

protected:
    QPainter& Slikar() override;

private:
    QWidget& fProzor;
    bool fNeprikazano = false;
};
