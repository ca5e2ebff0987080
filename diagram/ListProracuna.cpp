// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListProracuna.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "GrafikAnvelope.h"
#include "PrelomTeksta.h"
#include "SkiceListe.h"
#include "SlagacListe.h"
#include "TabelaListe.h"
#include "ZaglavljeStrane.h"

namespace {

constexpr double kVelicinaNaslova = 16;
constexpr double kVelicinaPodnaslova = 10;
constexpr double kVelicinaTeksta = 9;
constexpr double kVelicinaPasusa = 8.5;
constexpr double kVelicinaGlave = 8;
// The appendix's report lines: as large as the longest allows, never
// smaller than a fixed width type still reads well.
constexpr double kNajvecaVelicinaPriloga = 8.5;
constexpr double kNajmanjaVelicinaPriloga = 7;
// A continuation of a report line, indented under its start.
constexpr std::size_t kUvlaka = 4;

constexpr const char* kPodnaslov = "Prosta greda opterecena sistemom vezanih koncentrisanih sila";

class TSastav {
public:
    explicit TSastav(std::shared_ptr<const TSadrzajListe> sadrzaj)
        : s(*sadrzaj), deljeno(std::move(sadrzaj)) {}

    void Zaglavlje();
    void Opterecenje();
    void Dejstva();
    void Merodavne();
    void Metoda();
    void Dijagrami();
    void Tabele();
    void Prilog(const char* naslov, const std::vector<std::string>& linije);
    std::vector<TStranaListe> Strane() && { return std::move(l).Strane(); }

private:
    void Uspravno() {
        if (l.Polozena()) l.NovaStrana(false);
    }
    void Slika(TVrstaSlike vrsta, double visina, const std::string& opis);

