// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The data file commands of the menu "Datoteka": "Otvori...", "Snimi..."
// and "Snimi kao...", members of TGlavniO defined in KomandeDatoteke.cpp.
// The file holds the input form's texts as typed and its two counts;
// neither writing nor reading checks them.

#include "DatotekaLastovar.h"

class TPodaciO;

/// The form's load case as the data file keeps it, its texts in the 8-bit
/// character set.
SadrzajDatoteke SadrzajForme(const TPodaciO& forma);

/// Puts a whole load case into the form: the thirteen texts whole, whether
/// their fields are enabled or not, then the counts, whose change handling
/// runs when a value differs from the one shown.
void UpisiUFormu(TPodaciO& forma, const SadrzajDatoteke& sadrzaj);

inline constexpr const char* kNaslovOtvaranja = "Ucitavanje podataka za proracun!";
inline constexpr const char* kNaslovSnimanja = "Snimanje podataka za proracun!";
inline constexpr const char* kFilterPodataka = "Lastovar datoteka|*.Lastovar";
inline constexpr const char* kPocetnoImePodataka = "Podaci za proracun";
