// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "Platno.h"

/// The picture formats a drawing can be saved in.
enum class TFormatSlike { Png, Pdf, Svg };

/// The format the path's extension names (.png, .pdf or .svg, in any case),
/// or none.
std::optional<TFormatSlike> FormatSlike(std::string_view putanja);

/// Draws a sirina x visina picture on white at 96 dots per inch and saves
/// it to `putanja` (bytes, as the system names files) in the format its
/// extension names: .png, .pdf (one page of the picture's size) or .svg.
/// The canvas starts with `font`. The picture is made in memory and saved
/// all or nothing, so a failure leaves the file that was there as it was.
/// Throws EGreskaFajla naming the path and the reason: before drawing for
/// another extension, and when the picture cannot be made or saved, memory
/// running out among the reasons.
void NacrtajUDatoteku(const std::string& putanja, int sirina, int visina, TFont font,
                      const std::function<void(TPlatno&)>& crtaj);
