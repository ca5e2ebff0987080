// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The subcommands of lastovar-cli. Each gets the arguments after its name,
// writes its output to standard output and its messages to standard error,
// and returns the process exit code.

#include <span>
#include <string_view>

/// Exit code of a call the command line itself gets wrong.
inline constexpr int kIzlazPogresnaUpotreba = 64;

/// `izvestaj [--crlf] [FILE.Lastovar]`: the results report of a load case.
int KomandaIzvestaj(std::span<const std::string_view> argumenti);

/// `dijagram [FILE.Lastovar] (--zapis | --izlaz OUT) [--sirina W] [--visina H]
/// [--stampa] [--tacno]`: the envelope diagrams of a load case as a trace or a picture.
int KomandaDijagram(std::span<const std::string_view> argumenti);

/// `tacno [FILE.Lastovar] [--oba-smera]`: the classical envelope beside the
/// exact one at the report's sections.
int KomandaTacno(std::span<const std::string_view> argumenti);
