// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sets the sheet's texts, rules and figures down its pages, from the top
// of the text area to its foot, breaking to a new page (of the same
// orientation, unless asked for another) where the next piece would not
// fit.

#include <string>
#include <vector>

#include "ListProracuna.h"

/// The margins of every page and the band its head stands in, in points.
inline constexpr double kMarginaListe = 45;
inline constexpr double kVrhTeksta = 50;
inline constexpr double kDnoMargina = 45;
/// The line height, in font sizes.
inline constexpr double kProredListe = 1.25;

class TSlagac {
public:
    TSlagac() { NovaStrana(false); }

    void NovaStrana(bool polozena);
    TStranaListe& Strana() { return fStrane.back(); }
    std::size_t BrojStrane() const { return fStrane.size(); }
    bool Polozena() const { return fStrane.back().Polozena; }

    double Levo() const { return kMarginaListe; }
    double Desno() const { return Strana().Sirina() - kMarginaListe; }
    double SirinaTeksta() const { return Desno() - Levo(); }
    double Dno() const { return Strana().Visina() - kDnoMargina; }
    /// Room for `visina` more below y, or a new page of the same orientation.
    /// Answers whether a page was begun.
    bool Mesto(double visina);

    /// A line at y, then y below it.
    void Tekst(double x, double velicina, TPismoListe pismo, std::string tekst, double sirina,
               TPoravnanje poravnanje = TPoravnanje::Levo);
    /// A text at (x, y) that takes no room of the flow.
    void TekstNa(double x, double y, double velicina, TPismoListe pismo, std::string tekst,
                 double sirina, TPoravnanje poravnanje = TPoravnanje::Levo);
    void Linija(double x1, double y1, double x2, double y2, double debljina = 0.5,
                bool siva = false);
    /// A numbered heading with the space around it, kept with `iza` points
    /// of what follows it.
    void Naslov(const std::string& tekst, double iza);
    /// A paragraph of words across the text's width.
    void Pasus(const std::string& tekst, double velicina);

    std::vector<TStranaListe> Strane() && { return std::move(fStrane); }

    double y = kVrhTeksta;

private:
    const TStranaListe& Strana() const { return fStrane.back(); }

    std::vector<TStranaListe> fStrane;
};
