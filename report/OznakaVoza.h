// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

/// How the train of n forces stands in the tables as CSV: "P1..Pn", or
/// "Pn..P1" reversed, the same two-part notation for one force too, so that
/// the column splits alike on every row (ImeVoza reads "P1" for one force).
inline std::string OznakaVoza(std::int32_t brojSila, bool obrnut) {
    const std::string n = std::to_string(brojSila);
    return obrnut ? "P" + n + "..P1" : "P1..P" + n;
}
