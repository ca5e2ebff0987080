// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "Poruke.h"

/// Modal boxes for tests: records every box shown and answers from the
/// script; an unscripted question fails the test and answers No / cancel.
class TSkriptovanePoruke final : public TPoruke {
public:
    enum class Vrsta { Greska, Informacija, Potvrda, Unos };
    struct TPrikaz {
        Vrsta vrsta;
        QString tekst;
        QString naslov;  // input boxes only
        QString pocetni;
    };

    void Greska(const QString& tekst) override;
    void Informacija(const QString& tekst) override;
    bool Potvrda(const QString& tekst) override;
    QString Unos(const QString& naslov, const QString& upit, const QString& pocetni) override;

    std::vector<TPrikaz> Prikazano;
    std::deque<bool> OdgovoriNaPotvrde;
    /// std::nullopt: the user cancels.
    std::deque<std::optional<QString>> OdgovoriNaUnos;
};
