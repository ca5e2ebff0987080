// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the page hands the module with every change: the form's texts as
// typed, its two counts and its switches, as a JavaScript object
//
//   { P: [6 texts], Rastojanje: [5 texts], Raspon, ProizvoljnoX,
//     BrojPreseka: text, brojSila, separator, tacnaAnvelopa, obaSmera }
//
// and the same texts back for the page to show. The desktop keeps the
// fields' texts in an 8-bit character set (Latin-1, a character beyond it
// becoming "?"), and so does the module: JavaScript's strings cross as
// UTF-8 and are converted here, a data file's bytes as a Uint8Array.

#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "ProvereUnosa.h"
#include "TacnaAnvelopa.h"

struct TUlazStrane {
    TekstoviUnosa tekstovi = PodrazumevaniTekstovi('.');
    std::int32_t brojSila = 2;
    char separator = '.';
    bool tacnaAnvelopa = false;
    TSmerVoza smer = TSmerVoza::Napred;
};

/// Reads the page's object; a missing member keeps the form's default.
TUlazStrane UlazIzJs(const emscripten::val& ulaz);

/// The texts as the page's object holds them (P, Rastojanje, Raspon,
/// ProizvoljnoX, BrojPreseka).
emscripten::val TekstoviUJs(const TekstoviUnosa& t);

/// UTF-8 text as Latin-1 bytes, each character beyond Latin-1 (or a byte
/// that is no UTF-8) a "?"; and back.
std::string Latin1IzUtf8(std::string_view utf8);
std::string Utf8IzLatin1(std::string_view latin1);

/// A byte string from a Uint8Array, and a new Uint8Array holding one.
std::string BajtoviIzJs(const emscripten::val& niz);
emscripten::val BajtoviUJs(std::string_view bajtovi);
