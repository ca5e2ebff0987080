// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

/// A pure RGB colour of the canvas.
struct TBoja {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend bool operator==(TBoja, TBoja) = default;
};

inline constexpr TBoja kCrna{0, 0, 0};
inline constexpr TBoja kPlava{0, 0, 255};
inline constexpr TBoja kCrvena{255, 0, 0};

/// "#RRGGBB", as the traces and the SVG write a colour.
std::string HeksBoje(TBoja b);
