// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "Platno.h"

/// A picture file that cannot be written; what() says which and why.
class EGreskaSlike : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Draws a sirina x visina picture on white at 96 dots per inch and writes
/// it to `putanja`, in the format its extension names: .png, .pdf (one page
/// of the picture's size) or .svg. The canvas starts with `font`.
/// Throws EGreskaSlike, before drawing, for another extension or a file
/// that cannot be created, and when the picture cannot be written.
void NacrtajUDatoteku(const std::string& putanja, int sirina, int visina, TFont font,
                      const std::function<void(TPlatno&)>& crtaj);
