// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListProracuna.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "NacrtajDijagrame.h"
#include "ZaglavljeStrane.h"

namespace {

// The page's margins and the text's width, in points.
constexpr double kLevo = 45;
constexpr double kDesno = TListProracuna::kSirinaStrane - 45;
constexpr double kSirinaTeksta = kDesno - kLevo;
constexpr double kVrh = 45;
constexpr double kDno = TListProracuna::kVisinaStrane - 50;
constexpr double kPodnozje = TListProracuna::kVisinaStrane - 32;

constexpr double kProred = 1.2;
// Lines of numbers are set at 9 points, smaller when a line would not fit
// the width, but not below 5, which prints still legibly.
constexpr double kVelicinaTeksta = 9;
constexpr double kNajmanjaVelicina = 5;
constexpr double kVelicinaNaslova = 16;
constexpr double kVelicinaPodnaslova = 10;
constexpr double kVelicinaOdeljka = 11;
constexpr double kVelicinaPodnozja = 8;

// The sketch, about 2.9 times as wide as high, beside the inputs.
constexpr double kSirinaSkice = 250;
constexpr double kVisinaSkice = 90;
constexpr double kRazmakKolona = 15;
// Below this the diagrams go to a page of their own.
constexpr double kNajmanjaVisinaDijagrama = 300;

constexpr const char* kPodnaslov = "Prosta greda opterecena sistemom vezanih koncentrisanih sila";

bool NastavakUtf8(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Characters, not bytes: a file name may be UTF-8.
std::size_t Znakova(const std::string& s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return !NastavakUtf8(c); }));
}

// The pieces of at most `znakova` characters a line goes on over, never
// split inside a character.
std::vector<std::string> Prelomi(const std::string& linija, std::size_t znakova) {
    std::vector<std::string> delovi;
    std::size_t od = 0;
    while (od < linija.size()) {
        std::size_t kraj = od;
        for (std::size_t n = 0; kraj < linija.size() && n < znakova; ++n) {
            ++kraj;
            while (kraj < linija.size() && NastavakUtf8(linija[kraj])) ++kraj;
        }
        delovi.push_back(linija.substr(od, kraj - od));
        od = kraj;
    }
    return delovi;
}

// Sets texts down the pages, breaking to a new page where the next line
// would reach the foot.
class TSlagac {
public:
    TSlagac() { NovaStrana(); }

    void NovaStrana() {
        fStrane.emplace_back();
        y = kVrh;
    }
    TStranaListe& Strana() { return fStrane.back(); }
    std::size_t BrojStrane() const { return fStrane.size(); }

    /// Room for `visina` more below y, or a new page.
    void Mesto(double visina) {
        if (y + visina > kDno && y > kVrh) NovaStrana();
    }

    void Tekst(double x, double velicina, TPismoListe pismo, std::string tekst, double sirina) {
        Mesto(velicina * kProred);
        Strana().Tekstovi.push_back(
            {x, y, velicina, pismo, std::move(tekst), TPoravnanje::Levo, sirina});
        y += velicina * kProred;
    }

    /// Lines in the fixed width typeface, within `sirina` from x: at
    /// `velicina` or smaller as the longest needs; an empty line is space.
    void Blok(const std::vector<std::string>& linije, double x, double sirina, double velicina) {
        std::size_t najduza = 0;
        for (const std::string& l : linije) najduza = std::max(najduza, Znakova(l));
        if (najduza > 0)
            velicina = std::clamp(sirina / (static_cast<double>(najduza) * kSirinaZnaka),
                                  kNajmanjaVelicina, velicina);
        const auto uRedu = static_cast<std::size_t>(sirina / (velicina * kSirinaZnaka));
        for (const std::string& l : linije) {
            if (l.empty()) {
                // A page starts with its first line, not with space.
                Mesto(velicina * kProred);
                if (y > kVrh) y += velicina * kProred;
                continue;
            }
            for (std::string& deo : Prelomi(l, uRedu))
                Tekst(x, velicina, TPismoListe::Nepromenljivo, std::move(deo), sirina);
        }
    }

    std::vector<TStranaListe> Strane() && { return std::move(fStrane); }

    double y = kVrh;

private:
    std::vector<TStranaListe> fStrane;
};

// What a section carries in a critical position ("...; istovremeno ...")
// goes on a line of its own, indented under its quantity: the comparison is
// then set at a legible size rather than at the smallest, broken anywhere.
std::vector<std::string> RedoviPoredjenja(const std::vector<std::string>& linije) {
    std::vector<std::string> redovi;
    redovi.reserve(linije.size() * 2);
    for (const std::string& l : linije) {
        const std::size_t kraj = l.find("; ");
        if (kraj == std::string::npos) {
            redovi.push_back(l);
            continue;
        }
        redovi.push_back(l.substr(0, kraj + 1));
        redovi.push_back("    " + l.substr(kraj + 2));
    }
    return redovi;
}

// The pieces of one line joined with nothing between them.
std::string Spoji(std::initializer_list<std::string_view> delovi) {
    std::string s;
    for (const std::string_view d : delovi) s.append(d);
    return s;
}

