// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation run as numbers, before any text: what the results report
// prints, in the precision it prints it. The report's lines are formatted
// from it (IzvestajLastovar), and so is every other output that must show
// the report's numbers: the comparison with the exact envelope, a table
// file, a printed sheet.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "PodaciZaProracun.h"
#include "Prosireno.h"
#include "RezultatiProracuna.h"
#include "Voz.h"

/// One line of the extM table: the zone whose parabola the section lies in
/// and the parabola's value there, unrounded as printed [kNm].
struct TMomentUPreseku {
    std::int32_t Zona = 0;
    Prosireno M = 0;
};

/// One of the report's sections x_i = i*L/n, as its three tables print it.
struct TRedPreseka {
    /// i times the stored spacing, in extended precision: the abscissa every
    /// table prints [m]. The last one can lie a little beyond L.
    Prosireno x = 0;
    /// The extM lines, in order: one for most sections, two for a section on
    /// lambda_1 of four to six forces (zone 1, then zone 2), none for a last
    /// section that rounding carried more than the tolerance past L.
    std::vector<TMomentUPreseku> ExtM;
    /// maxT and minT with their own signs, a zero always +0.0 [kN].
    double MaxT = 0;
    double MinT = 0;
};

/// A boundary line of an equation block: Lambda_j and the block's parabola
/// there, both unrounded as printed.
struct TGranicaZone {
    std::int32_t j = 0;
    Prosireno x = 0;
    Prosireno M = 0;
};

/// The boundary lines of equation k: the left end of its zone for k >= 2,
/// the right end for every force but the last.
struct TGraniceJednacine {
    std::optional<TGranicaZone> Leva;
    std::optional<TGranicaZone> Desna;
};

/// The arbitrary section and its three values, each rounded to double.
struct TProizvoljniPresek {
    double x = 0;
    /// The zone whose parabola gave extM; 0 where no zone holds x and extM
    /// stays 0.
    std::int32_t Zona = 0;
    double ExtM = 0;
    double MaxT = 0;
    double MinT = 0;
};

/// One calculation run's numbers.
struct TProracunIzvestaja {
    /// The train: the resultant and every force's equation quantities. Empty
    /// for a force count outside 1..6, which computes nothing.
    TVoz Voz;
    /// The boundary lines of equations 1..n, index k - 1.
    std::array<TGraniceJednacine, 6> Granice{};
    /// The spacing L/n of the sections, rounded to double; 0 without sections.
    double KorakPreseka = 0;
    /// Sections i = 0..n; none for a section count below 1 or an empty train.
    std::vector<TRedPreseka> Preseci;
    TProizvoljniPresek Proizvoljni;

    /// The run for a train of `brojSila` forces of the record at its
    /// BrojPreseka + 1 sections and its arbitrary section. `napredak` (may be
    /// empty) receives 50, 60 and 70 as the extM, maxT and minT columns are
    /// done. The record must have passed the value check for the train.
    static TProracunIzvestaja Izracunaj(const TPodaci& podaci, std::int32_t brojSila,
                                        const std::function<void(int)>& napredak = {});

    /// The input form's result fields of this run, zeros beyond the train.
    RezultatiProracuna Polja() const;
};
