// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatnoStampaca.h"

#include <QPaintDevice>
#include <utility>

TPlatnoStampaca::TPlatnoStampaca(QPainter& slikar, TFont font)
    : TPlatnoQPainter(slikar.device() ? slikar.device()->logicalDpiY() : 0, std::move(font)),
      fSlikar(slikar) {}

TPlatnoStampaca::~TPlatnoStampaca() { Isprazni(); }
