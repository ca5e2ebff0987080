// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "Prosireno.h"
#include "Voz.h"

/// What a section carries with the train at one position.
struct TStanjePreseka {
    double M = 0.0;       ///< the bending moment at x [kNm]
    double TLevo = 0.0;   ///< the shear just left of x, a force on x counted right of it [kN]
    double TDesno = 0.0;  ///< the shear just right of x, a force on x counted left of it [kN]
};

/// One force of a train at a position.
struct TSilaUPolozaju {
    std::int32_t Sila = 0;   ///< its number in the train, 1..n
    double P = 0.0;          ///< [kN]
    Prosireno x = 0.0;       ///< its abscissa; it may lie beyond a support [m]
    bool NaRasponu = false;  ///< 0 <= x <= L: it loads the beam
};

/// A train standing still on its beam: where each force is, the support
/// reactions, and the moment and shear at any section, each the sum of the
/// forces on the span times their influence ordinates. Forces beyond a
/// support carry nothing.
class TVozUPolozaju {
public:
    /// The train with its force `sila` (1..n) at the abscissa `x`, standing
    /// P1..Pn from the left, or Pn..P1 when `obrnut`. Each force's abscissa
    /// is x plus its offset from that force, so a force put on a section
    /// stands exactly on it.
    TVozUPolozaju(const TVoz& voz, bool obrnut, std::int32_t sila, Prosireno x);
    /// The train with P1 at `p1`.
    static TVozUPolozaju SaP1(const TVoz& voz, bool obrnut, Prosireno p1) {
        return TVozUPolozaju(voz, obrnut, 1, p1);
    }

    std::span<const TSilaUPolozaju> Sile() const { return {fSile.data(), fBrojSila}; }
    double Raspon() const { return fL; }
    bool Obrnut() const { return fObrnut; }
    Prosireno PolozajP1() const { return fBrojSila ? fSile[0].x : 0.0_pr; }

    /// The left and right support reactions [kN].
    Prosireno A() const;
    Prosireno B() const;
    /// The moment at x; 0 off the span [kNm].
    Prosireno M(Prosireno x) const;
    /// The shear just left and just right of x; 0 off the span [kN].
    Prosireno TLevo(Prosireno x) const;
    Prosireno TDesno(Prosireno x) const;
    /// The three at x, rounded to double.
    TStanjePreseka UPreseku(Prosireno x) const;

private:
    template <class Uticaj>
    Prosireno Zbir(Prosireno x, Uticaj uticaj) const;

    double fL;
    bool fObrnut;
    std::size_t fBrojSila = 0;
    std::array<TSilaUPolozaju, 6> fSile{};
};

/// The positions of P1 over which the train crosses the span: from wholly
/// off it on the left (its leading force on the left support) to wholly off
/// on the right (its last force on the right support). Both ends are finite:
/// one beyond the double range (a span and a train near the largest double)
/// is held at its end, and the points between are found without forming
/// the distance Do - Od, which may exceed that range.
struct TOpsegPrelaza {
    double Od = 0.0;
    double Do = 0.0;

    /// The position a fraction `udeo` of the way: Od for 0 and less, Do for
    /// 1 and more.
    double Tacka(double udeo) const;
    /// How far `p1` lies along the way, from 0 at Od to 1 at Do; 0 where
    /// the crossing has no length.
    double Udeo(double p1) const;
    /// The train half way across.
    double Sredina() const { return Tacka(0.5); }
};

/// The crossing of P1..Pn, or of Pn..P1 when `obrnut`.
TOpsegPrelaza OpsegPrelaza(const TVoz& voz, bool obrnut);
