// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "PodaciZaProracun.h"
#include "Prosireno.h"

/// The quantities of force k's moment equation, the parabola
/// M_k(x) = (R/L)(L - a_k)x - (R/L)x^2 - Mlevo_k that governs zone k, each
/// rounded to double once, as the report prints and stores them.
struct TJednacinaSile {
    double Lambda = 0;             ///< length of zone k [m]
    double A = 0;                  ///< signed distance from force k to the resultant [m]
    double Mlevo = 0;              ///< moment of the forces left of force k about it [kNm]
    double Teme = 0;               ///< abscissa x_ko of the parabola's vertex [m]
    std::array<double, 2> Nule{};  ///< the parabola's zeros, smaller first [m]
    double MaxM = 0;               ///< the parabola's value at its vertex [kNm]
};

/// The train of one load case on its beam: forces P1..Pn (P1 leftmost), the
/// spacings L1..L(n-1) and the span L, with 0.0 for the forces and spacings
/// beyond the train, as every caller passes them to the calculator.
///
/// It answers the calculator's operations at a section through TProracun,
/// and it computes every force's equation quantities once, on construction,
/// in extended precision and in the order the report evaluates them. Each
/// quantity has one function in Voz.cpp: DuzinaZone (lambda_k),
/// RastojanjeDoRezultante (a_k), MomentLevihSila (Mlevo_k), TemeParabole
/// (x_ko), NuleParabole, MaksimumParabole (maxM_k), ZbiroviLambdi (the zone
/// bounds), ZonaNajvecegMaksimuma (the governing zone), SkokoviMaxT and
/// SkokoviMinT (the shear jumps), Odmaci (each force's distance from the
/// first) and MomentParabole (M_k at a section).
///
/// A force count outside 1..6 gives an empty train: no forces, zeros for
/// every quantity, and the calculator's 0.0 at every section.
class TVoz {
public:
    /// An empty train.
    TVoz();
    /// The train of `brojSila` forces of the record.
    TVoz(const TPodaci& podaci, std::int32_t brojSila);
    /// The train of the first `brojSila` forces and spacings given.
    TVoz(std::int32_t brojSila, const std::array<double, 6>& sile,
         const std::array<double, 5>& razmaci, double raspon);

    std::int32_t BrojSila() const { return fN; }
    /// The force count is 1..6, for which the calculator and the equations
    /// are defined.
    bool Vazi() const { return fN >= 1 && fN <= 6; }
    /// P1..P6, zeros beyond the train.
    const std::array<double, 6>& P() const { return fP; }
    /// L1..L5, zeros beyond the train's last force.
    const std::array<double, 5>& Ls() const { return fLs; }
    double Raspon() const { return fL; }

    /// The resultant R of the train, from TProracun::Rezultanta.
    double R() const { return fR; }
    /// The resultant's distance xR from P1.
    double xR() const { return fXR; }
    /// R/L unrounded, as every equation carries it.
    Prosireno RkrozL() const { return fRkrozL; }

    /// TProracun::ExtM of the train at x.
    double ExtM(double x) const;
    /// TProracun::MaxT of the train at x: maxT with its sign reversed.
    double MaxT(double x) const;
    /// TProracun::MinT of the train at x: minT with its sign reversed.
    double MinT(double x) const;
    /// The zone whose equation ExtM evaluates at x (ZonaExtM); 0 off the span.
    std::int32_t ZonaExtM(double x) const;

    /// The equation quantities of force k, 1..n.
    const TJednacinaSile& Jednacina(std::int32_t k) const { return fJednacine.at(Indeks(k)); }
    /// The right end of zone j, Lambda_j = lambda_1 + ... + lambda_j summed
    /// left to right from the stored lengths; j = 0..n, Lambda_0 = 0.
    Prosireno ZbirLambdi(std::int32_t j) const { return fZbiroviLambdi.at(Indeks(j + 1)); }
    /// Force k's parabola at X, from the stored a_k and Mlevo_k in the
    /// report's grouping ((L - a_k)(R/L))X - (X X)(R/L) - Mlevo_k, unrounded.
    Prosireno Moment(std::int32_t k, Prosireno X) const;
    /// The zone whose parabola has the largest maximum, ties to the higher
    /// zone; 0 for an empty train.
    std::int32_t ZonaMaksimuma() const { return fZonaMaksimuma; }
    /// The k-th jump of maxT, J_k = L - L1 - ... - Lk, k = 1..n-1: where
    /// P(k+1) reaches the right support with P1 on the section.
    double SkokMaxT(std::int32_t k) const { return fSkokoviMaxT.at(Indeks(k)); }
    /// The m-th jump of minT, E_m = L(n-1) + ... + L(n-m), m = 1..n-1: where
    /// P(n-m) reaches the left support with Pn on the section.
    double SkokMinT(std::int32_t m) const { return fSkokoviMinT.at(Indeks(m)); }
    /// Force k's distance from P1, L1 + ... + L(k-1) summed left to right;
    /// k = 1..n.
    Prosireno Odmak(std::int32_t k) const { return fOdmaci.at(Indeks(k)); }

    /// The whole train fits on the span, as the classical method needs it:
    /// L1 + ... + L(n-1) <= L, summed in extended precision as the value
    /// check sums it. An empty train fits.
    bool StajeNaRaspon() const { return !Vazi() || Odmak(fN) <= fL; }

    /// The same train crossing the other way: Pn..P1 with L(n-1)..L1, so
    /// that its force j is this train's force n + 1 - j.
    TVoz Obrnut() const;

private:
    // The place of the 1-based number k in its array; a number below 1
    // wraps far past every array's end, which at() refuses.
    static std::size_t Indeks(std::int32_t k) { return static_cast<std::size_t>(k) - 1; }

    std::int32_t fN;
    std::array<double, 6> fP{};
    std::array<double, 5> fLs{};
    double fL;
    double fR = 0;
    double fXR = 0;
    Prosireno fRkrozL = 0;
    std::array<TJednacinaSile, 6> fJednacine{};
    std::array<Prosireno, 7> fZbiroviLambdi{};
    std::int32_t fZonaMaksimuma = 0;
    std::array<double, 5> fSkokoviMaxT{};
    std::array<double, 5> fSkokoviMinT{};
    std::array<Prosireno, 6> fOdmaci{};
};

/// The train of n forces as it stands: "P1..Pn", reversed "Pn..P1"; one
/// force is "P1" either way.
std::string ImeVoza(std::int32_t brojSila, bool obrnut);
