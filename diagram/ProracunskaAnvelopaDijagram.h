// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The design envelope as a diagram, in the frame the classical diagram
// draws (its reference lines and captions, at the same places), for the
// window "Merodavne vrednosti": extM Ed hanging below the upper line, maxT
// Ed standing above the lower one and minT Ed hanging below it, in its own
// colour and on scales of its own, with the governing values labelled.

#include <cstdint>

#include "Font.h"
#include "MerodavneVrednosti.h"
#include "OkvirDijagrama.h"
#include "Platno.h"

/// What the diagram of the design envelope is drawn from.
struct TUlazProracunskog {
    const TProracunskaAnvelopa& anvelopa;
    /// The design block of the governing values, whose largest moment and
    /// largest shear set the scales, each 0.2 H from its line as the
    /// classical diagram sets its own.
    const TMerodavneVrednosti& merodavne;
    TSmerVoza smer = TSmerVoza::Napred;
    char decimalniSeparator = '.';
    bool stampa = false;
    TFont fontStampe = PocetniFontStampe();
};

/// Clears the sirina x visina picture and draws: the reference lines, the
/// three curves sampled at the frame's columns in kBojaProracunskog, thick
/// ordinates with the values at the largest moment and at A and B, a legend
/// at the top left, then the captions. A train of no force, or no room for
/// the span, gets the reference lines and the captions alone. Gives back
/// the frame.
TOkvirDijagrama NacrtajProracunskuAnvelopu(TPlatno& platno, std::int32_t sirina,
                                           std::int32_t visina, const TUlazProracunskog& ulaz);
