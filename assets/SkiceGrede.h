// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

/// The stored JPEG data of the beam sketch for a train of brojSila forces
/// (the one-force sketch outside 1..6), embedded in the program.
std::span<const unsigned char> SkicaGrede(int brojSila);
