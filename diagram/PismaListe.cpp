// SPDX-License-Identifier: GPL-3.0-or-later
#include "PismaListe.h"

#include <array>

namespace {

// Advance widths of the printable ASCII characters, ' ' to '~', in
// thousandths of the font size, read from the fonts' horizontal metrics.
constexpr std::array<short, 95> kObicno{
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584,
};
constexpr std::array<short, 95> kPodebljano{
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611, 975, 722, 722, 722, 722, 667,
    611, 778, 722, 278, 556, 722, 611, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667,
    667, 611, 333, 278, 333, 584, 556, 333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556,
    278, 889, 611, 611, 611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584,
};
// Wider than most letters with a diacritic, so that what is laid out fits.
constexpr short kVanAscii = 722;

bool NastavakUtf8(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::size_t BrojZnakova(std::string_view tekst) {
    std::size_t n = 0;
    for (const char c : tekst)
        if (!NastavakUtf8(c)) ++n;
    return n;
}

double SirinaTeksta(std::string_view tekst, TPismoListe pismo, double velicina) {
    if (pismo == TPismoListe::Nepromenljivo)
        return static_cast<double>(BrojZnakova(tekst)) * kSirinaZnaka * velicina;
    const std::array<short, 95>& sirine = pismo == TPismoListe::Obicno ? kObicno : kPodebljano;
    long hiljaditih = 0;
    for (const char c : tekst) {
        const auto z = static_cast<unsigned char>(c);
        if (z >= 0x20 && z < 0x7F)
            hiljaditih += sirine[z - 0x20];
        else if (!NastavakUtf8(c))
            hiljaditih += kVanAscii;
    }
    return static_cast<double>(hiljaditih) * velicina / 1000.0;
}
