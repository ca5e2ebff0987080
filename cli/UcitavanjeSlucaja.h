// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The load case a subcommand works on, read and checked as "Proracun" checks
// the input form, with the same messages and exit codes for every command.

#include <optional>
#include <string>
#include <string_view>

#include "DatotekaLastovar.h"
#include "DodatakDatoteke.h"

struct TOpcijeModela;

/// Exit code of a file that cannot be opened, read, converted or written.
inline constexpr int kIzlazDatoteka = 1;
/// Exit code of texts that are not numbers or values that form no load case.
inline constexpr int kIzlazPodaci = 2;

/// The data file's name for standard input.
inline constexpr std::string_view kStandardniUlaz = "-";

/// Reads the data file at `putanja` (standard input for "-") into `slucaj`
/// and the design actions of its block after the fifteen lines into
/// `dejstva` (no further than them, as "Otvori..." reads it), or without one
/// the input form's defaults (two forces) and the actions' start values,
/// then runs both checks, the second letting a
/// train longer than the span pass where `vozDuziOdRaspona` says so. On a
/// failure the message is on standard error, for a file that cannot be
/// read followed by the line naming it for the subcommand `komanda`;
/// `slucaj` may be partly set, and the answer is the exit code. A block
/// that cannot be read is refused with its message and exit 1. The
/// options of a load model, where given, apply before the checks.
std::optional<int> UcitajSlucaj(std::string_view komanda, const std::optional<std::string>& putanja,
                                char decimalniSeparator, SadrzajDatoteke& slucaj,
                                TProracunskaDejstva& dejstva, bool vozDuziOdRaspona = false,
                                const TOpcijeModela* model = nullptr);

/// The same for a command that uses none of the actions; a block that
/// cannot be read is refused all the same.
std::optional<int> UcitajSlucaj(std::string_view komanda, const std::optional<std::string>& putanja,
                                char decimalniSeparator, SadrzajDatoteke& slucaj,
                                const TOpcijeModela* model = nullptr);
