// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabelaListe.h"

#include <algorithm>
#include <numeric>

namespace {

// Room beside each column's text, and the rows' height.
constexpr double kRazmak = 4;
constexpr double kRed = kVelicinaTabele * kProredListe;
constexpr double kVelicinaNaslova = 9;
// A caption and its headings never stand alone at a page's foot.
constexpr int kNajmanjeRedova = 3;

std::vector<std::string> LinijeZaglavlja(const std::string& kolona) {
    std::vector<std::string> linije;
    std::size_t od = 0;
    for (std::size_t kraj; (kraj = kolona.find('\n', od)) != std::string::npos; od = kraj + 1)
        linije.push_back(kolona.substr(od, kraj - od));
    linije.push_back(kolona.substr(od));
    return linije;
}

std::vector<double> SirineKolona(const TTabelaTekstova& t) {
    std::vector<double> sirine(t.Kolone.size(), 0.0);
    for (std::size_t j = 0; j < t.Kolone.size(); ++j)
        for (const std::string& l : LinijeZaglavlja(t.Kolone[j]))
            sirine[j] =
                std::max(sirine[j], SirinaTeksta(l, TPismoListe::Podebljano, kVelicinaTabele));
    for (const auto& red : t.Redovi)
        for (std::size_t j = 0; j < red.size() && j < sirine.size(); ++j)
            sirine[j] =
                std::max(sirine[j], SirinaTeksta(red[j], TPismoListe::Obicno, kVelicinaTabele));
    for (double& s : sirine) s += 2 * kRazmak;
    // A group's heading wider than its columns widens them alike.
    for (const TTabelaTekstova::TGrupa& g : t.Grupe) {
        if (g.Broj == 0) continue;
        const double potrebno =
            SirinaTeksta(g.Naslov, TPismoListe::Podebljano, kVelicinaTabele) + 2 * kRazmak;
        const double ima =
            std::accumulate(sirine.begin() + long(g.Od), sirine.begin() + long(g.Od + g.Broj), 0.0);
        if (potrebno > ima)
            for (std::size_t j = g.Od; j < g.Od + g.Broj; ++j)
                sirine[j] += (potrebno - ima) / double(g.Broj);
    }
    return sirine;
}

double Ukupno(const std::vector<double>& sirine) {
    return std::accumulate(sirine.begin(), sirine.end(), 0.0);
}

// The table of the key columns (those in no group) and one group's.
TTabelaTekstova DeoTabele(const TTabelaTekstova& t, const TTabelaTekstova::TGrupa& g) {
    std::vector<std::size_t> kolone;
    for (std::size_t j = 0; j < t.Kolone.size(); ++j) {
        const bool uGrupi = std::any_of(t.Grupe.begin(), t.Grupe.end(), [j](const auto& h) {
            return j >= h.Od && j < h.Od + h.Broj;
        });
        if (!uGrupi) kolone.push_back(j);
    }
    const std::size_t kljuceva = kolone.size();
    for (std::size_t j = g.Od; j < g.Od + g.Broj; ++j) kolone.push_back(j);
    TTabelaTekstova d;
    d.Naslov = t.Naslov + ": " + g.Naslov;
    d.Grupe.push_back({g.Naslov, kljuceva, g.Broj});
    for (const std::size_t j : kolone) {
        d.Kolone.push_back(t.Kolone[j]);
        d.Desno.push_back(j < t.Desno.size() && t.Desno[j]);
    }
    for (const auto& red : t.Redovi) {
        std::vector<std::string> r;
        for (const std::size_t j : kolone) r.push_back(j < red.size() ? red[j] : std::string());
        d.Redovi.push_back(std::move(r));
    }
    return d;
}

class TTabela {
public:
    TTabela(TSlagac& s, const TTabelaTekstova& t, int broj, std::vector<double> sirine)
        : s(s), t(t), broj(broj), sirine(std::move(sirine)) {
        for (const std::string& k : t.Kolone)
            linijaZaglavlja = std::max(linijaZaglavlja, LinijeZaglavlja(k).size());
    }

    void Slozi() {
        const double potrebno = VisinaZaglavlja() + kNajmanjeRedova * kRed;
        s.Mesto(potrebno);
        Zaglavlje(false);
        for (std::size_t i = 0; i < t.Redovi.size(); ++i) {
            if (s.y + kRed > s.Dno()) {
                Razdelnici(vrhStrane, s.y);
                Rub(0.8);
                s.NovaStrana(s.Polozena());
                Zaglavlje(true);
            } else if (i > 0 && i % 5 == 0) {
                // A hairline every five rows guides the eye along a row.
                s.Linija(s.Levo(), s.y, s.Levo() + Ukupno(sirine), s.y, 0.3, true);
            }
            Red(t.Redovi[i]);
        }
        Razdelnici(vrhStrane, s.y);
        Rub(0.8);
        s.y += kRed * 0.4;
        for (const std::string& n : t.Napomene) s.Pasus(n, kVelicinaTabele);
    }

private:
    double VisinaZaglavlja() const {
        return kVelicinaNaslova * kProredListe + 4 + (t.Grupe.empty() ? 0 : kRed) +
               double(linijaZaglavlja) * kRed + 3;
    }

