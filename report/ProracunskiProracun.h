// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The design run as numbers, before any text: the governing values and, at
// the report's sections, the design and the characteristic envelope with
// what produces each value. `lastovar-cli merodavno`, the comparison of
// `tacno`, the sheet and the window "Merodavne vrednosti" format their
// lines and tables from it.

#include <cstdint>
#include <vector>

#include "MerodavneVrednosti.h"
#include "PodaciZaProracun.h"
#include "Prosireno.h"

/// One of the report's sections x_i = i L/n.
struct TRedProracunskeAnvelope {
    Prosireno x = 0;  ///< as the report's tables print it [m]
    TProracunskiPresek Proracunski;
    TProracunskiPresek Karakteristicni;
};

struct TProracunskiProracun {
    TVoz Voz;
    TProracunskaDejstva Dejstva;
    TSmerVoza Smer = TSmerVoza::Napred;
    TMerodavno Merodavno;
    /// Sections i = 0..n, read at x_i rounded to double, a last one past L
    /// at L; none for a section count below 1 or an empty train.
    std::vector<TRedProracunskeAnvelope> Redovi;
    /// The train is longer than the span: the classical method, which
    /// needs it whole on the span, is not run.
    bool DuziOdRaspona = false;

    /// The run for a train of `brojSila` forces of the record at its
    /// BrojPreseka + 1 sections. The record must have passed the value
    /// check, a train longer than the span let through.
    static TProracunskiProracun Izracunaj(const TPodaci& podaci, std::int32_t brojSila,
                                          const TProracunskaDejstva& dejstva, TSmerVoza smer);
};
