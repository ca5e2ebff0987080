// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

/// The result fields of one calculation run, each rounded to double when it
/// is stored. Arrays hold force k at index k - 1; entries for forces beyond
/// the train stay 0.0.
struct RezultatiProracuna {
    double FR = 0.0;                 // resultant R [kN]
    double FXR = 0.0;                // abscissa xR of the resultant from P1 [m]
    std::array<double, 6> FMlevo{};  // moment of the forces left of force k about it [kNm]
    std::array<double, 6> FA{};      // signed distance from force k to the resultant [m]
    std::array<double, 6> FTeme{};   // vertex abscissa of parabola k [m]
    std::array<double, 6> FMaxM{};   // value of parabola k at its vertex [kNm]
    std::array<std::array<double, 2>, 6> FNule{};  // zeros of parabola k, smaller first [m]
    std::array<double, 6> FLambda{};               // length of zone k [m]
    double FMProizvoljno = 0.0;                    // extM at the arbitrary section [kNm]
    double FMaxTProizvoljno = 0.0;                 // maxT at the arbitrary section [kN]
    double FMinTProizvoljno = 0.0;                 // minT at the arbitrary section [kN]
    double FXProizvoljno = 0.0;                    // abscissa of the arbitrary section [m]
    double FKorakPreseka = 0.0;                    // spacing L/n of the tabulated sections [m]
};
