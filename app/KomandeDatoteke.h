// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The data file commands of the menu "Datoteka": "Otvori...", "Snimi..."
// and "Snimi kao...". The file holds the input form's texts as typed and
// its two counts; neither writing nor reading checks them.

#include <QString>

#include "DatotekaLastovar.h"
#include "Usluge.h"

class TGlavniO;
class TPodaciO;

/// The form's load case as the data file keeps it, its texts in the 8-bit
/// character set.
SadrzajDatoteke SadrzajForme(const TPodaciO& forma);

/// Puts a whole load case into the form: the thirteen texts whole, whether
/// their fields are enabled or not, then the counts, whose change handling
/// runs when a value differs from the one shown.
void UpisiUFormu(TPodaciO& forma, const SadrzajDatoteke& sadrzaj);

/// Reads the file into the form. Throws EGreskaFajla when it cannot be read
/// and EGreskaDatoteke when its counts are not integers; either way the form
/// is left as it was.
void UcitajPodatke(TPodaciO& forma, TDatoteke& datoteke, const QString& putanja);

/// Writes the form's load case to the file; a failure is shown with the file
/// layer's message and leaves the file that was there. True when written.
bool SnimiPodatke(const TPodaciO& forma, const TUsluge& usluge, const QString& putanja);

/// The open dialog, the reading and, while the form is locked, one press
/// of the calculation command.
void OtvoriPodatke(TGlavniO& glavni);

/// The save dialog, then the writing; the caption and ImeDatoteke follow a
/// successful write only.
void SnimiPodatkeKao(TGlavniO& glavni);

inline constexpr const char* kNaslovOtvaranja = "Ucitavanje podataka za proracun!";
inline constexpr const char* kNaslovSnimanja = "Snimanje podataka za proracun!";
inline constexpr const char* kFilterPodataka = "Lastovar datoteka|*.Lastovar";
inline constexpr const char* kPocetnoImePodataka = "Podaci za proracun";
