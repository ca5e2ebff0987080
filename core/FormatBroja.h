// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "Prosireno.h"

/// The report's general number format: 15 significant digits rounded half
/// away from zero on the exact decimal digits of the value, fixed notation
/// for 0.0001 <= |v| < 1E15 and "1.5E20" style otherwise, trailing zeros and
/// a bare separator dropped, "0" for either zero.
std::string FormatBroja(Prosireno v, char decimalniSeparator);

/// The same format for a number given by its decimal digits: `cifre`, from
/// which leading zeros are dropped, the first of the remaining ones standing
/// at 10^eksponent. "0" when no digit is non-zero.
std::string FormatDecimala(bool negativan, std::string_view cifre, int eksponent,
                           char decimalniSeparator);

/// Fixed point with the given number of decimals, rounded half away from
/// zero; a value that rounds to zero carries no sign.
std::string FormatFiksno(Prosireno v, int decimala, char decimalniSeparator);

/// The units an engineer reads a number in, each with its decimals.
enum class TJedinica {
    kN,
    kNm,
    m,
    kNpoM,     ///< a distributed load [kN/m]
    Procenat,  ///< a share [%]
};

/// The decimals engineering rounding keeps in a unit: three for forces,
/// moments and lengths, two for percentages.
int DecimalaJedinice(TJedinica jedinica);

/// Engineering rounding, for what people read: the value rounded half away
/// from zero to the unit's decimals ("446.763", "-0.100", "4.00"), "0" for
/// a value that is zero up to that rounding (never "-0.000"). Programs that
/// read numbers back take FormatBroja's full precision instead.
std::string FormatInzenjerski(Prosireno v, TJedinica jedinica, char decimalniSeparator);

/// Whom a number is written for: programs read it back in full precision
/// (FormatBroja), people read it in engineering rounding (FormatInzenjerski).
enum class TZapis { Puni, Inzenjerski };

/// The number as `zapis` says; the unit matters to engineering rounding only.
std::string FormatZa(TZapis zapis, Prosireno v, TJedinica jedinica, char decimalniSeparator);
