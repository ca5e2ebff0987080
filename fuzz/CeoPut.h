// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One load case the whole way the program takes it, without windows: the
// data file read, the type and value checks, the results report, the
// diagram trace in the screen and the print style, the comparison with the
// exact envelope, the picture "Polozaj voza" and the calculation sheet's
// pages. The fuzz target and the robustness test both run it and hold what it gives back to the
// same rules.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ListProracuna.h"

/// The regional separator and the picture the diagrams are drawn to.
struct TSlikaPuta {
    char separator = '.';
    std::int32_t sirina = 800;
    std::int32_t visina = 600;
};

/// Bytes a fuzz input begins with before the data file.
inline constexpr std::size_t kBajtovaZaglavlja = 5;

/// The picture a fuzz input asks for, from its first kBajtovaZaglavlja bytes,
/// which are taken off `ulaz`; a shorter input keeps the defaults. Widths stay
/// below 1024 so that one input draws in about a millisecond.
TSlikaPuta ZaglavljePuta(std::string_view& ulaz);

/// What came out of one load case.
struct TIshodPuta {
    bool procitan = false;   // the data file was read
    bool prihvacen = false;  // and its load case passed both checks
    std::vector<std::string> izvestaj;
    /// The trace of two drawings on one screen canvas (the window's first
    /// and a later one, whose label offsets differ), and of one print.
    std::string ekran;
    std::string stampa;
    /// The comparison of `lastovar-cli tacno --oba-smera`, exact envelopes
    /// and band drawn in the screen trace's second drawing.
    std::vector<std::string> tacno;
    /// "Polozaj voza" at the arbitrary section, then a frame of the crossing
    /// with the train half way across.
    std::string polozaj;
    /// The calculation sheet, both ways with the comparison, and the trace
    /// of its figures.
    TListProracuna list;
    std::string slike;
};

/// Reads `datoteka` as a data file and runs the calculation as the form does.
TIshodPuta ProdjiPut(std::string_view datoteka, const TSlikaPuta& slika);

/// Everything in `ishod` a user must never see: a report line or a label
/// that holds NAN or INF, a trace coordinate the drawing could not
/// represent in 32 bits (it saturates those at the ends of the range), and
/// a text of the sheet off its page or a report on the sheet that is not
/// the report whole. Empty when sound.
std::vector<std::string> Prekrsaji(const TIshodPuta& ishod);
