// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "AnvelopaPoKolonama.h"
#include "Font.h"
#include "Platno.h"
#include "ProvereUnosa.h"
#include "TacnaAnvelopa.h"

/// What the drawing reads besides its canvas: the input form's texts and
/// force count, the main window's print font and text shift factor, and the
/// form's progress bar.
struct TUlazDijagrama {
    TekstoviUnosa tekstovi = PodrazumevaniTekstovi('.');
    std::int32_t brojSila = 2;
    char decimalniSeparator = '.';
    TFont fontStampe = PocetniFontStampe();
    double faktorPomeranjaTexta = 8.0;
    /// Draws the exact envelopes over the classical ones, with the band where
    /// the classical ones fall short.
    bool tacnaAnvelopa = false;
    /// How the train crosses for the exact envelopes.
    TSmerVoza smerVoza = TSmerVoza::Napred;
    /// Receives the progress bar positions 10, 20, 30 and 40.
    std::function<void(int)> napredak = [](int) {};
    /// Receives the envelopes at the columns where the exact ones are drawn,
    /// for whatever else is made of them.
    std::function<void(const TAnvelopaPoKolonama&)> anvelopa = [](const TAnvelopaPoKolonama&) {};
};

/// The diagram window: its canvas, which every drawing clears first, and its
/// client size, which the picture's size is related to.
struct TProzorDijagrama {
    TPlatno& platno;
    std::int32_t sirina;
    std::int32_t visina;
};
