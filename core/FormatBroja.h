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
