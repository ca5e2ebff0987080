// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstddef>

/// What an open, save or save-picture dialog is set to before it is shown.
struct TDijalogDatoteke {
    QString Naslov;
    /// Pairs of description and pattern separated by '|':
    /// "Lastovar datoteka|*.Lastovar" or "A|*.a|B|*.b"; the first is preselected.
    QString Filter;
    /// ".ext" added to a name typed without one; empty takes the selected filter's.
    QString PodrazumevanaEkstenzija;
    QString PocetnoIme;
    bool PitajPrePrepisivanja = false;
};

/// What the user asked of the dialog "Modeli opterecenja": to choose the
/// model of the catalog's index, or to delete its file.
struct TOdlukaModela {
    enum class TRadnja { Izaberi, Obrisi };
    TRadnja Radnja = TRadnja::Izaberi;
    std::size_t Indeks = 0;
};

/// The dialog "Tabela raspona": the catalog's index of the model and the
/// spans from, to and the step as typed.
struct TUnosRaspona {
    std::size_t Indeks = 0;
    QString Od, Do, Korak;
};

/// A font as the font dialog chooses it: face, size, style and colour.
struct TFontIzbor {
    QFont Font;
    QColor Boja = Qt::black;
};

/// The printer and paper that the page set-up dialog chooses; the paper in
/// hundredths of a millimetre.
struct TPodesavanjeStrane {
    QString Stampac;
    int SirinaPapira = 21000;
    int VisinaPapira = 29700;
};
