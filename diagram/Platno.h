// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "Font.h"
#include "MereTeksta.h"
#include "Olovka.h"

/// A point in device units.
struct TTacka {
    int x = 0;
    int y = 0;

    friend bool operator==(TTacka, TTacka) = default;
};

/// The surface the diagrams are drawn on, in integer device units with x to
/// the right and y downward. The pen and the font are state of the canvas:
/// they stay as the last drawing left them, which the next drawing on the
/// same canvas depends on.
class TPlatno {
public:
    TPlatno(int tacakaPoIncu, TFont font);
    virtual ~TPlatno() = default;
    TPlatno(const TPlatno&) = delete;
    TPlatno& operator=(const TPlatno&) = delete;

    int TacakaPoIncu() const { return fTacakaPoIncu; }

    TOlovka& Olovka() { return fOlovka; }
    const TOlovka& Olovka() const { return fOlovka; }
    TFont& Font() { return fFont; }
    const TFont& Font() const { return fFont; }
    /// The current font's size figure on this canvas.
    int VelicinaFonta() const { return fFont.Velicina(fTacakaPoIncu); }

    /// Fills the rectangle from (levo, gore) up to but excluding (desno,
    /// dole) with the background brush, solid white.
    virtual void PopuniPozadinu(int levo, int gore, int desno, int dole) = 0;
    virtual void PomeriNa(int x, int y) = 0;
    /// A line with the current pen from the current point to (x, y), which
    /// becomes the current point.
    virtual void LinijaDo(int x, int y) = 0;
    /// The text in the current font and its colour, its top-left corner at
    /// (x, y), on the background brush.
    virtual void Tekst(int x, int y, const std::string& tekst) = 0;
    /// The box Tekst fills with the text in the current font. A canvas
    /// that draws nothing measures as MereTeksta does.
    virtual TVelicinaTeksta VelicinaTeksta(const std::string& tekst);
    /// Fills the polygon through `temena`, in order and closed, with the
    /// colour, without an outline; neither the pen nor the current point
    /// changes.
    virtual void PopuniPoligon(const std::vector<TTacka>& temena, TBoja boja) = 0;

private:
    int fTacakaPoIncu;
    TOlovka fOlovka;
    TFont fFont;
};
