// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpcijeKomande.h"

#include <getopt.h>

#include <iostream>
#include <vector>

#include "Ispis.h"
#include "Komande.h"

namespace {

constexpr int kPomoc = 'h';
constexpr int kDatoteka = 1;  // a word that is no option, as getopt_long gives it in order
constexpr int kPrvaOpcija = 256;

// getopt_long takes any unambiguous beginning of a name for the name; here
// a name is spelled out in full, so that no word of a future option
// already means something today.
bool PunoIme(std::string_view rec, std::string_view ime) {
    rec.remove_prefix(2);
    return rec == ime || (rec.starts_with(ime) && rec.substr(ime.size()).starts_with('='));
}

std::string_view BezVrednosti(std::string_view rec) { return rec.substr(0, rec.find('=')); }

}  // namespace

OpcijaKomande Zastavica(std::string_view ime, bool& cilj) {
    return {ime, {}, [&cilj](std::string_view) {
                cilj = true;
                return std::optional<int>();
            }};
}

int PogresnaUpotreba(std::string_view komanda, std::string_view poruka) {
    std::cerr << "lastovar-cli " << komanda << ": " << Vidljivo(poruka) << "\n";
    return kIzlazPogresnaUpotreba;
}

std::optional<int> ProcitajOpcije(int argc, char** argv, std::string_view pomoc,
                                  std::span<const OpcijaKomande> opcije,
                                  std::optional<std::string>& datoteka) {
    std::vector<std::string> reci;
    const std::optional<int> kraj =
        ProcitajOpcije(argc, argv, pomoc, opcije, reci, 1, "samo jedna datoteka se moze zadati");
    if (!reci.empty()) datoteka = std::move(reci.front());
    return kraj;
}

std::optional<int> ProcitajOpcije(int argc, char** argv, std::string_view pomoc,
                                  std::span<const OpcijaKomande> opcije,
                                  std::vector<std::string>& reci, std::size_t najvise,
                                  std::string_view previse) {
    const std::string_view komanda = argv[0];
    std::vector<std::string> imena;
    std::vector<option> duge;
    imena.reserve(opcije.size());
    for (std::size_t i = 0; i < opcije.size(); ++i) {
        imena.emplace_back(opcije[i].ime);
        duge.push_back({imena.back().c_str(),
                        opcije[i].bezVrednosti.empty() ? no_argument : required_argument, nullptr,
                        kPrvaOpcija + static_cast<int>(i)});
    }
    duge.push_back({"help", no_argument, nullptr, kPomoc});
    duge.push_back({nullptr, 0, nullptr, 0});

    const auto jednaDatoteka = [&](const char* rec) -> std::optional<int> {
        if (reci.size() == najvise) return PogresnaUpotreba(komanda, previse);
        reci.emplace_back(rec);
        return std::nullopt;
    };

    // "-" first: words that are no options come back in their place, with
    // or without POSIXLY_CORRECT; ":" first: a missing value is told apart.
    optind = 0;
    opterr = 0;
    for (;;) {
        int indeks = -1;
        optarg = nullptr;
        const int c = getopt_long(argc, argv, "-:h", duge.data(), &indeks);
        if (c == -1) break;
        if (c == kDatoteka) {
            if (const auto greska = jednaDatoteka(optarg)) return greska;
            continue;
        }
        const std::string_view poslednja = argv[optind - 1];
        if (c == '?') {
            if (poslednja.starts_with("--") && poslednja.find('=') != std::string_view::npos &&
                optopt != 0)
                return PogresnaUpotreba(
                    komanda, std::string(BezVrednosti(poslednja)) + " ne prima vrednost");
            if (optopt != 0 && optopt < kPrvaOpcija)
                return PogresnaUpotreba(komanda,
                                        "nepoznata opcija -" + std::string(1, char(optopt)));
            return PogresnaUpotreba(komanda,
                                    "nepoznata opcija " + std::string(BezVrednosti(poslednja)));
        }
        if (c == ':')
            return PogresnaUpotreba(komanda, optopt >= kPrvaOpcija
                                                 ? opcije[optopt - kPrvaOpcija].bezVrednosti
                                                 : std::string_view("opcija trazi vrednost"));
        if (indeks >= 0) {
            // The word the option came in: the one before its value when
            // that is a word of its own.
            const bool odvojenaVrednost = optarg && optarg == argv[optind - 1];
            const std::string_view rec = odvojenaVrednost ? argv[optind - 2] : poslednja;
            if (!PunoIme(rec, duge[std::size_t(indeks)].name))
                return PogresnaUpotreba(komanda,
                                        "nepoznata opcija " + std::string(BezVrednosti(rec)));
        }
        if (c == kPomoc) {
            std::cout << pomoc;
            return 0;
        }
        if (const auto greska = opcije[std::size_t(c - kPrvaOpcija)].primeni(optarg ? optarg : ""))
            return greska;
    }
    for (int i = optind; i < argc; ++i)
        if (const auto greska = jednaDatoteka(argv[i])) return greska;
    return std::nullopt;
}
