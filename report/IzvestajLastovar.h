// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation run without widgets. The input form hands over its texts
// as it holds them; the run converts them, computes the resultant, the zone
// quantities and the section tables as numbers (TProracunIzvestaja), formats
// the report's lines from those numbers and gives back both with the result
// fields. The form's IzracunajIzvestaj only has to clear the results memo,
// append Linije one by one, put the caret at the start and keep Rezultati; it
// forwards the progress bar as `napredak`.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ProracunIzvestaja.h"
#include "ProvereUnosa.h"
#include "RezultatiProracuna.h"

/// One run's report: every line without its line end (an empty line is an
/// empty string), the result fields the run filled, and the numbers both
/// were made from.
struct IzvestajLastovar {
    std::vector<std::string> Linije;
    /// The form's result fields: Proracun.Polja().
    RezultatiProracuna Rezultati;
    TProracunIzvestaja Proracun;
};

/// Runs the calculation for the texts `t` and the force count spin edit,
/// whose text `tekstBrojaSila` gives the force and spacing lines of the head
/// and whose value `brojSila` the train; for a value outside 1..6 only head
/// and tail are written, as zeros. `napredak` (may be empty) receives 50, 60
/// and 70 after the three section tables.
///
/// A train longer than the span (which the value check lets pass for the
/// design envelope) gets the one line kPorukaDugogVoza and no classical
/// result: the method needs the whole train on the span.
///
/// The texts must have passed ProveraTipa and ProveraVrednosti; a text that
/// does not convert still raises EGreskaKonverzije. A section count outside
/// the spin edit's 1..99 raises std::out_of_range.
IzvestajLastovar SastaviIzvestaj(const TekstoviUnosa& t, std::string_view tekstBrojaSila,
                                 std::int32_t brojSila, char decimalniSeparator,
                                 const std::function<void(int)>& napredak = {});
