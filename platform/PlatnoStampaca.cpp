// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoStampaca.h"

#include <QPaintDevice>
#include <exception>
#include <utility>

TPlatnoStampaca::TPlatnoStampaca(QPainter& slikar, TFont font)
    : TPlatnoQPainter(slikar.device() ? slikar.device()->logicalDpiY() : 0, std::move(font)),
      fSlikar(slikar),
      fIzuzetaka(std::uncaught_exceptions()) {}

// While a failure unwinds (memory that ran out, among others) the drawing
// is abandoned, and painting on from a destructor could only fail again.
TPlatnoStampaca::~TPlatnoStampaca() {
    if (std::uncaught_exceptions() == fIzuzetaka) Isprazni();
}
