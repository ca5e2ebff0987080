// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreseciIzvestaja.h"

#include "Prosireno.h"

double KorakPreseka(double raspon, std::int32_t brojPreseka) {
    return brojPreseka >= 1 ? static_cast<double>(static_cast<Prosireno>(raspon) / brojPreseka)
                            : 0.0;
}
