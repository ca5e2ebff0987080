// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Labels that never collide: a canvas over another that keeps in mind every
// line and text drawn through it, so that a label can be put where it
// overlaps no other text, crosses no line but its own and stays within its
// part of the picture, or be left out where no such place is.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Platno.h"

/// A rectangle of the picture, from (levo, gore) up to but excluding
/// (desno, dole).
struct TOkvir {
    int levo = 0;
    int gore = 0;
    int desno = 0;
    int dole = 0;

    int Sirina() const { return desno - levo; }
    int Visina() const { return dole - gore; }
    bool Sece(const TOkvir& o) const {
        return levo < o.desno && o.levo < desno && gore < o.dole && o.gore < dole;
    }
    bool Sadrzi(const TOkvir& o) const {
        return levo <= o.levo && o.desno <= desno && gore <= o.gore && o.dole <= dole;
    }
    /// Grown by d on every side.
    TOkvir Prosiren(int d) const { return {levo - d, gore - d, desno + d, dole + d}; }
};

/// Labels of widths `sirine` set in one row within [levo, desno], in the
/// order of their anchors `sidra` (ascending), `razmak` apart: each as near
/// its anchor as the others leave room for (a run of labels that would
/// overlap is set side by side, centred on its anchors as a whole). Gives
/// back each label's left edge; a row wider than desno - levo overruns desno.
std::vector<int> RasporediURed(const std::vector<int>& sirine, const std::vector<int>& sidra,
                               int razmak, int levo, int desno);

/// Whether the segment from (x1, y1) to (x2, y2) enters the rectangle.
bool DuzSeceOkvir(int x1, int y1, int x2, int y2, const TOkvir& o);

class TPlatnoNatpisa final : public TPlatno {
public:
    /// Draws on `platno`, whose picture is `slika`.
    TPlatnoNatpisa(TPlatno& platno, TOkvir slika);

    void PopuniPozadinu(int levo, int gore, int desno, int dole) override;
    void PomeriNa(int x, int y) override;
    void LinijaDo(int x, int y) override;
    void Tekst(int x, int y, const std::string& tekst) override;
    void PopuniPoligon(const std::vector<TTacka>& temena, TBoja boja) override;
    TVelicinaTeksta VelicinaTeksta(const std::string& tekst) override;

    const TOkvir& Slika() const { return fSlika; }
    /// A new label's number, for the lines that belong to it.
    int NoviVlasnik() { return ++fPoslednjiVlasnik; }
    /// The label the lines drawn from now on belong to; 0: to none.
    int Vlasnik = 0;

    /// The box of the text written with its top-left corner at (x, y) in
    /// the current font.
    TOkvir Okvir(int x, int y, const std::string& tekst);
    /// Whether a text may take the box: within `granice` and the picture,
    /// clear of every text (kRazmak above and below, a third of its height
    /// beside) and every box kept clear, and crossed by no line but those of
    /// `vlasnik`.
    bool Slobodno(const TOkvir& okvir, const TOkvir& granice, int vlasnik = 0) const;
    /// Whether a line drawn from (x1, y1) to (x2, y2) would keep clear of
    /// every text but the box `osim` (the label it leads from).
    bool DuzSlobodna(int x1, int y1, int x2, int y2, const TOkvir& osim) const;
    /// Keeps the box clear of the labels placed from now on (Slobodno);
    /// their leaders may cross it.
    void ZauzmiZaNatpise(const TOkvir& okvir) { fZauzeto.push_back(okvir); }
    /// Writes the text at the first of the top-left corners where its box
    /// is free (Slobodno); gives back that box, or nothing, having written
    /// nothing, where none is.
    std::optional<TOkvir> Natpis(const std::vector<TTacka>& mesta, const std::string& tekst,
                                 const TOkvir& granice, int vlasnik = 0);

    /// The gap kept between two texts and between a text and a line.
    static constexpr int kRazmak = 2;

private:
    struct TDuz {
        int x1, y1, x2, y2;
        int debljina;
        int vlasnik;
    };
    /// The grid's column or row of a coordinate.
    int Cel(int v) const;
    /// The grid's cell of (cx, cy), held within the picture's cells.
    std::size_t Celija(int cx, int cy) const;

    TPlatno& fPlatno;
    TOkvir fSlika;
    int fX = 0;
    int fY = 0;
    int fPoslednjiVlasnik = 0;
    std::vector<TOkvir> fTekstovi;
    std::vector<TOkvir> fZauzeto;
    std::vector<TDuz> fDuzi;
    // The lines by the cells of a grid over the picture they pass, so that
    // a label's place is tested against the few near it: a curve is a line
    // a column.
    int fCelija = 32;
    int fKolona = 1;
    int fRedova = 1;
    std::vector<std::vector<std::size_t>> fMreza;
    // Which lines a test has met already: the test's number for each.
    mutable std::vector<std::uint32_t> fProvera;
    mutable std::uint32_t fBrojProvere = 0;
};
