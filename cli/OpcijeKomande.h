// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of a subcommand, read by getopt_long: long options as --ime,
// --ime=VREDNOST or --ime VREDNOST, names spelled out in full; --help and
// -h; at most one data file, where `-` is standard input; "--" ends the
// options. Words are bytes and stay as they were given.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

/// One option of a subcommand.
struct OpcijaKomande {
    /// The name without the leading "--".
    std::string_view ime;
    /// For an option that takes a value, the message when it has none;
    /// empty for a flag.
    std::string_view bezVrednosti;
    /// Takes the value (empty for a flag); the exit code of a wrong value,
    /// whose message it has written, if any.
    std::function<std::optional<int>(std::string_view vrednost)> primeni;
};

/// A flag: `cilj` becomes true when the option is given.
OpcijaKomande Zastavica(std::string_view ime, bool& cilj);

/// Reads `argv[1..argc)`, `argv[0]` being the subcommand's name. Answers
/// the exit code when the command is to stop here: 0 after the help
/// (`pomoc`, on standard output), 64 after a wrong call's message on
/// standard error.
std::optional<int> ProcitajOpcije(int argc, char** argv, std::string_view pomoc,
                                  std::span<const OpcijaKomande> opcije,
                                  std::optional<std::string>& datoteka);

/// The same for a subcommand that takes up to `najvise` words that are no
/// options (files, `-` among them), which it gets in `reci` in order; one
/// more is a wrong call with the message `previse`.
std::optional<int> ProcitajOpcije(int argc, char** argv, std::string_view pomoc,
                                  std::span<const OpcijaKomande> opcije,
                                  std::vector<std::string>& reci, std::size_t najvise,
                                  std::string_view previse);

/// Writes `lastovar-cli KOMANDA: poruka` on standard error, its control
/// bytes escaped, and answers 64.
int PogresnaUpotreba(std::string_view komanda, std::string_view poruka);
