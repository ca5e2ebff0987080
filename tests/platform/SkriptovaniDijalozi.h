// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "Dijalozi.h"

/// Common dialogs for tests: records each dialog with its settings and
/// answers from the script; an unscripted dialog fails the test and cancels.
class TSkriptovaniDijalozi final : public TDijalozi {
public:
    enum class Vrsta {
        Otvori,
        Snimi,
        SnimiSliku,
        Font,
        PodesiStranu,
        ProracunskeVrednosti,
        ModeliOpterecenja,
        TabelaRaspona
    };
    struct TPrikaz {
        Vrsta vrsta;
        TDijalogDatoteke podesavanja;  // file dialogs only
    };

    std::optional<QString> Otvori(const TDijalogDatoteke& dijalog) override;
    std::optional<QString> Snimi(const TDijalogDatoteke& dijalog) override;
    std::optional<QString> SnimiSliku(const TDijalogDatoteke& dijalog) override;
    std::optional<TFontIzbor> Font(const TFontIzbor& pocetni) override;
    std::optional<TPodesavanjeStrane> PodesiStranu(const TPodesavanjeStrane& trenutno) override;
    std::optional<TTekstoviDejstava> ProracunskeVrednosti(
        const TTekstoviDejstava& pocetni) override;
    std::optional<TOdlukaModela> ModeliOpterecenja(
        const std::vector<TStavkaKataloga>& katalog) override;
    std::optional<TUnosRaspona> TabelaRaspona(const std::vector<TStavkaKataloga>& katalog,
                                              const TUnosRaspona& pocetni) override;

    std::vector<TPrikaz> Prikazano;
    /// Paths for the open, save and save-picture dialogs; std::nullopt cancels.
    std::deque<std::optional<QString>> Putanje;
    std::deque<std::optional<TFontIzbor>> Fontovi;
    std::deque<std::optional<TPodesavanjeStrane>> Strane;
    /// Answers of the design actions' dialog, and what it opened with each time.
    std::deque<std::optional<TTekstoviDejstava>> Dejstva;
    std::vector<TTekstoviDejstava> PocetnaDejstva;
    /// Answers of "Modeli opterecenja", and the names it listed each time
    /// (a damaged file as "!" and its file name).
    std::deque<std::optional<TOdlukaModela>> OdlukeModela;
    std::vector<std::vector<std::string>> PrikazaniModeli;
    /// Answers of "Tabela raspona".
    std::deque<std::optional<TUnosRaspona>> Rasponi;
    /// Set: the page set-up fails with this message (no printer installed).
    std::optional<std::string> GreskaStrane;

private:
    std::optional<QString> Putanja(Vrsta vrsta, const TDijalogDatoteke& dijalog);
};
