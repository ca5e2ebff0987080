// SPDX-License-Identifier: GPL-3.0-or-later
#include "Platno.h"

#include <utility>

// A device that reports no resolution is taken as an ordinary screen.
TPlatno::TPlatno(int tacakaPoIncu, TFont font)
    : fTacakaPoIncu(tacakaPoIncu > 0 ? tacakaPoIncu : 96), fFont(std::move(font)) {}

TVelicinaTeksta TPlatno::VelicinaTeksta(const std::string& tekst) {
    return MereTeksta(fFont, fTacakaPoIncu, tekst);
}
