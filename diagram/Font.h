// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "Boja.h"

/// A canvas font: typeface, colour, bold style and a size given either in
/// points or as a cell height in pixels.
///
/// The size figure is what the canvas reports as the font's size: the points
/// themselves, or for a height in pixels the negative of height * 72 / dots
/// per inch, rounded half away from zero (the sign marks a cell height). The
/// drawing places its labels by these figures, so they must be exact.
class TFont {
public:
    TFont(std::string ime, TBoja boja, bool podebljan, int tacaka);

    std::string Ime;
    TBoja Boja;
    bool Podebljan;

    void PostaviVelicinu(int tacaka);
    void PostaviVisinu(int piksela);

    bool VisinaUPikselima() const { return fVisinaUPikselima; }
    /// Points when the size is given in points, pixels otherwise.
    int Mera() const { return fMera; }
    /// The size figure on a device of the given resolution.
    int Velicina(int tacakaPoIncu) const;

    friend bool operator==(const TFont&, const TFont&) = default;

private:
    bool fVisinaUPikselima = false;
    int fMera;
};

/// The one typeface of the windows, the diagrams and the print font, a sans
/// serif from Debian's fonts-liberation2. Its widths decide what fits: the
/// caption "extM[kNm]" in the 90 device units right of the diagram's frame,
/// the about box's lines in its memo.
inline constexpr const char* kTipografija = "Liberation Sans";

/// The diagram window's own font, which its canvas starts with: 8 points.
TFont FontProzoraDijagrama();

/// The print font before the user chooses one: bold, 12 points, black.
TFont PocetniFontStampe();
