// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dijalozi.h"

class QWidget;

/// The common dialogs as Qt's file, font and page set-up dialogs.
class TQtDijalozi final : public TDijalozi {
public:
    explicit TQtDijalozi(QWidget* roditelj = nullptr) : fRoditelj(roditelj) {}
    void PostaviRoditelja(QWidget* roditelj) { fRoditelj = roditelj; }

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

private:
    std::optional<QString> Datoteka(const TDijalogDatoteke& dijalog, bool snimanje);

    QWidget* fRoditelj;
};
