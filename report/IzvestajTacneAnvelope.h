// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The classical envelope beside the exact one, as text: the lines that
// `lastovar-cli tacno` prints and the window "Tacna anvelopa" lists.

#include <cstdint>
#include <string>
#include <vector>

#include "ApsolutniMaksimum.h"
#include "ProracunskaDejstva.h"
#include "ProvereUnosa.h"
#include "TacnaAnvelopa.h"

/// For the texts `t` and a train of `brojSila` forces: the head, then for
/// each of the report's sections the classical and the exact extM, maxT and
/// minT with the shortfall in percent and the critical position (where P1
/// stands and which force is on the section; with TSmerVoza::Oba also the
/// train's orientation), each line ending with what the section carries in
/// that position ("; istovremeno T = left / right [kN]" for extM, ";
/// istovremeno M = ... [kNm]" for the shears); then the largest shortfall of
/// each quantity with its section, and last the absolute maximum moment
/// (LinijaApsolutnogMaksimuma). Every line without its line end. The section
/// labels and the classical values are the report's, written as the report
/// writes them.
///
/// A train longer than the span gets the one line kPorukaDugogVoza.
///
/// With `dejstva` off their start values each section adds its design values
/// (LinijaProracunske: "extM Ed", "maxT Ed", "minT Ed"), and the governing
/// values (LinijeMerodavnih) follow the absolute maximum after an empty
/// line.
///
/// The texts must have passed ProveraTipa and ProveraVrednosti; a text that
/// does not convert still raises EGreskaKonverzije.
std::vector<std::string> IzvestajTacneAnvelope(const TekstoviUnosa& t, std::int32_t brojSila,
                                               char decimalniSeparator, TSmerVoza smer,
                                               const TProracunskaDejstva& dejstva = {});

/// "Apsolutni maksimum: M = ... [kNm] u preseku x = ... [m], P1 na ... [m]",
/// with ", voz Pn..P1" when the train crossing reversed gives it; numbers in
/// the report's format.
std::string LinijaApsolutnogMaksimuma(const TApsolutniMaksimum& a, std::int32_t brojSila,
                                      char decimalniSeparator);

/// The diagram's governing vertex value Mgov (the largest maximum of the
/// classical equations, where the diagram labels it) beside the absolute
/// maximum of the train crossing as `smer` says: two lines, Mgov with its
/// section and by how much it falls short of the absolute maximum; none for
/// a train longer than the span.
std::vector<std::string> LinijeMgov(const TekstoviUnosa& t, std::int32_t brojSila,
                                    char decimalniSeparator, TSmerVoza smer);
