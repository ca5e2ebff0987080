// SPDX-License-Identifier: GPL-3.0-or-later
#include "UlazStrane.h"

#include <algorithm>
#include <string>

#include "DejstvaStrane.h"

using emscripten::val;

namespace {

void Tekst(const val& objekat, const char* ime, std::string& cilj) {
    const val v = objekat[ime];
    if (v.isString()) cilj = Latin1IzUtf8(v.as<std::string>());
}

template <std::size_t N>
void Tekstovi(const val& objekat, const char* ime, std::array<std::string, N>& cilj) {
    const val niz = objekat[ime];
    if (!niz.isArray()) return;
    for (std::size_t i = 0; i < N && i < niz["length"].as<std::size_t>(); ++i)
        if (niz[i].isString()) cilj[i] = Latin1IzUtf8(niz[i].as<std::string>());
}

template <std::size_t N>
val Niz(const std::array<std::string, N>& tekstovi) {
    val niz = val::array();
    for (const std::string& t : tekstovi) niz.call<void>("push", Utf8IzLatin1(t));
    return niz;
}

}  // namespace

std::string Latin1IzUtf8(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        // The length of the sequence a leading byte starts; 0 for no lead.
        const std::size_t duzina = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
        bool ispravan = duzina > 0 && i + duzina <= utf8.size();
        for (std::size_t k = 1; ispravan && k < duzina; ++k)
            ispravan = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
        if (!ispravan) {
            s += '?';
            ++i;
            continue;
        }
        if (duzina == 2 && b <= 0xC3)
            s += static_cast<char>(((b & 0x1F) << 6) |
                                   (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
        else
            s += duzina == 1 ? static_cast<char>(b) : '?';
        i += duzina;
    }
    return s;
}

std::string Utf8IzLatin1(std::string_view latin1) {
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (std::all_of(latin1.begin(), latin1.end(), ascii)) return std::string(latin1);
    std::string s;
    s.reserve(latin1.size());
    for (const char c : latin1) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            s += c;
        } else {
            s += static_cast<char>(0xC0 | (b >> 6));
            s += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return s;
}

std::string BajtoviIzJs(const val& niz) {
    std::string s(niz["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(s.size(), reinterpret_cast<unsigned char*>(s.data())))
        .call<void>("set", niz);
    return s;
}

val BajtoviUJs(std::string_view bajtovi) {
    // A copy: a view would go stale when the module's memory grows.
    return val(emscripten::typed_memory_view(
                   bajtovi.size(), reinterpret_cast<const unsigned char*>(bajtovi.data())))
        .call<val>("slice");
}

TUlazStrane UlazIzJs(const val& ulaz) {
    TUlazStrane u;
    Tekstovi(ulaz, "P", u.tekstovi.P);
    Tekstovi(ulaz, "Rastojanje", u.tekstovi.Rastojanje);
    Tekst(ulaz, "Raspon", u.tekstovi.Raspon);
    Tekst(ulaz, "ProizvoljnoX", u.tekstovi.ProizvoljnoX);
    Tekst(ulaz, "BrojPreseka", u.tekstovi.BrojPreseka);
    if (ulaz["brojSila"].isNumber()) u.brojSila = ulaz["brojSila"].as<std::int32_t>();
    if (ulaz["separator"].isString()) {
        const std::string s = ulaz["separator"].as<std::string>();
        if (s.size() == 1) u.separator = s[0];
    }
    u.tacnaAnvelopa = ulaz["tacnaAnvelopa"].isTrue();
    u.smer = ulaz["obaSmera"].isTrue() ? TSmerVoza::Oba : TSmerVoza::Napred;
    u.dejstva = TekstoviDejstava({}, u.separator);
    DejstvaIzJs(ulaz["Dejstva"], u.dejstva);
    u.proracunskaAnvelopa = ulaz["proracunskaAnvelopa"].isTrue();
    return u;
}

val TekstoviUJs(const TekstoviUnosa& t) {
    val o = val::object();
    o.set("P", Niz(t.P));
    o.set("Rastojanje", Niz(t.Rastojanje));
    o.set("Raspon", Utf8IzLatin1(t.Raspon));
    o.set("ProizvoljnoX", Utf8IzLatin1(t.ProizvoljnoX));
    o.set("BrojPreseka", Utf8IzLatin1(t.BrojPreseka));
    return o;
}
