// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu, declared once: to add an item, add its row where it
// is to appear, with a member of TGlavniO that keeps it and one for its
// command.
#include "GlavniObrazac.h"
#include "StavkaMenija.h"

namespace {

using G = TGlavniO;
using V = TStavkaMenija::TVrsta;

constexpr TStavkaMenija Meni(const char* u, const char* ime, const char* natpis, QMenu* G::*meni) {
    return {V::Meni, u, ime, natpis, meni, nullptr, nullptr, nullptr};
}

constexpr TStavkaMenija Stavka(const char* u, const char* ime, const char* natpis,
                               QAction* G::*stavka, void (G::*komanda)(),
                               const char* precica = nullptr) {
    return {V::Stavka, u, ime, natpis, nullptr, stavka, komanda, precica};
}

constexpr TStavkaMenija Proveriva(const char* u, const char* ime, const char* natpis,
                                  QAction* G::*stavka, void (G::*komanda)(),
                                  const char* precica = nullptr) {
    return {V::Proveriva, u, ime, natpis, nullptr, stavka, komanda, precica};
}

constexpr TStavkaMenija Razdelnik(const char* u, const char* ime) {
    return {V::Razdelnik, u, ime, nullptr, nullptr, nullptr, nullptr, nullptr};
}

// clang-format off
constexpr TStavkaMenija kTabela[] = {
    //        in menu                    object name                     caption                                   kept in                            command, then a shortcut if any
    Meni(     nullptr,                   "Datoteka",                     "Datoteka",                               &G::Datoteka),
    Stavka(   "Datoteka",                "Otvori",                       "Otvori...",                              &G::Otvori,                        &G::OtvoriClick,                  "Ctrl+O"),
    Stavka(   "Datoteka",                "Snimi",                        "Snimi...",                               &G::Snimi,                         &G::SnimiClick,                   "Ctrl+S"),
    Stavka(   "Datoteka",                "Snimikao",                     "Snimi kao...",                           &G::Snimikao,                      &G::SnimikaoClick,                "Ctrl+Shift+S"),
    Meni(     "Datoteka",                "Snimirezultateproracuna",      "Snimi rezultate proracuna",              &G::Snimirezultateproracuna),
    Stavka(   "Snimirezultateproracuna", "txt",                          ".txt",                                   &G::txt,                           &G::txtClick),
    Stavka(   "Snimirezultateproracuna", "doc",                          ".doc",                                   &G::doc,                           &G::docClick),
    Stavka(   "Snimirezultateproracuna", "xls",                          ".xls",                                   &G::xls,                           &G::xlsClick),
    Stavka(   "Datoteka",                "SnimiproracunkaoPDF1",         "Snimi proracun kao PDF...",              &G::SnimiproracunkaoPDF1,          &G::SnimiproracunkaoPDF1Click),
    Stavka(   "Datoteka",                "SnimitabelekaoCSV1",           "Snimi tabele kao CSV...",                &G::SnimitabelekaoCSV1,            &G::SnimitabelekaoCSV1Click),
    Razdelnik("Datoteka",                "N1"),
    Stavka(   "Datoteka",                "Snimiskicugrede1",             "Snimi skicu grede...",                   &G::Snimiskicugrede1,              &G::Snimiskicugrede1Click),
    Stavka(   "Datoteka",                "Podesavanjeparametarastampe1", "Podesavanje parametara stampe...",       &G::Podesavanjeparametarastampe1,  &G::Podesavanjeparametarastampe1Click),
    Stavka(   "Datoteka",                "Snimigrafik1",                 "Stampaj grafik...",                      &G::Snimigrafik1,                  &G::Snimigrafik1Click,            "Ctrl+P"),
    Stavka(   "Datoteka",                "Pregledstampe1",               "Pregled stampe...",                      &G::Pregledstampe1,                &G::Pregledstampe1Click),
    Razdelnik("Datoteka",                "N2"),
    Stavka(   "Datoteka",                "Izlaz",                        "Izlaz",                                  &G::Izlaz,                         &G::IzlazClick,                   "Ctrl+Q"),

    Meni(     nullptr,                   "Proracunlastovar",             "Proracun extM i extT",                   &G::Proracunlastovar),
    Stavka(   "Proracunlastovar",        "Proracun",                     "Proracun",                               &G::Proracun,                      &G::ProracunClick,                "F9"),
    Proveriva("Proracunlastovar",        "TacnaAnvelopa",                "Tacna anvelopa",                         &G::TacnaAnvelopa,                 &G::TacnaAnvelopaClick),
    Stavka(   "Proracunlastovar",        "PolozajVoza",                  "Polozaj voza...",                        &G::PolozajVoza,                   &G::PolozajVozaClick),
    Proveriva("Proracunlastovar",        "ObaSmeraVoza",                 "Oba smera voza",                         &G::ObaSmeraVoza,                  &G::ObaSmeraVozaClick),
    Stavka(   "Proracunlastovar",        "ProracunskeVrednosti",         "Proracunske vrednosti...",               &G::ProracunskeVrednosti,          &G::ProracunskeVrednostiClick),
    Proveriva("Proracunlastovar",        "ProracunskaAnvelopa",          "Proracunska anvelopa",                   &G::ProracunskaAnvelopa,           &G::ProracunskaAnvelopaClick),
    Stavka(   "Proracunlastovar",        "ModeliOpterecenja",            "Modeli opterecenja...",                  &G::ModeliOpterecenja,             &G::ModeliOpterecenjaClick),
    Stavka(   "Proracunlastovar",        "SacuvajKaoModel",              "Sacuvaj kao model...",                   &G::SacuvajKaoModel,               &G::SacuvajKaoModelClick),
    Stavka(   "Proracunlastovar",        "TabelaRaspona",                "Tabela raspona...",                      &G::TabelaRaspona,                 &G::TabelaRasponaClick),

    Meni(     nullptr,                   "Prozori",                      "Prozori",                                &G::Prozori),
    Stavka(   "Prozori",                 "Podesistandardniraspored",     "Podesi standardni raspored",             &G::Podesistandardniraspored,      &G::PodesistandardnirasporedClick),
    Stavka(   "Prozori",                 "MiximizujRezultatiProracuna",  "Maximizuju obrazac Rezultati proracuna", &G::MiximizujRezultatiProracuna,   &G::MiximizujRezultatiProracunaClick),
    Stavka(   "Prozori",                 "MiximizujDijagramLastovar",    "Maximizuj obrazac Dijagram extM i extT", &G::MiximizujDijagramLastovar,     &G::MiximizujDijagramLastovarClick),

    Meni(     nullptr,                   "Pomoc",                        "Pomoc",                                  &G::Pomoc),
    Stavka(   "Pomoc",                   "Oprogramu",                    "O programu...",                          &G::Oprogramu,                     &G::OprogramuClick),
};
// clang-format on

}  // namespace

std::span<const TStavkaMenija> TGlavniO::TabelaMenija() { return kTabela; }
