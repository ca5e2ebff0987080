// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The actions that turn the train's envelope into design values: a
// uniformly distributed load q that comes with the train, the beam's dead
// load g, the dynamic factor and the partial factors,
//
//   E_d = gamma_G E_g + gamma_Q (phi E_train + phi_q E_q),
//
// phi_q being phi or 1. Every action starts at the value that leaves the
// train's exact envelope as it is.

#include <string>
#include <string_view>

/// Where the distributed load q may stand.
enum class TRasporedQ {
    /// Anywhere, cut anywhere: it loads exactly the parts of the span where
    /// it worsens the quantity at the section.
    BiloGde,
    /// Only in front of the first force and behind the last, never closer
    /// to them than the clearance c, cut wherever it worsens the quantity;
    /// it moves with the train.
    IspredIIzaVoza,
};

struct TProracunskaDejstva {
    double q = 0.0;  ///< [kN/m]
    TRasporedQ Raspored = TRasporedQ::BiloGde;
    double c = 0.0;      ///< the clearance between the train and q [m]
    double g = 0.0;      ///< the dead load over the whole span [kN/m]
    double Fi = 1.0;     ///< the dynamic factor on the forces
    bool FiNaQ = false;  ///< phi multiplies q too
    double GamaG = 1.0;  ///< the partial factor on g
    double GamaQ = 1.0;  ///< the partial factor on the train and q

    bool operator==(const TProracunskaDejstva&) const = default;

    /// Every action at its start value: the design envelope is the exact one.
    bool Pocetna() const { return *this == TProracunskaDejstva{}; }
    /// The characteristic actions: the train and q alone, every factor one.
    TProracunskaDejstva Karakteristicna() const;
};

/// The factors each part of a design value carries, as the calculation
/// applies them: T on the train, Q on q (gamma_Q phi_q q) and G on g
/// (gamma_G g). At the start values they are 1, 0 and 0 exactly, so that
/// T t + Q u + G v gives back t bit for bit.
struct TKoeficijentiDejstava {
    double T = 1.0;
    double Q = 0.0;
    double G = 0.0;
    /// q's arrangement counts only where q loads anything.
    bool IspredIIza = false;
    double c = 0.0;
};

TKoeficijentiDejstava Koeficijenti(const TProracunskaDejstva& d);

/// q, c and g finite and not negative, phi, gamma_G and gamma_Q finite and
/// positive; together with a train of resultant R on the span L, no design
/// value may overflow a double.
bool DejstvaVaze(const TProracunskaDejstva& d, double R, double L);

inline constexpr std::string_view kPorukaDejstava = "Proracunske vrednosti nisu korektno unete!!!";

/// The actions as a dialog holds them: the numbers as typed, the
/// arrangement and the check box.
struct TTekstoviDejstava {
    std::string q, c, g, Fi, GamaG, GamaQ;
    TRasporedQ Raspored = TRasporedQ::BiloGde;
    bool FiNaQ = false;

    bool operator==(const TTekstoviDejstava&) const = default;
};

/// The numbers in the report's format with the separator.
TTekstoviDejstava TekstoviDejstava(const TProracunskaDejstva& d, char decimalniSeparator);

/// The texts converted with the separator; throws EGreskaKonverzije at the
/// first one that is not a number. The values are not checked.
TProracunskaDejstva DejstvaIzTekstova(const TTekstoviDejstava& t, char decimalniSeparator);
