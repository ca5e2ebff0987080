// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoljaZaBrojSila.h"

TOmogucenaPolja OmogucenaPolja(int brojSila) {
    TOmogucenaPolja p;
    for (int i = 0; i < 6; ++i) p.Sile[i] = i < brojSila;
    for (int i = 0; i < 5; ++i) p.Rastojanja[i] = i < brojSila - 1;
    return p;
}