    const TSadrzajListe& s;
    std::shared_ptr<const TSadrzajListe> deljeno;
    TSlagac l;
    int slika = 0;
    int tabela = 0;
};

// The title block: the calculation's name, then a grid of the six fields,
// each with its name over it; an empty field is left to fill by hand.
void TSastav::Zaglavlje() {
    l.Tekst(l.Levo(), kVelicinaNaslova, TPismoListe::Naslov, kNaslovListe, l.SirinaTeksta());
    l.Tekst(l.Levo(), kVelicinaPodnaslova, TPismoListe::Obicno, kPodnaslov, l.SirinaTeksta());
    l.y += 6;
    const TPodaciZaList& z = s.Zaglavlje;
    const std::pair<const char*, const std::string*> polja[] = {
        {"Projekat", &z.Projekat},       {"Objekat / element", &z.Element}, {"Autor", &z.Autor},
        {"Kontrolisao", &z.Kontrolisao}, {"Revizija", &z.Revizija},         {"Datum", &z.Datum}};
    constexpr double kVisina = 30;
    const double sirina = l.SirinaTeksta() / 2;
    const double vrh = l.y;
    for (std::size_t i = 0; i < std::size(polja); ++i) {
        const double x = l.Levo() + static_cast<double>(i % 2) * sirina;
        const double y = vrh + static_cast<double>(i / 2) * kVisina;
        l.TekstNa(x + 4, y + 2.5, 7.5, TPismoListe::Obicno, polja[i].first, sirina - 8);
        const std::string& vrednost = *polja[i].second;
        if (vrednost.empty()) continue;
        // A long name set smaller to fit its box, never below 6 points.
        const double velicina = std::clamp(
            10 * (sirina - 8) / SirinaTeksta(vrednost, TPismoListe::Podebljano, 10), 6.0, 10.0);
        l.TekstNa(x + 4, y + 13 + (10 - velicina) / 2, velicina, TPismoListe::Podebljano, vrednost,
                  sirina - 8);
    }
    const double dno = vrh + 3 * kVisina;
    for (int r = 0; r <= 3; ++r)
        l.Linija(l.Levo(), vrh + r * kVisina, l.Desno(), vrh + r * kVisina, r % 3 == 0 ? 0.8 : 0.4);
    for (const double x : {l.Levo(), l.Levo() + sirina, l.Desno()})
        l.Linija(x, vrh, x, dno, x == l.Levo() + sirina ? 0.4 : 0.8);
    l.y = dno + 5;
    for (std::string& d :
         PrelomiPasus("Datoteka: " + (s.Datoteka.empty() ? std::string(kBezDatoteke) : s.Datoteka),
                      TPismoListe::Obicno, kVelicinaGlave, l.SirinaTeksta()))
        l.Tekst(l.Levo(), kVelicinaGlave, TPismoListe::Obicno, std::move(d), l.SirinaTeksta());
    l.Tekst(l.Levo(), kVelicinaGlave, TPismoListe::Obicno, "Izradjeno: " + s.Izradjeno,
            l.SirinaTeksta());
}

void TSastav::Slika(TVrstaSlike vrsta, double visina, const std::string& opis) {
    ++slika;
    const std::vector<std::string> linije =
        PrelomiPasus("Slika " + std::to_string(slika) + ". " + opis, TPismoListe::Obicno,
                     kVelicinaPasusa, l.SirinaTeksta());
    l.Mesto(visina + 4 + static_cast<double>(linije.size()) * kVelicinaPasusa * kProredListe);
    const TOkvirListe okvir{l.Levo(), l.y, l.SirinaTeksta(), visina};
    const auto tacke = [](double pt) {
        return static_cast<std::int32_t>(std::lround(pt * kTacakaPoIncuSlike / 72.0));
    };
    l.Strana().Slike.push_back(
        {okvir, vrsta, tacke(okvir.sirina), tacke(okvir.visina), kTacakaPoIncuSlike, deljeno});
    l.y += visina + 4;
    for (const std::string& linija : linije)
        l.Tekst(l.Levo(), kVelicinaPasusa, TPismoListe::Obicno, linija, l.SirinaTeksta());
    l.y += 6;
}

// The load case: its sketch, then the inputs as typed in three columns.
void TSastav::Opterecenje() {
    l.Naslov("1. Opterecenje", 130);
    Slika(TVrstaSlike::Skica, 125,
          "Opterecenje: voz sa P1 na levom osloncu, sile u kN; crveno isprekidano proizvoljni "
          "presek x; ispod grede rastojanja izmedju sila i raspon u m.");
    // Each column as wide as its longest line; all three set smaller where
    // they would not fit side by side, and one under another where even
    // the smallest size would not.
    const std::vector<std::string>* kolone[] = {&s.Sile, &s.Rastojanja, &s.Ostalo};
    constexpr double kRazmakKolona = 12;
    std::array<double, 3> sirine{};
    std::size_t redova = 0;
    for (std::size_t j = 0; j < std::size(kolone); ++j) {
        redova = std::max(redova, kolone[j]->size());
        for (const std::string& t : *kolone[j])
            sirine[j] =
                std::max(sirine[j], SirinaTeksta(t, TPismoListe::Nepromenljivo, kVelicinaTeksta));
    }
    const double ukupno = sirine[0] + sirine[1] + sirine[2];
    const double mesto = l.SirinaTeksta() - 2 * kRazmakKolona;
    const double velicina = ukupno <= mesto ? kVelicinaTeksta : kVelicinaTeksta * mesto / ukupno;
    if (velicina < kNajmanjaVelicinaPriloga) {
        for (const auto* k : kolone)
            for (const std::string& t : *k)
                for (std::string& deo : PrelomiLinijuIzvestaja(
                         t,
                         static_cast<std::size_t>(l.SirinaTeksta() /
                                                  (kVelicinaTeksta * kSirinaZnaka)),
                         kUvlaka))
                    l.Tekst(l.Levo(), kVelicinaTeksta, TPismoListe::Nepromenljivo, std::move(deo),
                            l.SirinaTeksta());
        return;
    }
    l.Mesto(static_cast<double>(redova) * velicina * kProredListe);
    const double vrh = l.y;
    double dno = vrh, x = l.Levo();
    for (std::size_t j = 0; j < std::size(kolone); ++j) {
        l.y = vrh;
        const double sirina = sirine[j] * velicina / kVelicinaTeksta;
        for (const std::string& t : *kolone[j])
            l.Tekst(x, velicina, TPismoListe::Nepromenljivo, t, sirina);
        dno = std::max(dno, l.y);
        x += sirina + kRazmakKolona;
    }
    l.y = dno;
}

void TSastav::Dejstva() {
    l.Naslov("2. Proracunska dejstva", 2 * kVelicinaTeksta * kProredListe);
    for (const std::string& d : s.OpisDejstava) l.Pasus(d, kVelicinaTeksta);
}

void TSastav::Merodavne() {
    l.Naslov("3. Merodavne vrednosti", 80);
    for (const TTabelaTekstova& t : s.Merodavne) {
        Uspravno();
        SlozTabelu(l, t, ++tabela);
    }
}

void TSastav::Metoda() {
    Uspravno();
    l.Naslov("4. Metoda i pretpostavke", 3 * kVelicinaPasusa * kProredListe);
    for (const std::string& p : s.Metoda) l.Pasus(p, kVelicinaPasusa);
}

void TSastav::Dijagrami() {
    Uspravno();
    l.Naslov("5. Dijagrami", 250);
    const std::string klasicno = s.Klasicne ? "klasicni proracun (plavo), " : "";
    const std::string ed = s.SaDejstvima ? ", proracunska anvelopa Ed (ljubicasto)" : "";
    const std::string pojas =
        s.Klasicne ? "; svetao pojas: gde je klasicni proracun manji od tacnog" : "";
    Slika(TVrstaSlike::Momenti, 245,
          "Anvelope momenata savijanja M [kNm] po rasponu: " + klasicno +
              "tacna anvelopa voza (zeleno)" + ed + pojas +
              ". Pozitivan moment je crtan nadole, na strani zategnutih vlakana.");
    Slika(TVrstaSlike::Smicanje, 265,
          "Anvelope transverzalnih sila maxT i minT [kN] po rasponu: " + klasicno +
              "tacna anvelopa voza (zeleno)" + ed + pojas + ".");
    Slika(TVrstaSlike::Polozaji, 92.0 * BrojRedovaPolozaja(s),
          std::string("Polozaji voza za merodavne vrednosti, svi u istoj razmeri: crveno "
                      "isprekidano presek, sivo sila van raspona (ne nosi nista)") +
              (s.SaDejstvima ? ", srafirano podeljeno opterecenje q" : "") + ".");
}

void TSastav::Tabele() {
    // The heading goes with the first table, on its page.
    if (s.Tabele.empty() || !TabelaPolozena(s.Tabele.front()))
        Uspravno();
    else if (!l.Polozena())
        l.NovaStrana(true);
    l.Naslov("6. Vrednosti u presecima izvestaja", 80);
    for (const TTabelaTekstova& t : s.Tabele) SlozTabelu(l, t, ++tabela);
}

// Report lines in the fixed width typeface, line for line: as large as
// the longest allows down to a size that still reads well, and a line
// longer than that broken where PrelomiLinijuIzvestaja allows.
void TSastav::Prilog(const char* naslov, const std::vector<std::string>& linije) {
    if (linije.empty()) return;
    if (l.Polozena() || l.y > kVrhTeksta) l.NovaStrana(false);
    l.Naslov(naslov, 3 * kVelicinaTeksta);
    std::size_t najduza = 1;
    for (const std::string& linija : linije) najduza = std::max(najduza, BrojZnakova(linija));
    const double velicina =
        std::clamp(l.SirinaTeksta() / (static_cast<double>(najduza) * kSirinaZnaka),
                   kNajmanjaVelicinaPriloga, kNajvecaVelicinaPriloga);
    const auto znakova = static_cast<std::size_t>(l.SirinaTeksta() / (velicina * kSirinaZnaka));
    for (const std::string& linija : linije) {
        if (linija.empty()) {
            // A page starts with its first line, not with space.
            l.Mesto(velicina * kProredListe);
            if (l.y > kVrhTeksta) l.y += velicina * kProredListe;
            continue;
        }
        // A wrapped line is kept on one page, read as one.
        std::vector<std::string> delovi = PrelomiLinijuIzvestaja(linija, znakova, kUvlaka);
        l.Mesto(static_cast<double>(delovi.size()) * velicina * kProredListe);
        for (std::string& deo : delovi)
            l.Tekst(l.Levo(), velicina, TPismoListe::Nepromenljivo, std::move(deo),
                    l.SirinaTeksta());
    }
}

// The head of every page: the title block's short form and the page's
// number; its foot: what made the sheet and when.
void GlavaIPodnozje(std::vector<TStranaListe>& strane, const TSadrzajListe& s) {
    std::string kratko;
    for (const std::string* polje : {&s.Zaglavlje.Projekat, &s.Zaglavlje.Element})
        if (!polje->empty()) kratko += (kratko.empty() ? "" : " - ") + *polje;
    if (kratko.empty()) kratko = kNaslovListe;
    const std::string od = " od " + std::to_string(strane.size());
    for (std::size_t i = 0; i < strane.size(); ++i) {
        TStranaListe& p = strane[i];
        const double levo = kMarginaListe, desno = p.Sirina() - kMarginaListe;
        const std::string broj = "strana " + std::to_string(i + 1) + od;
        const double sirinaBroja = SirinaTeksta(broj, TPismoListe::Obicno, kVelicinaGlave);
        p.Tekstovi.push_back({levo, 24, kVelicinaGlave, TPismoListe::Obicno, kratko,
                              TPoravnanje::Levo, desno - levo - sirinaBroja - 20});
        p.Tekstovi.push_back({desno, 24, kVelicinaGlave, TPismoListe::Obicno, broj,
                              TPoravnanje::Desno, sirinaBroja});
        p.Linije.push_back({levo, 36, desno, 36, 0.5, true});
        const double dno = p.Visina() - 30;
        p.Linije.push_back({levo, dno - 4, desno, dno - 4, 0.5, true});
        p.Tekstovi.push_back({levo, dno, kVelicinaGlave, TPismoListe::Obicno,
                              "Lastovar, izradjeno " + s.Izradjeno, TPoravnanje::Levo,
                              desno - levo});
    }
}

}  // namespace

