// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <variant>

/// The size of the printed drawing in printer dots.
struct TVelicinaCrteza {
    std::int32_t Sirina;
    std::int32_t Visina;
};

/// Why a scaling factor gives no drawing.
enum class TNeupotrebljivFaktor {
    /// Zero, negative or not a number.
    NijePozitivan,
    /// The drawing would be 400 dots wide or less, where the frame of the
    /// diagrams vanishes.
    Preveliki,
    /// The drawing would not fit the canvas's 32-bit coordinates.
    Premali,
};

/// W = PW / F and H = PH / (0.8 F), halves to the even integer, for the
/// paper's width and height in hundredths of a millimetre and the scaling
/// factor F; or why F gives no drawing.
std::variant<TVelicinaCrteza, TNeupotrebljivFaktor> VelicinaCrteza(int sirinaPapira,
                                                                   int visinaPapira,
                                                                   double faktorSkaliranja);

inline constexpr std::int32_t kNajuziCrtez = 400;
