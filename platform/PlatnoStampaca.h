// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>

#include "PlatnoQPainter.h"

/// Our canvas on a painter that someone else began: the printer's page of
/// a running print job, a PDF writer or an SVG generator. The device's
/// resolution gives the size figures of fonts set in pixels.
class TPlatnoStampaca final : public TPlatnoQPainter {
public:
    TPlatnoStampaca(QPainter& slikar, TFont font);

protected:
    QPainter& Slikar() override { return fSlikar; }

private:
    QPainter& fSlikar;
};
