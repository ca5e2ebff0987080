// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatotekaLastovar.h"

#include <algorithm>
#include <array>

#include "Konverzija.h"

namespace {

constexpr std::size_t kBrojTekstova = 13;

// The thirteen texts in the order of the file's lines.
template <class Tekstovi>
auto PoljaPoRedu(Tekstovi& t) {
    return std::array{&t.P[0],          &t.P[1],          &t.P[2],          &t.P[3],
                      &t.P[4],          &t.P[5],          &t.Rastojanje[0], &t.Rastojanje[1],
                      &t.Rastojanje[2], &t.Rastojanje[3], &t.Rastojanje[4], &t.Raspon,
                      &t.ProizvoljnoX};
}

std::array<std::string_view, kBrojLinijaDatoteke> Linije(std::string_view bajtovi) {
    std::array<std::string_view, kBrojLinijaDatoteke> linije{};
    for (std::size_t i = 0; i < kBrojLinijaDatoteke && !bajtovi.empty(); ++i) {
        const std::size_t kraj = bajtovi.find('\n');
        std::string_view linija = bajtovi.substr(0, kraj);
        if (kraj != std::string_view::npos && linija.ends_with('\r')) linija.remove_suffix(1);
        linije[i] = linija;
        bajtovi.remove_prefix(kraj == std::string_view::npos ? bajtovi.size() : kraj + 1);
    }
    return linije;
}

std::int32_t CeoBroj(std::string_view linija, std::int32_t najmanje, std::int32_t najvise) {
    try {
        return std::clamp(TekstUCeoBroj(linija), najmanje, najvise);
    } catch (const EGreskaKonverzije&) {
        throw EGreskaDatoteke();
    }
}

}  // namespace

EGreskaDatoteke::EGreskaDatoteke() : std::runtime_error(std::string(kPorukaKonverzijeDatoteke)) {}

std::string ZapisiDatoteku(const SadrzajDatoteke& s) {
    std::string bajtovi;
    for (const std::string* tekst : PoljaPoRedu(s.Tekstovi)) bajtovi += *tekst + "\r\n";
    bajtovi += std::to_string(s.BrojSila) + "\r\n";
    bajtovi += std::to_string(s.BrojPreseka) + "\r\n";
    return bajtovi;
}

SadrzajDatoteke ProcitajDatoteku(std::string_view bajtovi, char decimalniSeparator) {
    const auto linije = Linije(bajtovi);
    SadrzajDatoteke s{};
    const auto polja = PoljaPoRedu(s.Tekstovi);
    for (std::size_t i = 0; i < kBrojTekstova; ++i)
        *polja[i] = SaSeparatorom(linije[i], decimalniSeparator);
    s.BrojSila = CeoBroj(linije[13], 1, 6);
    s.BrojPreseka = CeoBroj(linije[14], 1, 99);
    s.Tekstovi.BrojPreseka = std::to_string(s.BrojPreseka);
    return s;
}

std::string_view OstatakDatoteke(std::string_view bajtovi) {
    for (std::size_t i = 0; i < kBrojLinijaDatoteke; ++i) {
        const std::size_t kraj = bajtovi.find('\n');
        if (kraj == std::string_view::npos) return {};
        bajtovi.remove_prefix(kraj + 1);
    }
    return bajtovi;
}
