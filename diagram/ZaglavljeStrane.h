// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whose calculation a printed page is and when it was made.

#include <cstdint>
#include <string>

#include "Font.h"
#include "Platno.h"

/// What a page says of data that were never saved.
inline constexpr const char* kBezDatoteke = "podaci nisu snimljeni u datoteku";

/// The file's name without its folders.
std::string ImeDatoteke(const std::string& putanja);

/// The head of a printed page of the diagrams, at the top of its picture
/// `sirina` device units wide: "Datoteka: " and the data file's name (or
/// kBezDatoteke for an empty path) from the left end of the reference
/// lines, "Datum: " and the date ending at their right end, in `font`. The
/// date goes under the name where the two would meet.
void NacrtajZaglavljeStrane(TPlatno& platno, std::int32_t sirina, const TFont& font,
                            const std::string& putanja, const std::string& datum);
