// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The title block of the calculation sheet: what the calculation is of and
// who made and checked it. It is kept with the load case in the data
// file's block after the fifteen lines (DodatakDatoteke.h), entered in the
// dialog "Podaci za list..." or on the command line, and printed on the
// sheet's first page and, short, in the head of every page.

#include <string>
#include <string_view>

/// The fields as UTF-8 texts; an empty one is a line to fill by hand.
struct TPodaciZaList {
    std::string Projekat;
    std::string Element;  ///< the structure or its element
    std::string Autor;
    std::string Kontrolisao;
    std::string Revizija;
    std::string Datum;

    bool operator==(const TPodaciZaList&) const = default;
};

/// A field as it is kept: every control character (a line end among them)
/// a blank and the blanks at either end dropped, so that it stays one line
/// of the file and of the sheet.
std::string OcistiPolje(std::string_view tekst);