TListProracuna SastaviList(const TSadrzajListe& sadrzaj) {
    TSastav sastav(std::make_shared<const TSadrzajListe>(sadrzaj));
    sastav.Zaglavlje();
    sastav.Opterecenje();
    sastav.Dejstva();
    sastav.Merodavne();
    sastav.Metoda();
    sastav.Dijagrami();
    sastav.Tabele();
    sastav.Prilog("Prilog A. Izvestaj proracuna", sadrzaj.Izvestaj);
    sastav.Prilog("Prilog B. Poredjenje klasicne i tacne anvelope", sadrzaj.Poredjenje);

    TListProracuna list;
    list.Naslov = kNaslovListe;
    if (!sadrzaj.Datoteka.empty()) list.Naslov += " - " + ImeDatoteke(sadrzaj.Datoteka);
    list.Strane = std::move(sastav).Strane();
    GlavaIPodnozje(list.Strane, sadrzaj);
    return list;
}

void NacrtajSlikuListe(TPlatno& platno, const TSlikaListe& slika) {
    const TSadrzajListe& s = *slika.sadrzaj;
    switch (slika.vrsta) {
        case TVrstaSlike::Skica:
            NacrtajSkicuOpterecenja(platno, slika.sirina, slika.visina, s);
            break;
        case TVrstaSlike::Momenti:
        case TVrstaSlike::Smicanje:
            NacrtajGrafikAnvelope(platno, slika.sirina, slika.visina, s,
                                  slika.vrsta == TVrstaSlike::Momenti);
            break;
        case TVrstaSlike::Polozaji:
            NacrtajPolozajeMerodavnih(platno, slika.sirina, slika.visina, s);
            break;
    }
}
