// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The design actions on the command line: --q Q, --q-raspored
// bilo-gde|uz-voz, --razmak C, --g G, --fi F, --fi-q, --gama-g G and
// --gama-q G, which `merodavno`, `tacno`, `polozaj` and `list` take. They
// override what the data file's block holds; numbers are read with the
// regional separator once the load case is known.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DodatakDatoteke.h"
#include "OpcijeKomande.h"

struct TOpcijeDejstava {
    std::optional<std::string> q, raspored, razmak, g, fi, gamaG, gamaQ;
    bool fiNaQ = false;
};

/// The eight options, which set `o`.
std::vector<OpcijaKomande> OpcijeDejstava(TOpcijeDejstava& o);

/// The file's actions `izDatoteke` with the options given over them. A
/// value that is no number, or an arrangement other than the two, is a
/// wrong call (64, its message written); actions DejstvaVaze refuses for
/// the train of resultant R on the span L give kPorukaDejstava and exit 2.
std::optional<int> PrimeniDejstva(std::string_view komanda, const TOpcijeDejstava& o, char sep,
                                  double R, double L, TProracunskaDejstva& dejstva);
