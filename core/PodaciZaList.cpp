// SPDX-License-Identifier: GPL-3.0-or-later
#include "PodaciZaList.h"

std::string OcistiPolje(std::string_view tekst) {
    std::string s(tekst);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    const std::size_t od = s.find_first_not_of(' ');
    if (od == std::string::npos) return {};
    return s.substr(od, s.find_last_not_of(' ') - od + 1);
}
