// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A load model: a code's vehicle (or the user's own) with the traffic part
// of the design actions, kept as one small text file. The file holds
// `kljuc=vrednost` lines (LF or CR LF, '#' starts a comment line, empty
// lines allowed):
//
//   naziv=...       the name shown and typed (required)
//   izvor=...       the code, clause and table the figures come from
//   napomena=...    what the model leaves out
//   sile=P1 P2 ...  1 to 6 forces [kN] (required)
//   razmaci=L1 ...  the spacings [m], one fewer than the forces
//   q=...           the distributed load with the train [kN/m]
//   q-raspored=bilo-gde|uz-voz, razmak=C [m]
//   fi=F | linearno A B MIN MAX | koren A B C MIN MAX
//   fi-q=da|ne, gama-q=...
//
// Numbers are read with a point or a comma and separated by blanks. The
// dynamic factor is a number or a formula of the span L: `linearno` is
// A + B L, `koren` is A / (sqrt(L) - B) + C, each held within [MIN, MAX]
// (where sqrt(L) <= B, MAX). A file is read whole or refused whole with
// its reason: unknown or repeated keys, a value a key does not take, more
// than six forces, figures that are not positive where they must be.

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ProracunskaDejstva.h"
#include "Voz.h"

/// A model file larger than this is no model file.
inline constexpr std::size_t kNajviseBajtovaModela = 16 * 1024;

/// A file that cannot be read as a model; what() says why.
class EGreskaModela : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The dynamic factor: a number, or a formula of the span with its bounds.
struct TDinamickiFaktor {
    enum class TVrsta { Broj, Linearno, Koren };
    TVrsta Vrsta = TVrsta::Broj;
    double A = 1.0, B = 0.0, C = 0.0;
    double Min = 1.0, Max = 1.0;

    bool operator==(const TDinamickiFaktor&) const = default;
    /// The factor for the span L [m].
    double Vrednost(double L) const;
};

struct TModelOpterecenja {
    std::string Naziv, Izvor, Napomena;
    std::int32_t BrojSila = 1;
    std::array<double, 6> P{};   ///< zeros beyond the train
    std::array<double, 5> Ls{};  ///< zeros beyond the train
    double q = 0.0;
    TRasporedQ Raspored = TRasporedQ::BiloGde;
    double c = 0.0;
    TDinamickiFaktor Fi;
    bool FiNaQ = false;
    double GamaQ = 1.0;

    bool operator==(const TModelOpterecenja&) const = default;

    /// The train on the span L.
    TVoz Voz(double L) const;
    /// `osnova` with the model's traffic actions for the span L: q, its
    /// arrangement and clearance, phi, phi on q and gamma_Q; the beam's g
    /// and gamma_G stay as `osnova` has them.
    TProracunskaDejstva Dejstva(double L, const TProracunskaDejstva& osnova = {}) const;
};

/// The model in `bajtovi`; throws EGreskaModela.
TModelOpterecenja ProcitajModel(std::string_view bajtovi);

/// The file of `m`, lines ended by LF, numbers with a point in their
/// shortest exact form, so that ProcitajModel gives `m` back.
std::string ZapisiModel(const TModelOpterecenja& m);

/// The user's own model of the forces, spacings and traffic actions given,
/// under `naziv`; throws EGreskaModela for a name a file cannot hold (empty,
/// longer than 80 bytes, control bytes) or figures a model file refuses.
TModelOpterecenja KorisnickiModel(std::string_view naziv, std::int32_t brojSila,
                                  const std::array<double, 6>& sile,
                                  const std::array<double, 5>& razmaci,
                                  const TProracunskaDejstva& dejstva);
