// SPDX-License-Identifier: GPL-3.0-or-later
#include "DodatakDatoteke.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>

#include "Konverzija.h"

namespace {

constexpr std::string_view kKrajLinije = "\r\n";

// The keys of the design actions, in the order they are written.
constexpr std::string_view kQ = "q", kRaspored = "q-raspored", kRazmak = "razmak", kG = "g",
                           kFi = "fi", kFiNaQ = "fi-q", kGamaG = "gama-g", kGamaQ = "gama-q";
constexpr std::array kKljuceviDejstava{kQ, kRaspored, kRazmak, kG, kFi, kFiNaQ, kGamaG, kGamaQ};

constexpr std::string_view kBiloGde = "bilo-gde", kUzVoz = "uz-voz", kDa = "da", kNe = "ne";

// A key is a word of small letters, digits, '-' and '.'.
bool IspravanKljuc(std::string_view k) {
    return !k.empty() && std::all_of(k.begin(), k.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
    });
}

[[noreturn]] void Greska(std::size_t linija, std::string_view tekst, std::string_view razlog) {
    throw EGreskaDodatka("Greska u dodatku datoteke, linija " + std::to_string(linija) + " (" +
                         std::string(razlog) + "): " + std::string(tekst));
}

// The shortest text that reads back as `v`.
std::string Broj(double v) { return fmt::format("{}", v); }

}  // namespace

const std::string* TDodatak::Vrednost(std::string_view kljuc) const {
    for (const auto& [k, v] : Kljucevi)
        if (k == kljuc) return &v;
    return nullptr;
}

void TDodatak::Postavi(std::string_view kljuc, std::string vrednost) {
    for (auto& [k, v] : Kljucevi)
        if (k == kljuc) {
            v = std::move(vrednost);
            return;
        }
    Kljucevi.emplace_back(std::string(kljuc), std::move(vrednost));
}

void TDodatak::Ukloni(std::string_view kljuc) {
    std::erase_if(Kljucevi, [kljuc](const auto& kv) { return kv.first == kljuc; });
}

TDodatak ProcitajDodatak(std::string_view bajtovi) {
    TDodatak d;
    bool uDodatku = false;
    for (std::size_t broj = 1; !bajtovi.empty(); ++broj) {
        const std::size_t kraj = bajtovi.find('\n');
        std::string_view linija = bajtovi.substr(0, kraj);
        if (kraj != std::string_view::npos && linija.ends_with('\r')) linija.remove_suffix(1);
        bajtovi.remove_prefix(kraj == std::string_view::npos ? bajtovi.size() : kraj + 1);
        if (broj <= kBrojLinijaDatoteke) continue;
        if (broj == kBrojLinijaDatoteke + 1) {
            if (linija != kOznakaDodatka) return d;
            uDodatku = true;
            continue;
        }
        if (!uDodatku) continue;
        // Every line of the block counts, so that one the reader's limit
        // would leave out is never silently lost.
        if (broj > kBrojLinijaDatoteke + 1 + kNajviseKljuceva)
            Greska(broj, linija, "previse linija");
        if (linija.empty()) continue;
        const std::size_t jednako = linija.find('=');
        if (jednako == std::string_view::npos) Greska(broj, linija, "nije kljuc=vrednost");
        const std::string_view kljuc = linija.substr(0, jednako);
        if (!IspravanKljuc(kljuc)) Greska(broj, linija, "neispravan kljuc");
        if (d.Vrednost(kljuc)) Greska(broj, linija, "kljuc se ponavlja");
        d.Kljucevi.emplace_back(std::string(kljuc), std::string(linija.substr(jednako + 1)));
    }
    return d;
}

std::string ZapisiDodatak(const TDodatak& dodatak) {
    if (dodatak.Kljucevi.empty()) return {};
    std::string s(kOznakaDodatka);
    s += kKrajLinije;
    for (const auto& [k, v] : dodatak.Kljucevi) {
        s += k;
        s += '=';
        s += v;
        s += kKrajLinije;
    }
    return s;
}

TProracunskaDejstva DejstvaIzDodatka(const TDodatak& dodatak) {
    TProracunskaDejstva d;
    const auto greska = [](std::string_view kljuc, const std::string& v, std::string_view razlog) {
        throw EGreskaDodatka("Greska u dodatku datoteke: " + std::string(kljuc) + "=" + v + " (" +
                             std::string(razlog) + ")");
    };
    const auto broj = [&](std::string_view kljuc, double& cilj) {
        const std::string* v = dodatak.Vrednost(kljuc);
        if (!v) return;
        try {
            cilj = TekstUBroj(*v, v->find(',') != std::string::npos ? ',' : '.');
        } catch (const EGreskaKonverzije&) {
            greska(kljuc, *v, "nije broj");
        }
    };
    broj(kQ, d.q);
    broj(kRazmak, d.c);
    broj(kG, d.g);
    broj(kFi, d.Fi);
    broj(kGamaG, d.GamaG);
    broj(kGamaQ, d.GamaQ);
    if (const std::string* v = dodatak.Vrednost(kRaspored)) {
        if (*v != kBiloGde && *v != kUzVoz) greska(kRaspored, *v, "bilo-gde ili uz-voz");
        d.Raspored = *v == kUzVoz ? TRasporedQ::IspredIIzaVoza : TRasporedQ::BiloGde;
    }
    if (const std::string* v = dodatak.Vrednost(kFiNaQ)) {
        if (*v != kDa && *v != kNe) greska(kFiNaQ, *v, "da ili ne");
        d.FiNaQ = *v == kDa;
    }
    if (!DejstvaVaze(d, 0.0, 0.0))
        throw EGreskaDodatka("Greska u dodatku datoteke: " + std::string(kPorukaDejstava));
    return d;
}

void UpisiDejstva(TDodatak& dodatak, const TProracunskaDejstva& d) {
    for (const std::string_view k : kKljuceviDejstava) dodatak.Ukloni(k);
    if (d.Pocetna()) return;
    dodatak.Postavi(kQ, Broj(d.q));
    dodatak.Postavi(kRaspored, std::string(d.Raspored == TRasporedQ::BiloGde ? kBiloGde : kUzVoz));
    dodatak.Postavi(kRazmak, Broj(d.c));
    dodatak.Postavi(kG, Broj(d.g));
    dodatak.Postavi(kFi, Broj(d.Fi));
    dodatak.Postavi(kFiNaQ, std::string(d.FiNaQ ? kDa : kNe));
    dodatak.Postavi(kGamaG, Broj(d.GamaG));
    dodatak.Postavi(kGamaQ, Broj(d.GamaQ));
}
