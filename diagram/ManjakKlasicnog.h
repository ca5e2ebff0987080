// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the classical method falls short on the picture: the warning that
// the main window shows after each calculation.

#include <cstdint>
#include <string>
#include <vector>

#include "AnvelopaPoKolonama.h"
#include "OkvirDijagrama.h"
#include "Prosireno.h"

/// A shortfall below this share of the exact peak, in percent, is not worth
/// a warning.
inline constexpr double kPragUpozorenja = 0.5;

/// The largest shortfall of one quantity over the picture's columns.
struct TManjakKlasicnog {
    TVelicina Velicina = TVelicina::ExtM;
    /// The shortfall in percent of the exact peak of the quantity: the
    /// largest exact extM, maxT or the most negative exact minT over the span.
    double Procenat = 0.0;
    /// Where it is largest, the first of equal columns: the report's section
    /// nearest to that column where one lies within the column's width,
    /// else the column's section [m].
    Prosireno x = 0.0;
};

/// For each quantity whose classical value falls short of the exact one at
/// some column by more than kPragUpozorenja percent of the exact peak, its
/// largest shortfall, in the order extM, maxT, minT; empty where none does.
/// The report tabulates brojPreseka + 1 sections.
std::vector<TManjakKlasicnog> ManjakKlasicnog(const TOkvirDijagrama& okvir,
                                              const TAnvelopaPoKolonama& anvelopa,
                                              std::int32_t brojPreseka);

/// The start of the status line before the shortfalls.
inline constexpr const char* kPocetakUpozorenja = "Klasicni proracun je na strani nesigurnosti:";

/// One shortfall as the status line names it: "extM manji za 11.0 % tacnog
/// vrha u preseku x = 4.5 [m]", the percentage (of the exact peak) to one
/// decimal and the section in the report's format.
std::string TekstManjka(const TManjakKlasicnog& manjak, char decimalniSeparator);

/// The status line for these shortfalls: empty for none, otherwise
/// kPocetakUpozorenja, a blank and each TekstManjka, separated by "; ".
std::string TekstUpozorenja(const std::vector<TManjakKlasicnog>& manjkovi, char decimalniSeparator);
