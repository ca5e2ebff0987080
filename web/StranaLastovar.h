// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The browser page's one object in the module: it checks the form's texts
// as "Proracun" checks them, and for the load case they give writes the
// report, draws the diagrams and "Polozaj voza" as SVG pictures, and gives
// the tables as CSV and the load case as a data file, all through the same
// core, report and diagram code as the desktop. It keeps the last load case
// that passed the checks, as the desktop's locked form does, so that a
// click, a frame of the crossing or a download needs nothing new from the
// page.

#include <emscripten/val.h>

#include <optional>
#include <string>

#include "OkvirDijagrama.h"
#include "UlazStrane.h"

class TStranaLastovar {
public:
    /// Checks the page's inputs. Refused: { poruka, polja } with the
    /// checks' message and the controls at fault (for texts that are not
    /// numbers every such text's control, for values the first refused
    /// one), the last accepted load case kept. Accepted: { poruka: "",
    /// polja: [], x, raspon, izvestaj, svg, upozorenje, presekUpozorenja }:
    /// the arbitrary section and the span as converted, the report's lines
    /// each ended by LF, the diagrams in the screen style on a
    /// sirina x visina picture, the status line of the classical method's
    /// shortfall and the section of the largest one.
    emscripten::val Racunaj(const emscripten::val& ulaz, int sirina, int visina);

    /// The diagrams of the accepted load case again, in the screen style
    /// or in the print style with the initial print parameters.
    std::string Dijagram(bool stampa, int sirina, int visina) const;

    /// The section a click at the column `kolona` of the last screen
    /// drawing asks for; null beside the span.
    emscripten::val PresekKlika(int kolona) const;

    /// The crossing at the section x: { Od, Do, obrnut }, P1's first and
    /// last abscissa and whether the frames show the train as Pn..P1.
    emscripten::val Prelaz(double x) const;

    /// "Polozaj voza" at the section x: the critical positions, or with a
    /// number `p1` the frame of the crossing with P1 there.
    std::string Polozaj(double x, const emscripten::val& p1, int sirina, int visina) const;

    /// The calculation sheet of the accepted load case, as the desktop's
    /// PDF lays it out: { naslov, strane: [{ tekstovi: [{ x, y, velicina,
    /// pismo, tekst, desno, sirina }], dijagram: { x, y, sirina, visina,
    /// svg } }] }, positions and sizes in points of an A4 page, `pismo`
    /// one of "naslov", "obicno", "podebljano", "nepromenljivo".
    emscripten::val List(const std::string& datoteka, const std::string& datum) const;

    /// The tables as CSV: the report's, or with the exact envelope on the
    /// comparison in the page's orientation.
    std::string Csv() const;

private:
    const TUlazStrane& Prihvaceno() const;

    std::optional<TUlazStrane> fUlaz;
    TOkvirDijagrama fOkvir;
};

/// The form's default texts and counts, the page's object.
emscripten::val PodrazumevaniUlaz(const std::string& separator);

/// The page's inputs as a data file's bytes (a Uint8Array), then the bytes
/// of `ostatak` (a Uint8Array, or undefined) unchanged.
emscripten::val ZapisiDatotekuStrane(const emscripten::val& ulaz, const emscripten::val& ostatak);

/// A data file's bytes (a Uint8Array) read as "Otvori..." reads them:
/// { tekstovi, brojSila, brojPreseka, ostatak } with the bytes after the
/// fifteenth line in `ostatak`, or { greska } with the message of a count
/// that is not an integer.
emscripten::val ProcitajDatotekuStrane(const emscripten::val& bajtovi,
                                       const std::string& separator);
