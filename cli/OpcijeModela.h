// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A load case from a load model: --model NAME (a model's name or file
// name, as `lastovar-cli modeli` lists them) takes the forces, spacings
// and traffic actions of the model; --raspon L, --x X and --preseci N set
// the span, the arbitrary section and the section count over the data
// file's or the defaults'. Every command that takes a load case takes
// them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DatotekaLastovar.h"
#include "KatalogModela.h"
#include "OpcijeKomande.h"

struct TOpcijeModela {
    std::optional<std::string> model, raspon, x, preseci;
};

/// The four options (without --x where the command has its own).
std::vector<OpcijaKomande> OpcijeModela(TOpcijeModela& o, bool saX = true);

/// The built-in models beside this program, then the user's.
std::vector<TStavkaKataloga> KatalogPrograma();

/// The model named `ime`, or its message (64 for an unknown name, 1 for a
/// damaged file) written and the exit code.
std::optional<int> NadjiModelKomande(std::string_view komanda, std::string_view ime,
                                     const std::vector<TStavkaKataloga>& katalog,
                                     TModelOpterecenja& model);

/// Applies the options to the load case and its actions (the model's
/// traffic actions at the case's span); a value that is not a number or a
/// section count outside 1..99 is a wrong call (64).
std::optional<int> PrimeniModel(std::string_view komanda, const TOpcijeModela& o, char sep,
                                SadrzajDatoteke& slucaj, TProracunskaDejstva& dejstva);
