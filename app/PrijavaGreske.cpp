// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrijavaGreske.h"

#include <new>
#include <stdexcept>

#include "Poruke.h"

namespace {

const char* const kNemaMemorije = "Komanda nije izvrsena: nema dovoljno memorije.";
const char* const kUnutrasnjaGreska = "Komanda nije izvrsena zbog unutrasnje greske programa.";

}  // namespace

QString TekstGreske(const std::exception& e) {
    // The library's own exceptions say only what they are ("std::bad_alloc")
    // or speak of its insides ("vector::_M_range_check").
    if (dynamic_cast<const std::bad_alloc*>(&e)) return QString::fromLatin1(kNemaMemorije);
    if (dynamic_cast<const std::runtime_error*>(&e)) return QString::fromStdString(e.what());
    return QString::fromLatin1(kUnutrasnjaGreska);
}

void IzvrsiKomandu(TPoruke& poruke, const std::function<void()>& komanda) {
    try {
        komanda();
    } catch (const std::exception& e) {
        poruke.Greska(TekstGreske(e));
    } catch (...) {
        poruke.Greska(QString::fromLatin1(kUnutrasnjaGreska));
    }
}
