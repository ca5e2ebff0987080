// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The export of the results report, the calculation sheet as a PDF, the
// section tables as CSV and the saving of the beam sketch, members of
// TGlavniO defined in KomandeIzvoza.cpp.

#include <QString>

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

inline constexpr const char* kPorukaPdfBezProracuna =
    "Morate prvo sprovesti proracun ako zelite da snimite PDF!";
inline constexpr const char* kNaslovPdf = "Snimanje proracuna u PDF datoteku";
inline constexpr const char* kPocetnoImePdf = "Proracun";
inline constexpr const char* kFilterPdf = "PDF datoteka|*.pdf";

inline constexpr const char* kPorukaCsvBezProracuna =
    "Morate prvo sprovesti proracun ako zelite da snimite CSV!";
inline constexpr const char* kNaslovCsv = "Snimanje tabela proracuna u CSV datoteku";
inline constexpr const char* kPocetnoImeCsv = "Tabele proracuna";
inline constexpr const char* kFilterCsv = "CSV datoteka|*.csv";
