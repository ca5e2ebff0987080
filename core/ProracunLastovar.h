// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "AProracunLastovar.h"

// The classical zone method for a train of n linked forces on a simply
// supported beam of span L. Every operation is a pure function of its
// arguments; intermediates are evaluated in extended precision and each result is
// rounded to double once, when it is returned.
//
// Sign conventions: moments stretching the bottom fibre are positive;
// MaxT returns -A (maxT negated) and MinT returns B (minT negated).
struct TProracun {
    /// Extreme bending moment at x; 0.0 outside the span or for n outside 1..6.
    static double ExtM(std::int32_t n, double x, double L, double P1, double P2, double P3,
                       double P4, double P5, double P6, double L1, double L2, double L3, double L4,
                       double L5);
    /// maxT at x with its sign reversed: P1 on the section, the train to its right.
    static double MaxT(std::int32_t n, double x, double L, double P1, double P2, double P3,
                       double P4, double P5, double P6, double L1, double L2, double L3, double L4,
                       double L5);
    /// minT at x with its sign reversed: Pn on the section, the train to its left.
    static double MinT(std::int32_t n, double x, double L, double P1, double P2, double P3,
                       double P4, double P5, double P6, double L1, double L2, double L3, double L4,
                       double L5);
    /// Maximum of the moment equation of the force standing L1+..+L5 right of P1.
    static double MaxM(double L, double P1, double P2, double P3, double P4, double P5, double P6,
                       double L1, double L2, double L3, double L4, double L5);
    /// The zeros of that equation, smaller first.
    static void Nule(double& X1, double& X2, double L, double P1, double P2, double P3, double P4,
                     double P5, double P6, double L1, double L2, double L3, double L4, double L5);
    /// Vertex abscissa of that equation.
    static double Teme(double L, double P1, double P2, double P3, double P4, double P5, double P6,
                       double L1, double L2, double L3, double L4, double L5);
    /// Moment of P1..P5 about the point L1+..+L5 right of P1.
    static double Mlevo(double P1, double P2, double P3, double P4, double P5, double P6, double L1,
                        double L2, double L3, double L4, double L5);
    /// Length L*Pk/R of the zone in which force k governs; 0.0 for k outside 1..6.
    static double ZonaVazenja(std::int32_t k, double L, double P1, double P2, double P3, double P4,
                              double P5, double P6, double L1, double L2, double L3, double L4,
                              double L5);
    /// The resultant R and its distance xR from P1.
    static void Rezultanta(double& R, double& xR, double P1, double P2, double P3, double P4,
                           double P5, double P6, double L1, double L2, double L3, double L4,
                           double L5);
    /// xR - L1 - L2 - L3 - L4 - L5, subtracted in that order.
    static double RastojanjeA(double xR, double L1, double L2, double L3, double L4, double L5);
};

static_assert(TAProracun<TProracun>);

/// The zone whose equation TProracun::ExtM evaluates at x for a train of n
/// forces, the forces beyond n ignored: 1..n, or 0 where it answers 0.0 (n
/// outside 1..6, or a section off the span of two forces or more; one force
/// has its one equation everywhere). The classical method stands the train
/// with force k of zone k on the section.
std::int32_t ZonaExtM(std::int32_t n, double x, double L, double P1, double P2, double P3,
                      double P4, double P5, double P6);

/// How many forces the classical maxT at x counts: P1 on the section and
/// P2..Pj, the forces the span holds, for the j it answers; 0 where
/// TProracun::MaxT answers 0.0 for want of a branch (n outside 1..6, or a
/// section off the span).
std::int32_t BrojSilaMaxT(std::int32_t n, double x, double L, double L1, double L2, double L3,
                          double L4, double L5);

/// How many forces the classical minT at x counts: Pn on the section and
/// P(n-1)..P(n-j+1), for the j it answers; 0 as for BrojSilaMaxT.
std::int32_t BrojSilaMinT(std::int32_t n, double x, double L, double L1, double L2, double L3,
                          double L4, double L5);
