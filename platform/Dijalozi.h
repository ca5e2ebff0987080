// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "PodesavanjaDijaloga.h"
#include "ProracunskaDejstva.h"

/// The common dialogs. Each answers std::nullopt when the user cancels.
class TDijalozi {
public:
    virtual ~TDijalozi() = default;

    virtual std::optional<QString> Otvori(const TDijalogDatoteke& dijalog) = 0;
    virtual std::optional<QString> Snimi(const TDijalogDatoteke& dijalog) = 0;
    virtual std::optional<QString> SnimiSliku(const TDijalogDatoteke& dijalog) = 0;
    virtual std::optional<TFontIzbor> Font(const TFontIzbor& pocetni) = 0;
    /// The printer among the installed ones and its paper, with margins of
    /// 10 mm that the user cannot edit; throws EGreskaStampe when no printer
    /// is installed.
    virtual std::optional<TPodesavanjeStrane> PodesiStranu(const TPodesavanjeStrane& trenutno) = 0;
    /// The design actions' dialog, opening on `pocetni`; the texts as the
    /// user confirmed them, unchecked.
    virtual std::optional<TTekstoviDejstava> ProracunskeVrednosti(
        const TTekstoviDejstava& pocetni) = 0;
};
