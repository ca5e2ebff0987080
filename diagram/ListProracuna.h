// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation sheet: the whole calculation on numbered A4 pages, as an
// engineer hands it in. Page 1 holds a title, the data file, the date, the
// inputs as typed beside the beam sketch, and the diagrams in the print
// style across the page; then come the report line for line, and with the
// exact envelope its comparison table and the absolute maximum. The sheet is
// composed here as data (texts, the sketch's place, the diagram's place and
// inputs), in points of a portrait A4 page; a small layer over Qt renders
// it into a PDF, the same for the application and the command line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "OkvirDijagrama.h"
#include "Platno.h"
#include "UlazDijagrama.h"

/// What the sheet shows.
struct TSadrzajListe {
    /// The data file's name as it is to be shown; empty for data in no file.
    std::string Datoteka;
    /// The day the sheet is made, as it is printed ("10.12.2026.").
    std::string Datum;
    /// The diagrams' inputs in the print style: the input texts and the
    /// force count (which page 1 lists as typed), the separator, the print
    /// font and text shift factor, and whether the exact envelopes are drawn.
    TUlazDijagrama Dijagram;
    /// The report's lines, as the results window holds them.
    std::vector<std::string> Izvestaj;
    /// The classical envelope beside the exact one: the comparison table
    /// with the critical positions, ending with the absolute maximum. Empty
    /// while the exact envelope is off.
    std::vector<std::string> TacnaAnvelopa;
};

/// The typefaces of the sheet: a sans serif for headings, a fixed width
/// one for every line of numbers, so that a line's width is known here.
enum class TPismoListe { Naslov, Obicno, Podebljano, Nepromenljivo };

/// Where a text's x stands: at its left or at its right end.
enum class TPoravnanje { Levo, Desno };

/// One line of text, its top-left corner (or top-right) at (x, y).
struct TTekstListe {
    double x = 0;
    double y = 0;
    /// The font size in points.
    double velicina = 0;
    TPismoListe pismo = TPismoListe::Obicno;
    std::string tekst;
    TPoravnanje poravnanje = TPoravnanje::Levo;
    /// The width it must stay within; a renderer whose font is wider than
    /// the one assumed here narrows the line rather than cut it.
    double sirina = 0;
};

/// A rectangle of a page in points, from its top-left corner.
struct TOkvirListe {
    double x = 0;
    double y = 0;
    double sirina = 0;
    double visina = 0;
};

/// The beam sketch for the force count, fitted into its box with its
/// proportions kept.
struct TSkicaListe {
    TOkvirListe okvir;
    std::int32_t brojSila = 0;
};

/// The diagrams, drawn in the print style on a picture of sirina x visina
/// device units at tacakaPoIncu that fills the box.
struct TDijagramListe {
    TOkvirListe okvir;
    std::int32_t sirina = 0;
    std::int32_t visina = 0;
    int tacakaPoIncu = 0;
    TUlazDijagrama ulaz;
};

struct TStranaListe {
    std::vector<TTekstListe> Tekstovi;
    std::optional<TSkicaListe> Skica;
    std::optional<TDijagramListe> Dijagram;
};

/// The sheet as pages.
struct TListProracuna {
    /// The page size in points: A4 portrait.
    static constexpr double kSirinaStrane = 595;
    static constexpr double kVisinaStrane = 842;

    /// The document's title.
    std::string Naslov;
    std::vector<TStranaListe> Strane;
};

/// The width of one character of the fixed width typeface, in font sizes.
inline constexpr double kSirinaZnaka = 0.6;
/// The resolution the diagrams are drawn at: the printer's, so that the
/// print font and the text shift factor give the printed page's proportions.
inline constexpr int kTacakaPoIncuDijagrama = 300;
/// The document's title, followed by the data file's name when there is one.
inline constexpr const char* kNaslovListe = "Proracun extM i extT";

/// Lays the sheet out: every page with "strana N od M" at its foot. Long
/// lines are set smaller, down to a size still legible; a line longer
/// than that allows goes on over as many lines as it needs, never cut.
TListProracuna SastaviList(const TSadrzajListe& sadrzaj);

/// Draws the sheet's diagrams on `platno`, whose resolution is the
/// diagram's: NacrtajDijagrame in the print style on a picture of the
/// diagram's size, which stands for the window too. Gives back its frame.
TOkvirDijagrama NacrtajDijagramListe(TPlatno& platno, const TDijagramListe& dijagram);
