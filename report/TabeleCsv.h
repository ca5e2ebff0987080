// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The section tables as a CSV file (RFC 4180) for spreadsheets and scripts:
// one header row, then one row per section of the report, lines ended by CR
// LF. The numbers are the report's own rows, what it prints to 15 digits at
// full precision, written with a point whatever the regional separator and
// with just enough digits to read back as the same double.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "PoredjenjeAnvelopa.h"
#include "ProracunIzvestaja.h"
#include "ProracunskiProracun.h"
#include "Prosireno.h"
#include "ProvereUnosa.h"

/// One field as RFC 4180 writes it: in double quotes, each quote doubled,
/// where it holds a comma, a quote, CR or LF; as it is otherwise.
std::string PoljeCsv(std::string_view polje);

/// The report's number that a number's text stands for: its digits, as
/// std::to_chars writes them ("-1.5", "2.5e-05"), rounded to 15 significant
/// digits half away from zero as an exact decimal, then formatted as the
/// report formats with a point.
std::string ZaokruzenKaoIzvestaj(std::string_view tekst);

/// A number as the report computed it, with a point: the shortest text
/// that reads back as its double (std::to_chars), unless that text, read
/// as a decimal and rounded to 15 digits as the report rounds, would not
/// give the report's number; then the fewest digits of the value itself
/// that do and still read back as its double. "0" for either zero. So a
/// reader in double precision gets the double of the report's value, and
/// one that reads the digits as they stand gets the report's number.
std::string BrojCsv(Prosireno broj);
std::string BrojCsv(double broj);

/// The report's tables: "x [m]", "extM [kNm]", "maxT [kN]", "minT [kN]" for
/// each section i = 0..n. A section with two extM lines gives the first, as
/// the comparison does; one whose extM the report leaves out gives an empty
/// field.
std::string TabelaPresekaCsv(const TProracunIzvestaja& proracun);

/// The comparison with the exact envelope: the four columns of the report's
/// tables with the classical values, then for extM, maxT and minT the exact
/// value, then the three shortfalls in percent, then for each quantity its
/// critical position: where P1 stands, the force on the section and, with
/// TSmerVoza::Oba, the train's orientation ("P1..Pn" or "Pn..P1"). With
/// `proracunski`, the design values follow ("extM Ed [kNm]", ...), then
/// their positions as the exact ones have them (force 0: none on the
/// section).
std::string TabelaPoredjenjaCsv(const TTabelaPoredjenja& tabela, std::int32_t brojSila,
                                TSmerVoza smer, const TProracunskiProracun* proracunski = nullptr);

/// The design envelope at the report's sections: "x,MEd_max,TEd_max,
/// TEd_min,Mk_max,Tk_max,Tk_min", the design values, then the
/// characteristic ones.
std::string ProracunskaAnvelopaCsv(const TProracunskiProracun& proracun);

/// For the input texts `t` and a train of `brojSila` forces: the report's
/// tables, or with `tacno` the comparison in that orientation, with the
/// design values where `dejstva` are off their start values; for a train
/// longer than the span, which has no classical tables, the design envelope
/// (ProracunskaAnvelopaCsv). The texts must have passed ProveraTipa and
/// ProveraVrednosti.
std::string TabeleCsv(const TekstoviUnosa& t, std::int32_t brojSila, char decimalniSeparator,
                      std::optional<TSmerVoza> tacno, const TProracunskaDejstva& dejstva = {});
