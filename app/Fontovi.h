// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include "Font.h"
#include "PodesavanjaDijaloga.h"

/// The windows' typeface, kTipografija, in a given pixel height.
QFont FontProzora(int piksela, bool podebljan);

/// A canvas font as the font dialog holds it: the face, its size in points,
/// bold or not, and its colour. The dialog preselects exactly this font.
TFontIzbor IzborFonta(const TFont& font);

/// The font dialog's choice as the drawing's print font, its size in points;
/// a size the dialog gives in pixels is converted at the given resolution.
TFont FontStampe(const TFontIzbor& izbor, int tacakaPoIncu);
