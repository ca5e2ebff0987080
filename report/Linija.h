// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

/// The pieces of one report line joined with nothing between them.
inline std::string Linija(std::initializer_list<std::string_view> delovi) {
    std::size_t duzina = 0;
    for (const std::string_view d : delovi) duzina += d.size();
    std::string linija;
    linija.reserve(duzina);
    for (const std::string_view d : delovi) linija.append(d);
    return linija;
}
