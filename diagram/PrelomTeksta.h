// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lines too long for the sheet's width, broken where a reader expects it:
// a report line at a blank or before an operator, never inside a number,
// its continuation indented; a paragraph of words at its blanks.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "PismaListe.h"

/// The pieces of the report line `linija` (ASCII) in at most `znakova`
/// characters each, the continuations after `uvlaka` blanks: broken at a
/// run of blanks (which goes) or before one of = + * / ^ or a minus that
/// is no sign, and never between two characters of a number (its digits,
/// its decimal separator, its exponent). Only a part with no such place
/// at all is cut where the width ends, still outside any number where it
/// can be.
std::vector<std::string> PrelomiLinijuIzvestaja(std::string_view linija, std::size_t znakova,
                                                std::size_t uvlaka);

/// The lines of the paragraph `tekst` set in `pismo` at `velicina` within
/// `sirina` (the size's unit), broken at its blanks; a word wider than a
/// line is cut between characters.
std::vector<std::string> PrelomiPasus(std::string_view tekst, TPismoListe pismo, double velicina,
                                      double sirina);
