// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "Platno.h"

/// The pieces set in lines no wider than `sirina` in the canvas's current
/// font: each line as many whole pieces, joined by blanks, as fit; a piece
/// wider than that alone on its line. A piece is never split, so a number
/// stays with its name and unit where they are one piece.
std::vector<std::string> Prelomi(TPlatno& platno, const std::vector<std::string>& delovi,
                                 int sirina);
