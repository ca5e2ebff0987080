// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation sheet, as a checking engineer reads and signs it: page 1
// the title block, the load case with its sketch, the design actions, the
// governing values and the method; then the figures, the values at the
// report's sections as tables, and the report itself (with the comparison
// of `tacno` when asked) as an appendix. Every page carries the title
// block's short form and "strana N od M" in its head.
//
// The sheet is laid out here as data, in points of A4 pages (a table too
// wide for a portrait page gets landscape ones): texts, rules and the
// places of the figures, which NacrtajSlikuListe draws through our canvas.
// A small layer over Qt renders it into a PDF, and the browser page prints
// it, the same for the application, the command line and the page.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "PismaListe.h"
#include "Platno.h"
#include "SadrzajListe.h"

/// Where a text's x stands: at its left end, its right end or its middle.
enum class TPoravnanje { Levo, Desno, Sredina };

/// One line of text, its top at y and its x as `poravnanje` says.
struct TTekstListe {
    double x = 0;
    double y = 0;
    /// The font size in points.
    double velicina = 0;
    TPismoListe pismo = TPismoListe::Obicno;
    std::string tekst;  ///< UTF-8
    TPoravnanje poravnanje = TPoravnanje::Levo;
    /// The width it must stay within; a renderer whose font is wider than
    /// the widths the layout assumed narrows the line rather than cut it.
    double sirina = 0;
};

/// A straight rule, `debljina` points wide, black or light grey.
struct TLinijaListe {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double debljina = 0.5;
    bool siva = false;
};

/// A rectangle of a page in points, from its top-left corner.
struct TOkvirListe {
    double x = 0;
    double y = 0;
    double sirina = 0;
    double visina = 0;
};

/// The figures the sheet draws for itself.
enum class TVrstaSlike {
    Skica,     ///< the load case: the beam, the train with its values, the spacings and the span
    Momenti,   ///< the envelopes of M over the span, with a scale in metres and one of values
    Smicanje,  ///< the envelopes of maxT and minT likewise
    Polozaji,  ///< where the train stands for each governing value
};

/// A figure drawn on a picture of sirina x visina device units at
/// tacakaPoIncu, filling its box.
struct TSlikaListe {
    TOkvirListe okvir;
    TVrstaSlike vrsta = TVrstaSlike::Skica;
    std::int32_t sirina = 0;
    std::int32_t visina = 0;
    int tacakaPoIncu = 0;
    /// The load case and the values it labels.
    std::shared_ptr<const TSadrzajListe> sadrzaj;
};

struct TStranaListe {
    /// A landscape page, for a table too wide for a portrait one.
    bool Polozena = false;
    std::vector<TTekstListe> Tekstovi;
    std::vector<TLinijaListe> Linije;
    std::vector<TSlikaListe> Slike;

    double Sirina() const;
    double Visina() const;
};

/// The sheet as pages.
struct TListProracuna {
    /// An A4 page in points, portrait.
    static constexpr double kSirinaStrane = 595;
    static constexpr double kVisinaStrane = 842;

    /// The document's title.
    std::string Naslov;
    std::vector<TStranaListe> Strane;
};

/// The resolution the figures are drawn at: the printer's, fine enough for
/// thin lines and small labels.
inline constexpr int kTacakaPoIncuSlike = 300;
/// The document's title, followed by the data file's name when there is one.
inline constexpr const char* kNaslovListe = "Proracun extM i extT";

/// Lays the sheet out.
TListProracuna SastaviList(const TSadrzajListe& sadrzaj);

/// Draws the figure on `platno`, whose resolution is the figure's, on a
/// picture of the figure's size.
void NacrtajSlikuListe(TPlatno& platno, const TSlikaListe& slika);
