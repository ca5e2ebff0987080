// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The .Lastovar data file: fifteen lines, each ended by CR LF, holding the
// thirteen field texts exactly as typed (P1..P6, L1..L5, L, x) and then the
// force count and the section count as decimal integers. Bytes only: opening
// and writing the file is the caller's.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ProvereUnosa.h"

/// The lines a data file holds; whatever follows them is never read.
inline constexpr std::size_t kBrojLinijaDatoteke = 15;
/// The most bytes its lines may take, line breaks included: room for a
/// number of a million digits, while a file that is no data file (a disk
/// image, a log, a device) is refused after reading this much of it.
inline constexpr std::size_t kNajviseBajtovaDatoteke = 1 << 20;

inline constexpr std::string_view kPorukaOtvaranja = "Greska pri pokusaju otvaranju fajla!";
inline constexpr std::string_view kPorukaKonverzijeDatoteke =
    "Greska pri konverziji podataka iz datoteke u polja na formi!";

/// A data file whose counts are not integers; what() is
/// kPorukaKonverzijeDatoteke.
class EGreskaDatoteke : public std::runtime_error {
public:
    EGreskaDatoteke();
};

/// One load case as the data file keeps it.
struct SadrzajDatoteke {
    /// The thirteen field texts. Tekstovi.BrojPreseka is not written; the
    /// reader sets it to the text the section count's spin edit will show.
    TekstoviUnosa Tekstovi;
    std::int32_t BrojSila;
    std::int32_t BrojPreseka;
};

/// The file's bytes: the fifteen lines in order, each followed by CR LF.
std::string ZapisiDatoteku(const SadrzajDatoteke& s);

/// The load case in `bajtovi`. Lines end at LF, with a CR before it dropped;
/// missing lines are empty and lines after the fifteenth are ignored. A
/// number in lines 1 to 13 may be written with '.' or ',' (a file written
/// under another locale) and comes back with the reader's
/// `decimalniSeparator`, so that it converts; other texts come back as they
/// stand. The counts are clamped to 1..6 and 1..99. Either the whole load
/// case comes back or EGreskaDatoteke is raised, so a failed read changes
/// nothing.
SadrzajDatoteke ProcitajDatoteku(std::string_view bajtovi, char decimalniSeparator);

/// What `bajtovi` holds after its fifteenth line, byte for byte: the lines
/// that readers of the fifteen lines leave alone, which a program saving
/// the load case again may keep. Empty for a file of fifteen lines or fewer.
std::string_view OstatakDatoteke(std::string_view bajtovi);
