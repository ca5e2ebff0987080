// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlagacListe.h"

#include "PrelomTeksta.h"

namespace {

constexpr double kVelicinaNaslova = 11;

}  // namespace

double TStranaListe::Sirina() const {
    return Polozena ? TListProracuna::kVisinaStrane : TListProracuna::kSirinaStrane;
}

double TStranaListe::Visina() const {
    return Polozena ? TListProracuna::kSirinaStrane : TListProracuna::kVisinaStrane;
}

void TSlagac::NovaStrana(bool polozena) {
    fStrane.emplace_back();
    fStrane.back().Polozena = polozena;
    y = kVrhTeksta;
}

bool TSlagac::Mesto(double visina) {
    if (y + visina <= Dno() || y <= kVrhTeksta) return false;
    NovaStrana(Polozena());
    return true;
}

void TSlagac::Tekst(double x, double velicina, TPismoListe pismo, std::string tekst, double sirina,
                    TPoravnanje poravnanje) {
    Mesto(velicina * kProredListe);
    TekstNa(x, y, velicina, pismo, std::move(tekst), sirina, poravnanje);
    y += velicina * kProredListe;
}

void TSlagac::TekstNa(double x, double y_, double velicina, TPismoListe pismo, std::string tekst,
                      double sirina, TPoravnanje poravnanje) {
    Strana().Tekstovi.push_back({x, y_, velicina, pismo, std::move(tekst), poravnanje, sirina});
}

void TSlagac::Linija(double x1, double y1, double x2, double y2, double debljina, bool siva) {
    Strana().Linije.push_back({x1, y1, x2, y2, debljina, siva});
}

void TSlagac::Naslov(const std::string& tekst, double iza) {
    if (y > kVrhTeksta) y += kVelicinaNaslova * 0.8;
    Mesto(kVelicinaNaslova * kProredListe + iza);
    Tekst(Levo(), kVelicinaNaslova, TPismoListe::Podebljano, tekst, SirinaTeksta());
    y += kVelicinaNaslova * 0.3;
}

void TSlagac::Pasus(const std::string& tekst, double velicina) {
    for (std::string& l : PrelomiPasus(tekst, TPismoListe::Obicno, velicina, SirinaTeksta()))
        Tekst(Levo(), velicina, TPismoListe::Obicno, std::move(l), SirinaTeksta());
    y += velicina * 0.4;
}