    double X(std::size_t j) const {
        return s.Levo() + std::accumulate(sirine.begin(), sirine.begin() + long(j), 0.0);
    }

    void Celija(std::size_t j, const std::string& tekst, TPismoListe pismo, double y) {
        const bool desno = j < t.Desno.size() && t.Desno[j];
        const double sirina = sirine[j] - 2 * kRazmak;
        if (desno)
            s.TekstNa(X(j) + sirine[j] - kRazmak, y, kVelicinaTabele, pismo, tekst, sirina,
                      TPoravnanje::Desno);
        else
            s.TekstNa(X(j) + kRazmak, y, kVelicinaTabele, pismo, tekst, sirina);
    }

    void Rub(double debljina) { s.Linija(s.Levo(), s.y, s.Levo() + Ukupno(sirine), s.y, debljina); }

    // Light rules between the groups of columns, from the headings down to
    // the last row of the page.
    void Razdelnici(double od, double doKraja) {
        for (const TTabelaTekstova::TGrupa& g : t.Grupe)
            if (g.Od > 0) s.Linija(X(g.Od), od, X(g.Od), doKraja, 0.3, true);
    }

    void Zaglavlje(bool nastavak) {
        std::string naslov = "Tabela " + std::to_string(broj) + ". " + t.Naslov;
        if (nastavak) naslov += " (nastavak)";
        s.Tekst(s.Levo(), kVelicinaNaslova, TPismoListe::Podebljano, naslov,
                std::max(s.SirinaTeksta(), Ukupno(sirine)));
        s.y += 4;
        Rub(0.8);
        vrhStrane = s.y;
        s.y += 1.5;
        for (const TTabelaTekstova::TGrupa& g : t.Grupe) {
            if (g.Broj == 0) continue;
            const double od = X(g.Od), doKraja = X(g.Od + g.Broj);
            s.TekstNa((od + doKraja) / 2, s.y, kVelicinaTabele, TPismoListe::Podebljano, g.Naslov,
                      doKraja - od - 2 * kRazmak, TPoravnanje::Sredina);
            s.Linija(od + kRazmak / 2, s.y + kRed, doKraja - kRazmak / 2, s.y + kRed, 0.3);
        }
        if (!t.Grupe.empty()) s.y += kRed + 1;
        // Each column's heading stands on the line over the rows.
        for (std::size_t j = 0; j < t.Kolone.size(); ++j) {
            const std::vector<std::string> linije = LinijeZaglavlja(t.Kolone[j]);
            double y = s.y + double(linijaZaglavlja - linije.size()) * kRed;
            for (const std::string& l : linije) {
                Celija(j, l, TPismoListe::Podebljano, y);
                y += kRed;
            }
        }
        s.y += double(linijaZaglavlja) * kRed + 1;
        Rub(0.5);
        s.y += 1.5;
    }

    void Red(const std::vector<std::string>& red) {
        for (std::size_t j = 0; j < red.size() && j < sirine.size(); ++j)
            Celija(j, red[j], TPismoListe::Obicno, s.y);
        s.y += kRed;
    }

    TSlagac& s;
    const TTabelaTekstova& t;
    int broj;
    std::vector<double> sirine;
    std::size_t linijaZaglavlja = 1;
    double vrhStrane = 0;  // the top rule on the page
};

constexpr double kSirinaUspravne = TListProracuna::kSirinaStrane - 2 * kMarginaListe;
constexpr double kSirinaPolozene = TListProracuna::kVisinaStrane - 2 * kMarginaListe;

void Postavi(TSlagac& s, const TTabelaTekstova& t, int broj, std::vector<double> sirine) {
    const bool polozena = Ukupno(sirine) > kSirinaUspravne;
    if (polozena && !s.Polozena()) s.NovaStrana(true);
    if (!polozena && s.Polozena()) s.NovaStrana(false);
    // Wider than even a landscape page: each text narrowed to its column.
    const double ima = s.SirinaTeksta();
    if (Ukupno(sirine) > ima) {
        const double k = ima / Ukupno(sirine);
        for (double& w : sirine) w *= k;
    }
    TTabela(s, t, broj, std::move(sirine)).Slozi();
}

}  // namespace

bool TabelaPolozena(const TTabelaTekstova& t) {
    const std::vector<double> sirine = SirineKolona(t);
    if (Ukupno(sirine) <= kSirinaPolozene || t.Grupe.size() < 2)
        return Ukupno(sirine) > kSirinaUspravne;
    return Ukupno(SirineKolona(DeoTabele(t, t.Grupe.front()))) > kSirinaUspravne;
}

void SlozTabelu(TSlagac& s, const TTabelaTekstova& t, int broj) {
    std::vector<double> sirine = SirineKolona(t);
    if (Ukupno(sirine) <= kSirinaPolozene || t.Grupe.size() < 2) {
        Postavi(s, t, broj, std::move(sirine));
        return;
    }
    for (const TTabelaTekstova::TGrupa& g : t.Grupe) {
        const TTabelaTekstova deo = DeoTabele(t, g);
        Postavi(s, deo, broj, SirineKolona(deo));
    }
}
