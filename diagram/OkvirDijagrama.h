// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "Prosireno.h"

/// What a drawing put on its canvas.
enum class TSadrzajCrteza {
    Nista,      ///< nothing: a window without a client area
    Okvir,      ///< the reference lines and captions only: no train, or no room for the span
    Dijagrami,  ///< the envelopes as well, on the scales of the frame
};

/// The frame of one drawing: the style, the picture size, the two reference
/// lines, the horizontal and vertical scales and the label offsets. The
/// drawing gives it back, so that a caller can map a device column of the
/// picture to a section of the beam and back.
struct TOkvirDijagrama {
    TSadrzajCrteza sadrzaj = TSadrzajCrteza::Nista;
    bool stampa = false;
    double W = 0;
    double H = 0;
    /// The span's ends on the reference lines.
    std::int32_t x0 = 0;
    std::int32_t x1 = 0;
    /// The extM reference line.
    std::int32_t y0 = 0;
    /// The extT reference line.
    std::int32_t y1 = 0;
    /// The span L the picture spans [m].
    double L = 0;
    /// Metres per device unit: the span over x1 - x0; 0 without room.
    double s = 0;
    /// Device units per kNm, downward from y0; set with the diagrams.
    Prosireno kM = 0;
    /// Device units per kN, from y1 with the calculator's signs; set with the diagrams.
    Prosireno kT = 0;
    /// Offset of the value labels from their points.
    double toff = 0;
    /// Left shift of the minT labels at the jumps.
    std::int32_t ds = 0;

    /// A frame that drew nothing.
    TOkvirDijagrama() = default;
    /// The reference lines and the horizontal scale of a W x H picture of
    /// the span `raspon`.
    TOkvirDijagrama(bool stampa, double W, double H, double raspon);

    /// Width in device units that the span is drawn across.
    std::int64_t Sirina() const { return static_cast<std::int64_t>(x1) - x0; }

    /// The section of sample i (0..Sirina()) of the curves, X = i*s, held at
    /// the span where rounding alone carries it past.
    double Uzorak(std::int64_t i) const;
    /// The section drawn at the device column `kolona`: the sample of that
    /// column, a column left of x0 or right of x1 taken at its end. Defined
    /// where the frame holds diagrams.
    double Presek(std::int64_t kolona) const;
    /// The section a click at the device column `kolona` asks for: a click
    /// up to 5 columns beside the span is meant for its end. None farther
    /// off, or where the frame holds no diagrams.
    std::optional<double> PresekKlika(std::int64_t kolona) const;
    /// The device column px(X) = round(X/s + x0) of the section X, halves to
    /// even. Defined where the frame holds diagrams.
    std::int32_t Kolona(double X) const;
};
