// SPDX-License-Identifier: GPL-3.0-or-later
#include "Boja.h"

std::string HeksBoje(TBoja b) {
    constexpr char kCifre[] = "0123456789ABCDEF";
    std::string s = "#";
    for (const std::uint8_t c : {b.R, b.G, b.B}) {
        s += kCifre[c >> 4];
        s += kCifre[c & 0xF];
    }
    return s;
}
