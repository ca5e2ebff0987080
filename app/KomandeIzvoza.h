// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The export of the results report and the saving of the beam sketch.

#include <QString>

class TGlavniO;

/// "txt", "doc" or "xls": the report's lines, each ended by CR LF, the same
/// plain text for all three. Refused while no calculation stands; a failed
/// write goes to the general error report and leaves the file that was there.
void SnimiRezultate(TGlavniO& glavni, const QString& ekstenzija);

/// The stored JPEG of the sketch for the current force count, byte for
/// byte, in either lock state.
void SnimiSkicuGrede(TGlavniO& glavni);

/// The sketch dialog's initial name for a train of brojSila forces (1..6).
QString ImeSkice(int brojSila);

inline constexpr const char* kPorukaIzvozaBezProracuna =
    "Morate prvo sprovesti proracun ako zelite da snimite rezultate!";
inline constexpr const char* kNaslovIzvoza =
    "Snimanje rezultata proracuna u datoteku sa nastavkom .txt!";
inline constexpr const char* kPocetnoImeIzvoza = "Rezultati proracuna";
inline constexpr const char* kNaslovSkice = "Snimanje skice grede sa silama";
inline constexpr const char* kFilterSkice =
    "JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg";
