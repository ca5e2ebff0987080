// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Text to number with the user's decimal separator, independent of the C
// locale (which the GUI toolkit sets from the environment).
//
// Grammar: optional blanks, optional sign, digits with at most one decimal
// separator (at least one digit), optional exponent "e"/"E" with optional
// sign and at least one digit, optional blanks. Nothing else: no "inf",
// "nan" or hexadecimal forms.

/// Raised when a text is not a number; carries the offending text.
class EGreskaKonverzije : public std::runtime_error {
public:
    explicit EGreskaKonverzije(std::string tekst);
    const std::string& tekst() const { return fTekst; }

private:
    std::string fTekst;
};

/// Converts a decimal text; a value beyond the double range is an error,
/// one below the smallest subnormal is zero of the written sign.
double TekstUBroj(std::string_view tekst, char decimalniSeparator);

/// A number text made readable with the decimal separator
/// `decimalniSeparator`: written with '.' or ',' (one number, no digit
/// grouping), its separator is replaced; a text that already converts, or
/// that is no number with either separator, comes back unchanged.
std::string SaSeparatorom(std::string_view tekst, char decimalniSeparator);

/// Converts a decimal integer text to a 32-bit integer.
std::int32_t TekstUCeoBroj(std::string_view tekst);
