// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's JavaScript sees of the module.
#include <emscripten/bind.h>

#include "StranaLastovar.h"

EMSCRIPTEN_BINDINGS(lastovar) {
    emscripten::class_<TStranaLastovar>("StranaLastovar")
        .constructor<>()
        .function("Racunaj", &TStranaLastovar::Racunaj)
        .function("Dijagram", &TStranaLastovar::Dijagram)
        .function("PresekKlika", &TStranaLastovar::PresekKlika)
        .function("Prelaz", &TStranaLastovar::Prelaz)
        .function("Polozaj", &TStranaLastovar::Polozaj)
        .function("List", &TStranaLastovar::List)
        .function("Merodavne", &TStranaLastovar::Merodavne)
        .function("Csv", &TStranaLastovar::Csv);
    emscripten::function("PodrazumevaniUlaz", &PodrazumevaniUlaz);
    emscripten::function("ZapisiDatoteku", &ZapisiDatotekuStrane);
    emscripten::function("ProcitajDatoteku", &ProcitajDatotekuStrane);
}
