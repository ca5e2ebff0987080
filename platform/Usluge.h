// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "Datoteke.h"
#include "Dijalozi.h"
#include "Poruke.h"
#include "PregledStampe.h"
#include "RegionalniSeparator.h"
#include "Stampanje.h"

/// The platform services a window uses, handed to it at creation so that
/// tests can put scripted ones in their place. Not owned.
struct TUsluge {
    TPoruke* Poruke = nullptr;
    TDijalozi* Dijalozi = nullptr;
    TStampanje* Stampanje = nullptr;
    TDatoteke* Datoteke = nullptr;
    /// The decimal separator of the user's regional settings.
    std::function<char()> Separator = RegionalniSeparator;
    TPregledStampe* PregledStampe = nullptr;
};
