// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "PodaciZaProracun.h"
#include "Prosireno.h"
#include "Voz.h"
#include "VozUPolozaju.h"

/// How the train crosses the beam.
enum class TSmerVoza {
    Napred,  ///< P1..Pn from the left, P1 leftmost, as the classical calculator assumes
    Nazad,   ///< Pn..P1 from the left, P1 rightmost
    Oba,     ///< either way: the worse of the two
};

/// Where the train stands when a quantity reaches its extreme.
struct TKriticniPolozaj {
    double PolozajP1 = 0.0;  ///< abscissa of P1; it may lie beyond a support
    std::int32_t Sila = 0;   ///< the force on the section, 1..n; 0 for a section off the span
    bool Obrnut = false;     ///< the train stands as Pn..P1
};

/// One extreme value with the position that produces it.
struct TEkstrem {
    double Vrednost = 0.0;
    TKriticniPolozaj Polozaj;
    /// What the section carries with the train in that position: for extM
    /// the shears on both sides of the force on it, for maxT and minT the
    /// moment. Its own reading equals Vrednost.
    TStanjePreseka Istovremeno;
};

/// The exact envelope at one section, signed as the report prints it:
/// extM >= 0, maxT >= 0 and minT <= 0 for downward forces.
struct TTacnaAnvelopaUPreseku {
    TEkstrem ExtM;
    TEkstrem MaxT;
    TEkstrem MinT;
};

/// The exact envelope's values at one section, signed as the report prints
/// them.
struct TVrednostiAnvelope {
    double ExtM = 0.0;
    double MaxT = 0.0;
    double MinT = 0.0;
};

/// The exact moving-load envelope of a rigid train on a simply supported
/// beam: every position of the train, forces beyond a support carrying
/// nothing. The classical zone method (TProracun) is never above it: its extM
/// agrees wherever the exact critical position keeps the whole train on the
/// span, and its maxT and minT agree wherever P1, respectively Pn, is the
/// critical force of P1..Pn.
///
/// Shear where a force stands on the section. maxT is the supremum of the
/// shear at x over all positions, approached as the train comes to its
/// critical position from the right, so the force on x counts with the part
/// right of the section: maxT is the shear just left of x, A minus the forces
/// left of x. minT is reached with the force on x counted with the left part:
/// the shear just right of x, -B plus the forces right of x. These are the
/// readings TProracun::MaxT and TProracun::MinT give with P1 and Pn on the
/// section, so the two calculators compare like with like.
///
/// Each force that may stand on a section keeps, from construction, its
/// neighbours outward from it. A section's candidates are ranked in double,
/// and only those within reach of the best by the double's rounding are
/// evaluated again in extended precision.
class TTacnaAnvelopa {
public:
    /// The envelope of the train and of its mirror image, for any number of
    /// sections.
    explicit TTacnaAnvelopa(const TVoz& voz);

    /// The exact extM, maxT and minT at x, in extended precision, with their
    /// critical positions. A section off the span, or a train of no force,
    /// gives zeros with no force on the section.
    TTacnaAnvelopaUPreseku UPreseku(double x, TSmerVoza smer) const;

    /// The three values alone, computed in double: each within a few units
    /// in the last place of R L (moments) or R (shears) of UPreseku's, at a
    /// fraction of its cost; for drawings and comparisons over a picture's
    /// columns. Zeros where UPreseku gives zeros.
    TVrednostiAnvelope Vrednosti(double x, TSmerVoza smer) const;

    /// The same for the train P1..Pn, L1..L(n-1) of the record (the other
    /// forces and spacings are ignored), at one section.
    static TTacnaAnvelopaUPreseku UPreseku(const TPodaci& podaci, std::int32_t brojSila, double x,
                                           TSmerVoza smer);

    /// The train crossing as P1..Pn.
    const TVoz& Voz() const { return fVoz; }

private:
    // The design envelope adds q's and g's parts to the same candidates.
    friend class TProracunskaAnvelopa;

    // One side of a force: its neighbours outward, those at distance 0
    // excluded, each with the spacing from the one before.
    struct TStrana {
        std::int32_t Broj = 0;
        std::array<double, 5> Razmak{};
        std::array<double, 5> P{};
    };
    // A force of the train as it crosses one way, standing on the section.
    struct TSilaNaPreseku {
        double NaPreseku = 0;   // itself and the forces at distance 0
        Prosireno DoP1 = 0;     // P1's abscissa minus its own
        std::int32_t Sila = 0;  // its number in P1..Pn
        TStrana Levo;
        TStrana Desno;
    };
    struct TSmer {
        bool Obrnut = false;
        std::int32_t Broj = 0;
        std::array<TSilaNaPreseku, 6> Sile{};
    };
    // The three readings of a force on the section, each times L.
    struct TBrojioci {
        Prosireno M;
        Prosireno TLevo;
        Prosireno TDesno;
    };
    // The same divided by L in double, only to rank the candidates.
    struct TProcena {
        double M;
        double TLevo;
        double TDesno;
    };

    struct TKandidat {
        const TSmer* smer;
        const TSilaNaPreseku* sila;
        TProcena procena;
    };
    using TKandidati = std::array<TKandidat, 12>;

    static TSmer Pripremi(const TVoz& voz, bool obrnut);
    bool NaRasponu(double x) const;
    // Every force of each orientation smer takes, on x, ranked in double.
    std::size_t Proceni(double x, TSmerVoza smer, TKandidati& kandidati) const;
    static TBrojioci Brojioci(const TSilaNaPreseku& s, Prosireno x, Prosireno doDesnog);
    // A section as the ranking reads it.
    struct TPresekUDouble {
        double x;
        double doDesnog;   // L - x
        double levoUdeo;   // x/L
        double desnoUdeo;  // (L - x)/L
        double krozL;      // 1/L
    };
    static TProcena Procena(const TSilaNaPreseku& s, const TPresekUDouble& presek);

    TVoz fVoz;
    TSmer fNapred;
    TSmer fNazad;
};
