// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtDatoteke.h"
#include "QtDijalozi.h"
#include "QtPoruke.h"
#include "QtPregledStampe.h"
#include "QtStampanje.h"
#include "Usluge.h"

/// The real services, owned together for the application's run.
class TQtUsluge {
public:
    /// Boxes and dialogs open over the given window from then on.
    void PostaviRoditelja(QWidget* roditelj);
    TUsluge Usluge();

private:
    TQtPoruke fPoruke;
    TQtDijalozi fDijalozi;
    TQtStampanje fStampanje;
    TQtDatoteke fDatoteke;
    TQtPregledStampe fPregledStampe{[this] { return fStampanje.StampacZaPregled(); }};
};
