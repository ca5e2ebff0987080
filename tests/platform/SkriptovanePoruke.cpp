// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkriptovanePoruke.h"

#include <gtest/gtest.h>

void TSkriptovanePoruke::Greska(const QString& tekst) {
    Prikazano.push_back({Vrsta::Greska, tekst, {}, {}});
}

void TSkriptovanePoruke::Informacija(const QString& tekst) {
    Prikazano.push_back({Vrsta::Informacija, tekst, {}, {}});
}

bool TSkriptovanePoruke::Potvrda(const QString& tekst) {
    Prikazano.push_back({Vrsta::Potvrda, tekst, {}, {}});
    if (OdgovoriNaPotvrde.empty()) {
        ADD_FAILURE() << "unscripted confirmation: " << tekst.toStdString();
        return false;
    }
    const bool odgovor = OdgovoriNaPotvrde.front();
    OdgovoriNaPotvrde.pop_front();
    return odgovor;
}

QString TSkriptovanePoruke::Unos(const QString& naslov, const QString& upit,
                                 const QString& pocetni) {
    Prikazano.push_back({Vrsta::Unos, upit, naslov, pocetni});
    if (OdgovoriNaUnos.empty()) {
        ADD_FAILURE() << "unscripted input box: " << naslov.toStdString();
        return pocetni;
    }
    const std::optional<QString> odgovor = OdgovoriNaUnos.front();
    OdgovoriNaUnos.pop_front();
    return odgovor.value_or(pocetni);
}
