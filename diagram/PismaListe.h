// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The typefaces of the calculation sheet and the widths of their
// characters, so that the sheet is laid out here, without the toolkit that
// renders it: Liberation Sans (regular and bold) and Liberation Mono from
// Debian's fonts-liberation2, whose advance widths are those of the fonts
// they are metric-compatible with.

#include <string_view>

/// A sans serif for headings and words, a fixed width one for the report.
enum class TPismoListe { Naslov, Obicno, Podebljano, Nepromenljivo };

/// The width of one character of the fixed width typeface, in font sizes.
inline constexpr double kSirinaZnaka = 0.6;

/// The width of the UTF-8 text `tekst` set in `pismo` at `velicina`, in the
/// unit of the size; a character beyond ASCII counts as a wide letter.
double SirinaTeksta(std::string_view tekst, TPismoListe pismo, double velicina);

/// Characters, not bytes, of a UTF-8 text.
std::size_t BrojZnakova(std::string_view tekst);
