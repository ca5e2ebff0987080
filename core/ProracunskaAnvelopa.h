// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "OpterecenjeQ.h"
#include "ProracunskaDejstva.h"
#include "Prosireno.h"
#include "RezimiQ.h"
#include "TacnaAnvelopa.h"

/// One design value with what produces it: where the train stands (Sila 0
/// where no force stands on the section: the train wholly on one side of
/// it, or off the span) and the stretches q loads.
struct TProracunskiEkstrem {
    double Vrednost = 0.0;
    TKriticniPolozaj Polozaj;
    TDeoniceQ Q;
};

/// The design envelope at one section, signed as the report prints it.
struct TProracunskiPresek {
    TProracunskiEkstrem M;
    TProracunskiEkstrem MaxT;
    TProracunskiEkstrem MinT;
};

/// The design envelope of a train with the design actions: per section the
/// largest E_d of the moment and of the shear and the smallest of the
/// shear over every position of the train (and both orientations where
/// smer says so), each with the cut of q that worsens it most.
///
/// For a fixed section the value is piecewise quadratic in the train's
/// position. The train's part is piecewise linear with concave kinks only
/// where a force crosses the section, and q's part is smooth across every
/// place where one of its edges crosses a support or the section, except
/// for the shears, where its kinks there never make a peak. So the peak
/// has a force on the section (the exact envelope's candidates, with q's
/// and g's parts added), or stands at the top of a concave stretch of q's
/// part (RezimiQ), or has the train off the span with q on all of it. With
/// every action at its start value it is the exact envelope, number for
/// number, position for position.
class TProracunskaAnvelopa {
public:
    TProracunskaAnvelopa(const TVoz& voz, const TProracunskaDejstva& dejstva);

    /// The three design values at x with what produces them, in extended
    /// precision. A section off the span, or a train of no force, gives
    /// zeros.
    TProracunskiPresek UPreseku(double x, TSmerVoza smer) const;

    /// The three values alone, in double, within a few units in the last
    /// place of the scale of UPreseku's; for drawings over a picture's
    /// columns.
    TVrednostiAnvelope Vrednosti(double x, TSmerVoza smer) const;

    const TVoz& Voz() const { return fTacna.Voz(); }
    const TProracunskaDejstva& Dejstva() const { return fDejstva; }

private:
    // One orientation, its forces in the order of TTacnaAnvelopa's
    // candidates: how far q's edges stand from each force (its distance
    // from the leftmost force plus c, and from the rightmost plus c), the
    // train's length and the regimes of q.
    struct TSmerQ {
        bool Obrnut = false;
        std::array<double, 6> DoLeveIvice{};
        std::array<double, 6> DoDesneIvice{};
        std::array<Prosireno, 6> DoLeveIviceE{};
        std::array<Prosireno, 6> DoDesneIviceE{};
        Prosireno DuzinaE = 0;
        TRezimiQ Rezimi;
    };
    // A candidate other than a force on the section: a regime's peak or the
    // train off the span.
    struct TDodatni {
        const TSmerQ* smer;
        const TRezimQ* rezim;  // none: the train off the span
        bool desni;            // the train right of x
    };

    static TSmerQ Pripremi(const TVoz& voz, bool obrnut, const TKoeficijentiDejstava& k);
    const TSmerQ& SmerQ(const TTacnaAnvelopa::TKandidat& k) const {
        return k.smer->Obrnut ? fNazad : fNapred;
    }
    static std::size_t Indeks(const TTacnaAnvelopa::TKandidat& k) {
        return static_cast<std::size_t>(k.sila - k.smer->Sile.data());
    }
    // Each force candidate's design values in double, for ranking.
    void Proceni(double x, const TTacnaAnvelopa::TKandidati& kandidati, std::size_t broj,
                 std::array<TUticajQ<double>, 12>& procene) const;

    TTacnaAnvelopa fTacna;
    TProracunskaDejstva fDejstva;
    TKoeficijentiDejstava fK;
    TSmerQ fNapred;
    TSmerQ fNazad;
    // Q/(2L) and G/(2L), which multiply q's and g's parts in double.
    double fQKrozDvaL;
    double fGKrozDvaL;
};
