// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

/// The frame of one drawing: the style, the picture size, the two reference
/// lines, the horizontal scale and the label offsets.
struct TOkvirDijagrama {
    bool stampa;
    double W;
    double H;
    std::int32_t x0;
    std::int32_t x1;
    std::int32_t y0;
    std::int32_t y1;
    /// Metres per device unit: the span over x1 - x0; 0 without room.
    double s;
    /// Offset of the value labels from their points.
    double toff = 0;
    /// Left shift of the minT labels at the jumps.
    std::int32_t ds = 0;

    /// The reference lines and the scale of a W x H picture.
    TOkvirDijagrama(bool stampa, double W, double H, double raspon);

    /// Width in device units that the span is drawn across.
    std::int64_t Sirina() const { return static_cast<std::int64_t>(x1) - x0; }
};
