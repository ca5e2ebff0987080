// SPDX-License-Identifier: GPL-3.0-or-later
#include "MereTeksta.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// The advance widths of the printable ASCII characters, ' ' to '~', in
// units of 1/2048 em, from the horizontal metrics of Debian's
// fonts-liberation2 (LiberationSans-Regular.ttf and -Bold.ttf), whose
// ascent is 1854 and descent 434 of those units.
constexpr int kJedinica = 2048;
constexpr int kUspon = 1854;
constexpr int kPad = 434;

constexpr std::array<std::int16_t, 95> kObicna{
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196};

constexpr std::array<std::int16_t, 95> kPodebljana{
    569,  682,  971,  1139, 1139, 1821, 1479, 487,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682,  682,  1196, 1196, 1196, 1251,
    1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1139, 1479, 1251, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682,  569,  682,  1196, 1139,
    682,  1139, 1251, 1139, 1251, 1139, 682,  1251, 1251, 569,  569,  1139, 569,  1821, 1251, 1251,
    1251, 1251, 797,  1139, 682,  1251, 1139, 1593, 1139, 1139, 1024, 797,  573,  797,  1196};

constexpr int kCifra = 1139;

int Red(double em) {
    return static_cast<int>(std::lround(em * kUspon / kJedinica) +
                            std::lround(em * kPad / kJedinica));
}

// The em in device units: the points at the resolution, or for a cell
// height the largest em whose line fits it.
double Em(const TFont& font, int tacakaPoIncu) {
    if (!font.VisinaUPikselima()) return std::max(1, font.Mera()) * tacakaPoIncu / 72.0;
    const int visina = std::max(1, std::abs(font.Mera()));
    const int red = Red(visina);
    return red > visina ? std::max(1, visina * visina / red) : visina;
}

}  // namespace

TVelicinaTeksta MereTeksta(const TFont& font, int tacakaPoIncu, std::string_view tekst) {
    const std::array<std::int16_t, 95>& sirine = font.Podebljan ? kPodebljana : kObicna;
    long zbir = 0;
    for (const char c : tekst) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F)
            zbir += sirine[b - 0x20];
        else if ((b & 0xC0) != 0x80)  // one per character of UTF-8
            zbir += kCifra;
    }
    const double em = Em(font, tacakaPoIncu);
    return {static_cast<int>(std::lround(zbir * em / kJedinica)), Red(em)};
}
