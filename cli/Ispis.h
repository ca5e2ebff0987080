// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What lastovar-cli writes: a command's output to standard output whole,
// and its messages to standard error with the bytes of names made visible.

#include <functional>
#include <string>
#include <string_view>

class EGreskaFajla;

/// `tekst` with each control byte (below 0x20, and 0x7f) written as its C
/// escape (\n, \t, \x1b, ...) and a backslash doubled, so a file name
/// cannot move the terminal's cursor, change its colours or pass for a
/// line of its own. Other bytes stay as they are.
std::string Vidljivo(std::string_view tekst);

/// Writes `poruka`, then `lastovar-cli KOMANDA: PATH: reason` for the file
/// the failure names, on standard error.
void PrijaviGreskuFajla(std::string_view komanda, std::string_view poruka, const EGreskaFajla& e);

/// The same when memory ran out while the file at `putanja` was made.
void PrijaviNestasicuMemorije(std::string_view komanda, std::string_view poruka,
                              const std::string& putanja);

/// Makes the output with `sastavi` and writes it to standard output whole.
/// When memory runs out or a write fails (a full disk, a closed pipe):
/// `lastovar-cli KOMANDA: greska pri pisanju izlaza: reason` on standard
/// error and the exit code 1; otherwise 0.
int IspisiIzlaz(std::string_view komanda, const std::function<std::string()>& sastavi);
