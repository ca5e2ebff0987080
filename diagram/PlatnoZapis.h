// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Platno.h"

/// One drawing operation as the recording canvas keeps it.
struct TOperacija {
    enum class Vrsta { Popuna, Linija, Tekst, Poligon };
    Vrsta vrsta;
    int x1, y1;          // Popuna: top-left; Linija: from; Tekst: the point
    int x2 = 0, y2 = 0;  // Popuna: bottom-right; Linija: to
    TOlovka olovka;      // Linija
    TBoja boja;          // Tekst: the font's colour; Poligon: its fill
    int velicina = 0;    // Tekst: the font's size figure
    std::string tekst;
    std::vector<TTacka> temena;  // Poligon
    std::optional<TFont> font;   // Tekst
};

/// A canvas that draws nothing and keeps what it was asked to draw: the
/// trace of `lastovar-cli dijagram --zapis` and the fixture of the drawing's
/// tests.
class TPlatnoZapis : public TPlatno {
public:
    explicit TPlatnoZapis(TFont font, int tacakaPoIncu = 96);

    /// Whether Zapis names the font of the texts.
    bool SaFontovima = false;

    void PopuniPozadinu(int levo, int gore, int desno, int dole) override;
    void PomeriNa(int x, int y) override;
    void LinijaDo(int x, int y) override;
    void Tekst(int x, int y, const std::string& tekst) override;
    void PopuniPoligon(const std::vector<TTacka>& temena, TBoja boja) override;

    const std::vector<TOperacija>& Operacije() const { return fOperacije; }

    /// The trace, one line each: "olovka #RRGGBB W" before a line whose pen
    /// differs from the previous line's (and before the first),
    /// "linija X1 Y1 X2 Y2", "tekst X Y #RRGGBB "TEXT"" and "poligon #RRGGBB
    /// X1 Y1 X2 Y2 ..." (a filled polygon, its vertices in order). Clearings
    /// and pen or font changes are not written, except with SaFontovima a
    /// line "font N px" or "font N pt" (a cell height in pixels or a size in
    /// points), followed by " podebljan" for bold, before a text whose font
    /// differs from the previous text's in size or style (and before the
    /// first).
    std::string Zapis() const;

private:
    std::vector<TOperacija> fOperacije;
    int fX = 0;
    int fY = 0;
};
