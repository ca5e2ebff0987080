// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Platno.h"

/// A canvas that writes what it is asked to draw as an SVG picture, for the
/// browser edition: every line, text and polygon of the recording canvas at
/// the same device coordinates. Consecutive lines with one pen make one
/// path, a subpath for each run of lines that continue one another,
/// round-capped and round-joined as the screen draws them (one element in
/// place of many is what keeps the browser's layout and paint short); a text stands with its
/// top-left corner at its point on a white halo, in the canvas's sans serif (or a face with its
/// widths), its size in pixels as the screen gives it.
class TPlatnoSvg : public TPlatno {
public:
    TPlatnoSvg(int sirina, int visina, TFont font, int tacakaPoIncu = 96);

    void PopuniPozadinu(int levo, int gore, int desno, int dole) override;
    void PomeriNa(int x, int y) override;
    void LinijaDo(int x, int y) override;
    void Tekst(int x, int y, const std::string& tekst) override;
    void PopuniPoligon(const std::vector<TTacka>& temena, TBoja boja) override;

    /// The picture so far, a whole SVG document, named `naziv` for
    /// assistive technology (role img, its title).
    std::string Svg(std::string_view naziv);

private:
    void ZavrsiNiz();
    /// The font's size in pixels on this canvas.
    int Piksela() const;

    int fSirina;
    int fVisina;
    std::string fTelo;
    /// A path is open in fTelo with this pen; fKraj ends its last subpath.
    bool fOtvorenNiz = false;
    TOlovka fOlovkaNiza;
    TTacka fKraj;
    TTacka fTacka;
};
