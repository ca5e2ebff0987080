// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page's panel "Proracunske vrednosti": the design actions as typed,
// read from and written to the page's object
//
//   { q, c, g, Fi, GamaG, GamaQ: texts, RasporedQ: "bilo-gde" | "uz-voz",
//     FiNaQ: bool }
//
// and checked as the desktop's dialog checks them, with the controls at
// fault named for the message beside them.

#include <emscripten/val.h>

#include <optional>
#include <vector>

#include "ProracunskaDejstva.h"

/// Reads the page's object into `t`; a missing member keeps t's.
void DejstvaIzJs(const emscripten::val& objekat, TTekstoviDejstava& t);

/// The texts as the page's object holds them.
emscripten::val DejstvaUJs(const TTekstoviDejstava& t);

/// The actions the texts give, or the controls at fault: every text that is
/// no number; otherwise, for actions DejstvaVaze refuses with a train of
/// resultant R on the span L, the first one it refuses alone, or where only
/// together they overflow the last one off its start value.
struct TProveraDejstava {
    std::optional<TProracunskaDejstva> dejstva;
    std::vector<const char*> polja;
};
TProveraDejstava ProveriDejstva(const TTekstoviDejstava& t, char decimalniSeparator, double R,
                                double L);
