// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The envelope diagrams of one calculation: extM above, extT (maxT and minT)
// below, drawn to a given picture size on any canvas. The input form asks
// for them after a calculation and the diagram window on every repaint
// while the inputs are locked, both with the target "za program"; the print
// command asks with the printer's canvas and "za stampac". The drawing keeps
// nothing between calls: it converts the input texts and recomputes the
// envelopes from the calculator every time.

#include <cstdint>
#include <string_view>

#include "OkvirDijagrama.h"
#include "Platno.h"
#include "UlazDijagrama.h"

/// The target of the screen style; any other target draws in the print style.
inline constexpr std::string_view kZaProgram = "za program";
inline constexpr std::string_view kZaStampac = "za stampac";

/// Clears the diagram window, then draws both diagrams on `Canvas` in a
/// picture of Width x Height device units. A text that does not convert
/// raises EGreskaKonverzije after the clearing, before anything is drawn.
/// A window with an empty client area gets no screen drawing; the print
/// style then takes Width and Height as they are.
///
/// Gives back the frame it drew in, with its scales: TSadrzajCrteza::Nista
/// for no screen drawing, Okvir where only the reference lines and captions
/// were drawn (a force count outside 1..6, a train longer than the span,
/// which has no classical envelope, or no room for the span), and
/// Dijagrami where its columns map to sections and back.
TOkvirDijagrama NacrtajDijagrame(TPlatno& Canvas, std::int32_t Width, std::int32_t Height,
                                 std::string_view Target, const TProzorDijagrama& prozor,
                                 const TUlazDijagrama& ulaz);

/// The frame's two reference lines, black, 8 units wide in the print style
/// and 4 on the screen.
void NacrtajReferentneLinije(TPlatno& platno, const TOkvirDijagrama& okvir);

/// The frame's four captions "extM[kNm]", "extT[kN]", "maxT[kN]" and
/// "minT[kN]": bold black 12 points on the screen, the print font on paper.
void NacrtajNatpise(TPlatno& platno, const TOkvirDijagrama& okvir, const TFont& fontStampe);
