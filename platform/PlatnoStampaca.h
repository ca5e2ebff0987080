// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>

#include "PlatnoQPainter.h"

/// Our canvas on a painter that someone else began: the printer's page of
/// a running print job, a PDF writer or an SVG generator. The device's
/// resolution gives the size figures of fonts set in pixels. The last run
/// of lines is drawn when the canvas ends, so it ends before the painter
/// does (or Isprazni is called first); not when it ends by a failure.
class TPlatnoStampaca final : public TPlatnoQPainter {
public:
    TPlatnoStampaca(QPainter& slikar, TFont font);
    ~TPlatnoStampaca() override;

protected:
    QPainter& Slikar() override { return fSlikar; }

private:
    QPainter& fSlikar;
    int fIzuzetaka;  // failures in flight when the canvas began
};
