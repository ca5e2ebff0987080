// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "PodaciZaProracun.h"

/// The input texts as the form holds them.
struct TekstoviUnosa {
    std::array<std::string, 6> P;           // txtP1 .. txtP6
    std::string ProizvoljnoX;               // txtProizvoljnoX
    std::array<std::string, 5> Rastojanje;  // txtRastojanje1 .. txtRastojanje5
    std::string Raspon;                     // txtRaspon
    std::string BrojPreseka;                // the text of SpinEditBrojPreseka
};

/// The form's default texts, their numbers written with the decimal
/// separator `decimalniSeparator` ("206.0", or "206,0" under a comma).
TekstoviUnosa PodrazumevaniTekstovi(char decimalniSeparator);

/// All thirteen decimal texts and the section count converted, in field
/// order; throws EGreskaKonverzije at the first text that is not a number.
TPodaci ZapisIzTekstova(const TekstoviUnosa& t, char decimalniSeparator);

/// The record for a train of n forces: P1..Pn and L1..L(n-1) converted, the
/// rest 0.0, then the span and the arbitrary section; the section count is
/// not read. The texts must have passed ProveraTipa.
TPodaci ZapisZaBrojSila(const TekstoviUnosa& t, std::int32_t n, char decimalniSeparator);

inline constexpr std::string_view kPorukaTipa = "Greska u unosu tipa podataka za proracun!!!";
inline constexpr std::string_view kPorukaVrednosti = "Vrednosti podataka nisu korektno unete!!!";

/// The parse check: every text converts. On the first failure it shows
/// kPorukaTipa, clears the results and answers false.
bool ProveraTipa(const TekstoviUnosa& t, char decimalniSeparator,
                 const std::function<void(std::string_view)>& prikaziGresku,
                 const std::function<void()>& obrisiRezultate);

/// The value check for a train of n forces (after ProveraTipa passed). On
/// failure it clears the results and answers false; the caller shows
/// kPorukaVrednosti. With `vozDuziOdRaspona` a train longer than the span
/// passes, as the design envelope takes it.
bool ProveraVrednosti(const TekstoviUnosa& t, std::int32_t n, char decimalniSeparator,
                      const std::function<void()>& obrisiRezultate, bool vozDuziOdRaspona = false);

/// A field of the input form.
enum class TPoljeUnosa {
    P1,
    P2,
    P3,
    P4,
    P5,
    P6,
    ProizvoljnoX,
    L1,
    L2,
    L3,
    L4,
    L5,
    Raspon,
    BrojSila
};

/// The field of the value check's first test that does not hold, for a
/// train of n forces (after ProveraTipa passed): the force or spacing that
/// is not positive, the span for a span that is not positive or shorter
/// than the train, x when it lies outside 0..L, the first force when the
/// resultant overflows and the span when R L or R / L does, the force count
/// outside 1..6. None when the check accepts. With `vozDuziOdRaspona` a
/// train longer than the span passes, as the design envelope takes it.
std::optional<TPoljeUnosa> OdbijenoPolje(const TekstoviUnosa& t, std::int32_t n,
                                         char decimalniSeparator, bool vozDuziOdRaspona = false);
