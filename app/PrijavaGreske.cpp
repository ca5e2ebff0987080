// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrijavaGreske.h"

#include <QString>
#include <exception>

#include "Poruke.h"

void IzvrsiKomandu(TPoruke& poruke, const std::function<void()>& komanda) {
    try {
        komanda();
    } catch (const std::exception& e) {
        poruke.Greska(QString::fromStdString(e.what()));
    }
}
