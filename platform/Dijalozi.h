// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "KatalogModela.h"
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
    /// "Modeli opterecenja": the catalog listed; the model chosen or the
    /// file the user asked to delete.
    virtual std::optional<TOdlukaModela> ModeliOpterecenja(
        const std::vector<TStavkaKataloga>& katalog) = 0;
    /// "Tabela raspona": a readable model of the catalog and the spans,
    /// opening on `pocetni`; the texts unchecked.
    virtual std::optional<TUnosRaspona> TabelaRaspona(const std::vector<TStavkaKataloga>& katalog,
                                                      const TUnosRaspona& pocetni) = 0;
};
