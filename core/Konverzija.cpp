// SPDX-License-Identifier: GPL-3.0-or-later
#include "Konverzija.h"

#include <fast_float/fast_float.h>

#include <cmath>
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

// Decimal exponents beyond the double range by far; an exponent is held at
// this size, so that adding a digit position (bounded by the text's length)
// can neither overflow nor bring it back into the range.
constexpr long long kZasicenEksponent = 100'000'000'000'000'000LL;

// The decimal exponents of the first significant digit beyond which no
// value rounds to a finite nonzero double: 1e309 is above the largest
// double, and 9.99e-325 below half the smallest subnormal (4.94e-324).
constexpr long long kNajveciRed = std::numeric_limits<double>::max_exponent10 + 1;
constexpr long long kNajmanjiRed = -325;

}  // namespace

EGreskaKonverzije::EGreskaKonverzije(std::string tekst)
    : std::runtime_error("'" + tekst + "' nije ispravna vrednost broja"),
      fTekst(std::move(tekst)) {}

double TekstUBroj(std::string_view tekst, char decimalniSeparator) {
    const std::string_view t = bezBlanka(tekst);
    std::size_t i = 0;
    bool negativan = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativan = t[i] == '-';
        ++i;
    }
    // The significant digits, from the first nonzero one on.
    std::string znacajne;
    std::size_t cifara = 0;
    long long celih = 0;   // integer digits from the first significant one on
    long long doPrve = 0;  // fraction digits up to the first significant one, inclusive
    bool posleSeparatora = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (jeCifra(c)) {
            ++cifara;
            const bool prva = znacajne.empty() && c != '0';
            if (!znacajne.empty() || prva) znacajne += c;
            if (!posleSeparatora && !znacajne.empty()) ++celih;
            if (posleSeparatora && celih == 0 && (znacajne.empty() || prva)) ++doPrve;
        } else if (c == decimalniSeparator && !posleSeparatora) {
            posleSeparatora = true;
        } else {
            break;
        }
    }
    if (cifara == 0) greska(tekst);
    long long eksponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool negativanEksponent = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            negativanEksponent = t[i] == '-';
            ++i;
        }
        const std::size_t pocetak = i;
        for (; i < t.size() && jeCifra(t[i]); ++i)
            if (eksponent < kZasicenEksponent) eksponent = eksponent * 10 + (t[i] - '0');
        if (i == pocetak) greska(tekst);
        if (negativanEksponent) eksponent = -eksponent;
    }
    if (i != t.size()) greska(tekst);

    const double nula = negativan ? -0.0 : 0.0;
    if (znacajne.empty()) return nula;
    // The decimal exponent of the first significant digit decides the
    // range, whatever the count of digits before or after it: the exact
    // value is 0.DDD... x 10^(redVrednosti + 1).
    const long long redVrednosti = (celih > 0 ? celih - 1 : -doPrve) + eksponent;
    if (redVrednosti >= kNajveciRed) greska(tekst);
    if (redVrednosti <= kNajmanjiRed) return nula;

    // Trailing zeros change nothing; what remains is read in one plain
    // spelling with an exponent of at most 3 digits, correctly rounded by
    // fast_float on every target.
    znacajne.resize(znacajne.find_last_not_of('0') + 1);
    std::string kanonski = negativan ? "-0." : "0.";
    kanonski += znacajne;
    kanonski += 'e';
    kanonski += std::to_string(redVrednosti + 1);

    double v = 0.0;
    const auto [kraj, ec] =
        fast_float::from_chars(kanonski.data(), kanonski.data() + kanonski.size(), v);
    if (ec != std::errc() || kraj != kanonski.data() + kanonski.size()) greska(tekst);
    // Near the ends of the range: too large is an error, below the smallest
    // subnormal a zero of the written sign.
    if (std::isinf(v)) greska(tekst);
    return v;
}

namespace {

bool JeBroj(std::string_view tekst, char decimalniSeparator) {
    try {
        TekstUBroj(tekst, decimalniSeparator);
        return true;
    } catch (const EGreskaKonverzije&) {
        return false;
    }
}

}  // namespace

std::string SaSeparatorom(std::string_view tekst, char decimalniSeparator) {
    std::string t(tekst);
    if (JeBroj(t, decimalniSeparator)) return t;
    for (const char drugi : {'.', ','}) {
        const std::size_t mesto = t.find(drugi);
        if (drugi == decimalniSeparator || mesto == std::string::npos || !JeBroj(t, drugi))
            continue;
        // A number has at most one separator, so this is the one.
        t[mesto] = decimalniSeparator;
        return t;
    }
    return t;
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