// The inputs as typed: the force count, the train's forces and spacings,
// the span, the arbitrary section and the number of sections.
std::vector<std::string> UlazniPodaci(const TUlazDijagrama& u) {
    const TekstoviUnosa& t = u.tekstovi;
    std::vector<std::string> l = {Spoji({"Broj sila: ", std::to_string(u.brojSila)})};
    const auto n = static_cast<std::size_t>(std::clamp(u.brojSila, 0, 6));
    for (std::size_t k = 0; k < n; ++k)
        l.push_back(Spoji({"P", std::to_string(k + 1), " = ", t.P[k], " [kN]"}));
    for (std::size_t k = 0; k + 1 < n; ++k)
        l.push_back(Spoji({"L", std::to_string(k + 1), " = ", t.Rastojanje[k], " [m]"}));
    l.push_back(Spoji({"Raspon grede: L = ", t.Raspon, " [m]"}));
    l.push_back(Spoji({"Proizvoljno rastojanje: x = ", t.ProizvoljnoX, " [m]"}));
    l.push_back(Spoji({"Broj preseka: n = ", t.BrojPreseka}));
    return l;
}

std::int32_t UTacke(double tacaka) {
    return static_cast<std::int32_t>(std::lround(tacaka * kTacakaPoIncuDijagrama / 72.0));
}

void PrvaStrana(TSlagac& s, const TSadrzajListe& sadrzaj) {
    s.Tekst(kLevo, kVelicinaNaslova, TPismoListe::Naslov, kNaslovListe, kSirinaTeksta);
    s.Tekst(kLevo, kVelicinaPodnaslova, TPismoListe::Obicno, kPodnaslov, kSirinaTeksta);
    s.y += kVelicinaPodnaslova * 0.5;
    s.Blok({"Datoteka: " + (sadrzaj.Datoteka.empty() ? kBezDatoteke : sadrzaj.Datoteka),
            "Datum: " + sadrzaj.Datum},
           kLevo, kSirinaTeksta, kVelicinaTeksta);
    s.y += kVelicinaTeksta;

    s.Tekst(kLevo, kVelicinaOdeljka, TPismoListe::Podebljano, "Ulazni podaci", kSirinaTeksta);
    const std::size_t strana = s.BrojStrane();
    const double vrh = s.y;
    s.Strana().Skica = TSkicaListe{{kDesno - kSirinaSkice, vrh, kSirinaSkice, kVisinaSkice},
                                   sadrzaj.Dijagram.brojSila};
    s.Blok(UlazniPodaci(sadrzaj.Dijagram), kLevo, kSirinaTeksta - kSirinaSkice - kRazmakKolona,
           kVelicinaTeksta);
    if (s.BrojStrane() == strana) s.y = std::max(s.y, vrh + kVisinaSkice);
    s.y += kVelicinaTeksta;

    // The heading goes with its diagrams.
    s.Mesto(kVelicinaOdeljka * kProred + kNajmanjaVisinaDijagrama);
    s.Tekst(kLevo, kVelicinaOdeljka, TPismoListe::Podebljano, "Dijagrami extM i extT",
            kSirinaTeksta);
    s.y += kVelicinaOdeljka * 0.5;
    const TOkvirListe okvir{kLevo, s.y, kSirinaTeksta, kDno - s.y};
    s.Strana().Dijagram = TDijagramListe{okvir, UTacke(okvir.sirina), UTacke(okvir.visina),
                                         kTacakaPoIncuDijagrama, sadrzaj.Dijagram};
}

}  // namespace

TListProracuna SastaviList(const TSadrzajListe& sadrzaj) {
    TSlagac s;
    PrvaStrana(s, sadrzaj);
    s.NovaStrana();
    s.Blok(sadrzaj.Izvestaj, kLevo, kSirinaTeksta, kVelicinaTeksta);
    if (!sadrzaj.TacnaAnvelopa.empty()) {
        s.NovaStrana();
        s.Blok(RedoviPoredjenja(sadrzaj.TacnaAnvelopa), kLevo, kSirinaTeksta, kVelicinaTeksta);
    }

    TListProracuna list;
    list.Naslov = kNaslovListe;
    if (!sadrzaj.Datoteka.empty()) list.Naslov += " - " + ImeDatoteke(sadrzaj.Datoteka);
    list.Strane = std::move(s).Strane();
    const std::string od = " od " + std::to_string(list.Strane.size());
    for (std::size_t i = 0; i < list.Strane.size(); ++i)
        list.Strane[i].Tekstovi.push_back(
            {kDesno, kPodnozje, kVelicinaPodnozja, TPismoListe::Obicno,
             "strana " + std::to_string(i + 1) + od, TPoravnanje::Desno, kSirinaTeksta});
    return list;
}

TOkvirDijagrama NacrtajDijagramListe(TPlatno& platno, const TDijagramListe& d) {
    return NacrtajDijagrame(platno, d.sirina, d.visina, kZaStampac, {platno, d.sirina, d.visina},
                            d.ulaz);
}
