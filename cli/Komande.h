// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The subcommands of lastovar-cli. Each gets its own name as argv[0] and
// the words after it, writes its output to standard output and its
// messages to standard error, and returns the process exit code.

#include <string_view>

/// Exit code of a call the command line itself gets wrong.
inline constexpr int kIzlazPogresnaUpotreba = 64;

/// `izvestaj [--crlf] [--csv] [FILE.Lastovar]`: the results report of a
/// load case, or its section tables as CSV.
int KomandaIzvestaj(int argc, char** argv, std::string_view pomoc);

/// `dijagram [FILE.Lastovar] (--zapis | --izlaz OUT) [--sirina W] [--visina H]
/// [--stampa] [--tacno]`: the envelope diagrams of a load case as a trace or a picture.
int KomandaDijagram(int argc, char** argv, std::string_view pomoc);

/// `tacno [FILE.Lastovar] [--oba-smera] [--csv]`: the classical envelope
/// beside the exact one at the report's sections.
int KomandaTacno(int argc, char** argv, std::string_view pomoc);

/// `polozaj [FILE.Lastovar] [--x X] [--oba-smera] [--p1 P] (--zapis | --izlaz
/// OUT) [--sirina W] [--visina H]`: the picture "Polozaj voza" at a section,
/// or one frame of the train's crossing.
int KomandaPolozaj(int argc, char** argv, std::string_view pomoc);
/// `list [FILE.Lastovar] OUT.pdf [--tacno] [--oba-smera]`: the calculation
/// sheet as a PDF.
int KomandaList(int argc, char** argv, std::string_view pomoc);
/// `merodavno [FILE.Lastovar] [design actions] [--oba-smera] [--csv]`: the
/// governing values, characteristic and design, or the design envelope at
/// the report's sections as CSV.
int KomandaMerodavno(int argc, char** argv, std::string_view pomoc);
/// `modeli`: the load models, built-in and the user's, with their sources.
int KomandaModeli(int argc, char** argv, std::string_view pomoc);
/// `raspon --model NAME --od A --do B --korak S [--g G] [--gama-g G]
/// [--oba-smera] [--csv]`: the governing values of a model over a range of
/// spans.
int KomandaRaspon(int argc, char** argv, std::string_view pomoc);
