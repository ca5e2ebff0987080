// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the calculation sheet says, as data: the report layer computes the
// values and words them (report/SadrzajListeProracuna.h), the layout sets
// them on pages with the figures it draws (diagram/ListProracuna.h). It
// lives here, below both, because neither of the two may know the other.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "MerodavneVrednosti.h"
#include "PodaciZaList.h"
#include "ProracunskaDejstva.h"
#include "ProvereUnosa.h"
#include "TacnaAnvelopa.h"

/// A table as texts: one text a cell, numbers already rounded.
struct TTabelaTekstova {
    /// A heading over several neighbouring columns.
    struct TGrupa {
        std::string Naslov;
        std::size_t Od = 0;  ///< its first column
        std::size_t Broj = 0;
    };
    /// The caption above it, which the sheet numbers: "Tabela 2. " and it.
    std::string Naslov;
    /// The headings over groups of columns. Columns in no group are the
    /// row's keys (the section, the quantity): a table too wide for the
    /// page is set as one table a group, each with the keys again.
    std::vector<TGrupa> Grupe;
    /// Each column's heading, its lines split at '\n'.
    std::vector<std::string> Kolone;
    /// Columns set flush right: the numbers.
    std::vector<bool> Desno;
    std::vector<std::vector<std::string>> Redovi;
    /// Lines under the table.
    std::vector<std::string> Napomene;
};

/// The classical method's governing values beside which the exact ones
/// are set: the diagram's vertex value Mgov and maxT and minT at the
/// supports (maxT(0) = A and minT(L) = -B of the zone method).
struct TKlasicneMerodavne {
    double Mgov = 0.0;   ///< [kNm]
    double xMgov = 0.0;  ///< its section [m]
    double MaxT0 = 0.0;  ///< maxT at the left support [kN]
    double MinTL = 0.0;  ///< minT at the right support [kN]
};

struct TSadrzajListe {
    /// The data file's name as it is to be shown; empty for data in no file.
    std::string Datoteka;
    /// The day the sheet is made, as it is printed ("10.12.2026.").
    std::string Izradjeno;
    TPodaciZaList Zaglavlje;

    /// The load case, for the sketch and the figures: the texts as the
    /// form holds them (they passed both checks), the force count, the
    /// separator numbers are written with, the actions and the crossing.
    TekstoviUnosa Tekstovi = PodrazumevaniTekstovi('.');
    std::int32_t BrojSila = 2;
    char Separator = '.';
    TProracunskaDejstva Dejstva;
    TSmerVoza Smer = TSmerVoza::Napred;

    /// The governing values of the train alone, exact, which the tables
    /// word and the figures label.
    TMerodavneVrednosti Tacne;
    /// The classical ones beside them; none for a train longer than the
    /// span, which the zone method cannot take.
    std::optional<TKlasicneMerodavne> Klasicne;
    /// With the design actions off their start values: the characteristic
    /// (the train and q, every factor one) and the design ones.
    std::optional<TMerodavno> SaDejstvima;

    /// The inputs as typed, a line each: the forces, the spacings, then
    /// the span, the arbitrary section and the number of sections.
    std::vector<std::string> Sile;
    std::vector<std::string> Rastojanja;
    std::vector<std::string> Ostalo;
    /// The design actions in words.
    std::vector<std::string> OpisDejstava;
    /// The governing values: characteristic, then design.
    std::vector<TTabelaTekstova> Merodavne;
    /// The method and its assumptions, a paragraph a text.
    std::vector<std::string> Metoda;
    /// The values at the report's sections.
    std::vector<TTabelaTekstova> Tabele;
    /// The results report line for line, as the results window holds it.
    std::vector<std::string> Izvestaj;
    /// The comparison of `lastovar-cli tacno` line for line; empty unless
    /// asked for.
    std::vector<std::string> Poredjenje;
};
