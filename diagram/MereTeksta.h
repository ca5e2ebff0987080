// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How large a text is in the typeface of the pictures, without asking a
// font system: the advance widths of kTipografija, as a canvas that draws
// nothing measures. A canvas that draws measures with its own fonts.

#include <string_view>

#include "Font.h"

/// The box a text fills, its top-left corner where it is written.
struct TVelicinaTeksta {
    int sirina = 0;
    int visina = 0;
};

/// The text in the font on a device of the given resolution: the sum of
/// its characters' advances and the font's line height (ascent and descent,
/// each rounded), as a font system with unhinted advances gives them. A
/// height in pixels is a cell height, as the canvases resolve it: the
/// largest em whose line fits. A character beyond ASCII counts as a digit.
TVelicinaTeksta MereTeksta(const TFont& font, int tacakaPoIncu, std::string_view tekst);
