// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The design run as text: the governing values that `lastovar-cli
// merodavno` prints and the window "Merodavne vrednosti" shows, and the
// design values at a section that `tacno` adds to its comparison. Numbers
// in the report's format and the regional separator.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ProracunskiProracun.h"
#include "ProvereUnosa.h"

/// "Karakteristicne vrednosti:", its five lines, then "Proracunske
/// vrednosti:" and its five (LinijeMerodavnihVrednosti).
std::vector<std::string> LinijeMerodavnih(const TMerodavno& m, std::int32_t brojSila,
                                          char decimalniSeparator);

/// The five lines of one block:
///   Mmax = <v> [kNm] u preseku x = <x> [m], P1 na <p> [m], voz P1..Pn
///   Amax = <v> [kN], P1 na <p> [m], voz ...
///   Bmax = <v> [kN], P1 na <p> [m], voz ...
///   Tmax = <v> [kN] u preseku x = <x> [m], P1 na <p> [m], voz ...
///   Tmin = <v> [kN] u preseku x = <x> [m], P1 na <p> [m], voz ...
std::vector<std::string> LinijeMerodavnihVrednosti(const TMerodavneVrednosti& m,
                                                   std::int32_t brojSila, char decimalniSeparator);

/// One design value at a section, for the comparison of `tacno`:
/// "<ime> = <v> [<jedinica>], P1 na <p> [m], P<k> na preseku" (or "nijedna
/// sila na preseku"), with ", voz ..." under TSmerVoza::Oba, then where q
/// stands: "; q od <a> do <b> [m]" with " i od <c> do <d> [m]" for a second
/// stretch, or nothing without q.
std::string LinijaProracunske(std::string_view ime, std::string_view jedinica,
                              const TProracunskiEkstrem& e, std::int32_t brojSila, TSmerVoza smer,
                              char decimalniSeparator);

/// The actions and the train as the window "Merodavne vrednosti" heads its
/// values: "Proracunske vrednosti: q = ... [kN/m] bilo gde (or ispred i iza
/// voza, c = ... [m]), g = ... [kN/m], fi = ... (i na q), gamaG = ...,
/// gamaQ = ...", then "Voz P1..Pn" (or "Voz P1..Pn ili Pn..P1"), with ",
/// duzi od raspona" for a train longer than the span.
std::vector<std::string> OpisDejstava(const TProracunskaDejstva& d, std::int32_t brojSila,
                                      TSmerVoza smer, bool duziOdRaspona, char decimalniSeparator);

/// What the calculation sheet sets after the report, for the texts `t` and a
/// train of `brojSila` forces: with `tacno`, the comparison in that
/// orientation (IzvestajTacneAnvelope, the design values in it while
/// `dejstva` are off their start values); without it, while they are off,
/// "MERODAVNE VREDNOSTI" and the governing values (the train as P1..Pn),
/// each with its position on a line of its own, indented; nothing
/// otherwise. The texts must have passed both checks.
std::vector<std::string> DodatakListe(const TekstoviUnosa& t, std::int32_t brojSila,
                                      char decimalniSeparator, std::optional<TSmerVoza> tacno,
                                      const TProracunskaDejstva& dejstva);

/// The one line the results window holds for a train longer than the span.
inline constexpr std::string_view kPorukaDugogVoza =
    "Voz je duzi od raspona: klasicni proracun trazi ceo voz na rasponu.";
