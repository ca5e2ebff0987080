// SPDX-License-Identifier: GPL-3.0-or-later
#include "Konverzija.h"

#include <charconv>
#include <limits>

namespace {

bool jeBlanko(char c) { return c == ' ' || c == '\t'; }

bool jeCifra(char c) { return c >= '0' && c <= '9'; }

std::string_view bezBlanka(std::string_view t) {
    while (!t.empty() && jeBlanko(t.front())) t.remove_prefix(1);
    while (!t.empty() && jeBlanko(t.back())) t.remove_suffix(1);
    return t;
}

[[noreturn]] void greska(std::string_view tekst) { throw EGreskaKonverzije(std::string(tekst)); }

}  // namespace

EGreskaKonverzije::EGreskaKonverzije(std::string tekst)
    : std::runtime_error("'" + tekst + "' nije ispravna vrednost broja"),
      fTekst(std::move(tekst)) {}

double TekstUBroj(std::string_view tekst, char decimalniSeparator) {
    const std::string_view t = bezBlanka(tekst);
    // Rebuilt in the one spelling std::from_chars reads, with '.' as separator.
    std::string kanonski;
    kanonski.reserve(t.size() + 2);
    std::size_t i = 0;
    bool negativan = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativan = t[i] == '-';
        kanonski += t[i] == '-' ? "-" : "";
        ++i;
    }
    std::size_t cifara = 0;
    // Decimal order of the first significant digit, to tell overflow from underflow.
    long long red = 0;
    bool imaZnacajnu = false;
    bool posleSeparatora = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (jeCifra(c)) {
            ++cifara;
            if (c != '0') imaZnacajnu = true;
            if (!posleSeparatora && imaZnacajnu) ++red;
            if (posleSeparatora && !imaZnacajnu) --red;
            kanonski += c;
        } else if (c == decimalniSeparator && !posleSeparatora) {
            posleSeparatora = true;
            kanonski += '.';
        } else {
            break;
        }
    }
    if (cifara == 0) greska(tekst);
    long long eksponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        kanonski += 'e';
        ++i;
        bool negativanEksponent = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            negativanEksponent = t[i] == '-';
            kanonski += t[i];
            ++i;
        }
        const std::size_t pocetak = i;
        for (; i < t.size() && jeCifra(t[i]); ++i) {
            kanonski += t[i];
            if (eksponent < 1'000'000) eksponent = eksponent * 10 + (t[i] - '0');
        }
        if (i == pocetak) greska(tekst);
        if (negativanEksponent) eksponent = -eksponent;
    }
    if (i != t.size()) greska(tekst);

    double v = 0.0;
    const auto [kraj, ec] = std::from_chars(kanonski.data(), kanonski.data() + kanonski.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Out of range is either too large (an error) or below the smallest
        // subnormal, which is a zero of the written sign.
        if (imaZnacajnu && red + eksponent > 0) greska(tekst);
        return negativan ? -0.0 : 0.0;
    }
    if (ec != std::errc() || kraj != kanonski.data() + kanonski.size()) greska(tekst);
    return v;
}

std::int32_t TekstUCeoBroj(std::string_view tekst) {
    std::string_view t = bezBlanka(tekst);
    bool negativan = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negativan = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty() || !jeCifra(t.front())) greska(tekst);
    long long v = 0;
    for (const char c : t) {
        if (!jeCifra(c)) greska(tekst);
        v = v * 10 + (c - '0');
        if (v > static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1) greska(tekst);
    }
    if (negativan) v = -v;
    if (v > std::numeric_limits<std::int32_t>::max()) greska(tekst);
    return static_cast<std::int32_t>(v);
}
