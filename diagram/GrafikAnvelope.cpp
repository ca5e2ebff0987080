// SPDX-License-Identifier: GPL-3.0-or-later
#include "GrafikAnvelope.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "AnvelopaPoKolonama.h"
#include "Font.h"
#include "FormatBroja.h"
#include "PismaListe.h"
#include "PojasManjka.h"
#include "PojasQ.h"
#include "ProracunskaAnvelopa.h"
#include "Prosireno.h"
#include "SkicaVoza.h"
#include "TacnaAnvelopaDijagram.h"
#include "Zaokruzivanje.h"

namespace {

constexpr TBoja kMreza{215, 215, 215};
constexpr TBoja kOkvir{110, 110, 110};
// The figure's texts, in points.
constexpr int kSlova = 8;
constexpr double kRedNatpisa = kSlova * 1.3;

// The curves of one quantity at the plot's columns.
struct TKrive {
    TVelicina velicina;
    std::vector<double> klasicno;
    std::vector<double> tacno;
    std::vector<double> proracunsko;
    Prosireno skala = 0;
};

// One extreme as it is marked and labelled.
struct TEkstremGrafika {
    std::string tekst;
    double x = 0;
    double vrednost = 0;
    TBoja boja;
};

std::string SaZnakom(double v, TJedinica j, char sep) {
    const std::string s = FormatInzenjerski(v, j, sep);
    return s == "0" || s.front() == '-' ? s : "+" + s;
}

class TGrafik {
public:
    TGrafik(TPlatno& c, std::int32_t W, std::int32_t H, const TSadrzajListe& s, bool momenti)
        : c(c),
          W(W),
          H(H),
          s(s),
          momenti(momenti),
          voz(ZapisIzTekstova(s.Tekstovi, s.Separator), s.BrojSila),
          pt(c.TacakaPoIncu() / 72.0) {}

    void Nacrtaj();

private:
    int D(double tacaka) const { return ZaokruziParno(tacaka * pt); }
    int Sirina(const std::string& t, bool podebljan = false) const {
        return ZaokruziParno(
            SirinaTeksta(t, podebljan ? TPismoListe::Podebljano : TPismoListe::Obicno, kSlova) *
            pt);
    }
    void Tekst(int x, int y, const std::string& t, TBoja boja, bool podebljan = false) {
        c.Font().Boja = boja;
        c.Font().Podebljan = podebljan;
        c.Tekst(x, y, t);
    }
    void Linija(int x1, int y1, int x2, int y2) {
        c.PomeriNa(x1, y1);
        c.LinijaDo(x2, y2);
    }
    std::string B(double v, TJedinica j) const { return SaZnakom(v, j, s.Separator); }
    std::string X(double v) const { return FormatInzenjerski(v, TJedinica::m, s.Separator); }

    // The device row of a value.
    int Y(double v) const {
        const Prosireno y = momenti ? yNula + v * k : yNula - v * k;
        return ZaokruziParno(std::clamp<Prosireno>(y, -(1 << 20), 1 << 20));
    }
    int Kolona(double x) const {
        return ZaokruziParno(levo + static_cast<Prosireno>(x) / voz.Raspon() * (desno - levo));
    }

    void Uzorci();
    std::vector<Prosireno> PodeokSkale() const;
    std::vector<TEkstremGrafika> Ekstremi(bool gornji) const;
    Prosireno Najvece(bool pozitivno) const;
    void Razmera();
    void Mreza();
    void Pojas(const TKrive& k);
    void Kriva(const std::vector<double>& v, TBoja boja, double debljina);
    void Ekstrem(const TEkstremGrafika& e, int y, bool desnoPoravnat);
    struct TStavkaLegende {
        std::string tekst;
        TBoja boja;
        double debljina;  // 0: the band
    };
    std::vector<TStavkaLegende> StavkeLegende() const;
    std::vector<std::pair<int, int>> MestaLegende();
    void Legenda();

    TPlatno& c;
    std::int32_t W, H;
    const TSadrzajListe& s;
    bool momenti;
    TVoz voz;
    double pt;

    std::vector<TKrive> krive;
    // The plot's box and the value scale.
    int levo = 0, desno = 0, gore = 0, dole = 0;
    Prosireno yNula = 0, k = 1;
    Prosireno korak = 1;
    int redNatpisa = 1;
};

void TGrafik::Uzorci() {
    TOkvirDijagrama o;
    o.sadrzaj = TSadrzajCrteza::Dijagrami;
    o.x0 = levo;
    o.x1 = desno;
    o.L = voz.Raspon();
    o.s = o.L / static_cast<double>(o.Sirina());
    const TAnvelopaPoKolonama a = AnvelopaPoKolonama(o, voz, s.Smer);
    const std::vector<TVelicina> velicine =
        momenti ? std::vector{TVelicina::ExtM} : std::vector{TVelicina::MaxT, TVelicina::MinT};
    for (const TVelicina v : velicine) {
        TKrive kriva{
            v, s.Klasicne ? a[v].Klasicno : std::vector<double>{}, a[v].Tacno, {}, a[v].Skala};
        krive.push_back(std::move(kriva));
    }
    if (!s.SaDejstvima) return;
    const TProracunskaAnvelopa proracunska(voz, s.Dejstva);
    for (std::int64_t i = 0; i <= o.Sirina(); ++i) {
        const TVrednostiAnvelope d = proracunska.Vrednosti(o.Uzorak(i), s.Smer);
        for (TKrive& kriva : krive)
            kriva.proracunsko.push_back(kriva.velicina == TVelicina::ExtM   ? d.ExtM
                                        : kriva.velicina == TVelicina::MaxT ? d.MaxT
                                                                            : d.MinT);
    }
}

// The extremes labelled over the curves (gornji) or under them: the exact
// one first, then the classical and the design one.
std::vector<TEkstremGrafika> TGrafik::Ekstremi(bool gornji) const {
    std::vector<TEkstremGrafika> e;
    const TMerodavneVrednosti* d = s.SaDejstvima ? &s.SaDejstvima->Proracunske : nullptr;
    if (momenti) {
        if (gornji) return e;
        const TMerodavnaVrednost& m = s.Tacne.Mmax;
        e.push_back(
            {"max M = " + B(m.Vrednost, TJedinica::kNm) + " kNm, x = " + X(m.x) + " m (tacno)", m.x,
             m.Vrednost, kBojaTacneAnvelope});
        if (s.Klasicne)
            e.push_back({"Mgov = " + B(s.Klasicne->Mgov, TJedinica::kNm) +
                             " kNm, x = " + X(s.Klasicne->xMgov) + " m (klasicno)",
                         s.Klasicne->xMgov, s.Klasicne->Mgov, kPlava});
        if (d)
            e.push_back({"max MEd = " + B(d->Mmax.Vrednost, TJedinica::kNm) +
                             " kNm, x = " + X(d->Mmax.x) + " m (proracunsko)",
                         d->Mmax.x, d->Mmax.Vrednost, kBojaProracunskog});
        return e;
    }
    const double L = voz.Raspon();
    const TMerodavnaVrednost& t = gornji ? s.Tacne.Tmax : s.Tacne.Tmin;
    const char* ime = gornji ? "max T = " : "min T = ";
    e.push_back({ime + B(t.Vrednost, TJedinica::kN) + " kN, x = " + X(t.x) + " m (tacno)", t.x,
                 t.Vrednost, kBojaTacneAnvelope});
    if (s.Klasicne) {
        const double v = gornji ? s.Klasicne->MaxT0 : s.Klasicne->MinTL;
        e.push_back({std::string(gornji ? "maxT(0) = " : "minT(L) = ") + B(v, TJedinica::kN) +
                         " kN, x = " + X(gornji ? 0.0 : L) + " m (klasicno)",
                     gornji ? 0.0 : L, v, kPlava});
    }
    if (d) {
        const TMerodavnaVrednost& p = gornji ? d->Tmax : d->Tmin;
        e.push_back({std::string(gornji ? "max TEd = " : "min TEd = ") +
                         B(p.Vrednost, TJedinica::kN) + " kN, x = " + X(p.x) + " m (proracunsko)",
                     p.x, p.Vrednost, kBojaProracunskog});
    }
    return e;
}

// The farthest a curve or a labelled extreme reaches from the axis, one
// way or the other.
Prosireno Najvece(const std::vector<TKrive>& krive, const std::vector<TEkstremGrafika>& ekstremi,
                  bool pozitivno) {
    Prosireno m = 0;
    for (const TKrive& k : krive)
        for (const std::vector<double>* v : {&k.klasicno, &k.tacno, &k.proracunsko})
            for (const double x : *v) m = std::max<Prosireno>(m, pozitivno ? x : -x);
    for (const TEkstremGrafika& e : ekstremi)
        m = std::max<Prosireno>(m, pozitivno ? e.vrednost : -e.vrednost);
    return m;
}

// The value scale: room over and under the curves for the labels of the
// extremes, and the rest for the values.
void TGrafik::Razmera() {
    const int natpisiGore = static_cast<int>(Ekstremi(true).size());
    const int natpisiDole = static_cast<int>(Ekstremi(false).size());
    const int prostorGore = natpisiGore > 0 ? natpisiGore * redNatpisa + D(6) : D(6);
    const int prostorDole = natpisiDole > 0 ? natpisiDole * redNatpisa + D(6) : D(6);
    const Prosireno pozitivno = Najvece(true), negativno = Najvece(false);
    const int visina = dole - gore - prostorGore - prostorDole;
    if (momenti) {
        k = visina / (pozitivno > 0 ? pozitivno : 1.0_pr);
        yNula = gore + prostorGore;
    } else {
        const Prosireno raspon = pozitivno + negativno;
        k = visina / (raspon > 0 ? raspon : 1.0_pr);
        yNula = gore + prostorGore + pozitivno * k;
    }
    const Prosireno vrednosti = (dole - gore) / k;
    korak = KorakSkale(vrednosti, std::clamp((dole - gore) / D(36), 2, 10));
}

Prosireno TGrafik::Najvece(bool pozitivno) const {
    std::vector<TEkstremGrafika> e = Ekstremi(true);
    for (TEkstremGrafika& d : Ekstremi(false)) e.push_back(std::move(d));
    return ::Najvece(krive, e, pozitivno);
}

// The values of the scale's ticks, from zero both ways as far as the plot
// reaches.
std::vector<Prosireno> TGrafik::PodeokSkale() const {
    std::vector<Prosireno> v;
    for (const int smer : {1, -1})
        for (long long i = smer > 0 ? 0 : 1;; ++i) {
            const Prosireno t = smer * static_cast<Prosireno>(i) * korak;
            const int y = Y(static_cast<double>(t));
            if (y < gore - 1 || y > dole + 1) break;
            v.push_back(t);
        }
    return v;
}

void TGrafik::Mreza() {
    const int visinaSlova = D(kSlova * 1.15);
    for (const Prosireno v : PodeokSkale()) {
        const int y = Y(static_cast<double>(v));
        c.Olovka() = {kMreza, std::max(1, D(0.3))};
        Linija(levo, y, desno, y);
        c.Olovka() = {kOkvir, std::max(1, D(0.5))};
        Linija(levo - D(3), y, levo, y);
        const std::string t = FormatBroja(v, s.Separator);
        Tekst(levo - D(5) - Sirina(t), y - visinaSlova / 2, t, kCrna);
    }
    // The span's scale, along the plot's foot.
    const double L = voz.Raspon();
    const Prosireno korakX = KorakSkale(L, std::clamp((desno - levo) / D(55), 2, 20));
    for (long long i = 0;; ++i) {
        const Prosireno x = static_cast<Prosireno>(i) * korakX;
        if (x > L * (1 + 1e-12)) break;
        const int kx = Kolona(static_cast<double>(x));
        c.Olovka() = {kMreza, std::max(1, D(0.3))};
        Linija(kx, gore, kx, dole);
        c.Olovka() = {kOkvir, std::max(1, D(0.5))};
        Linija(kx, dole, kx, dole + D(3));
        const std::string t = FormatBroja(x, s.Separator);
        Tekst(kx - Sirina(t) / 2, dole + D(4), t, kCrna);
    }
    c.Olovka() = {kOkvir, std::max(1, D(0.5))};
    c.PomeriNa(levo, gore);
    c.LinijaDo(desno, gore);
    c.LinijaDo(desno, dole);
    c.LinijaDo(levo, dole);
    c.LinijaDo(levo, gore);
    const std::string osaX = "x [m]";
    Tekst(desno - Sirina(osaX), dole + D(4) + redNatpisa, osaX, kCrna);
    Tekst(D(2), gore - D(4) - visinaSlova,
          momenti ? "M [kNm], pozitivan nadole" : "T [kN], maxT iznad ose, minT ispod", kCrna);
}

void TGrafik::Pojas(const TKrive& kr) {
    if (kr.klasicno.empty()) return;
    std::size_t i = 0;
    while (i < kr.tacno.size()) {
        if (!KlasicnoManje(kr.velicina, kr.klasicno[i], kr.tacno[i], kr.skala)) {
            ++i;
            continue;
        }
        const std::size_t od = i;
        while (i < kr.tacno.size() &&
               KlasicnoManje(kr.velicina, kr.klasicno[i], kr.tacno[i], kr.skala))
            ++i;
        std::vector<TTacka> temena;
        for (std::size_t j = od; j < i; ++j)
            temena.push_back({levo + static_cast<int>(j), Y(kr.klasicno[j])});
        for (std::size_t j = i; j-- > od;)
            temena.push_back({levo + static_cast<int>(j), Y(kr.tacno[j])});
        c.PopuniPoligon(temena, kBojaManjka);
    }
}

void TGrafik::Kriva(const std::vector<double>& v, TBoja boja, double debljina) {
    if (v.empty()) return;
    c.Olovka() = {boja, std::max(1, D(debljina))};
    c.PomeriNa(levo, Y(v[0]));
    for (std::size_t i = 1; i < v.size(); ++i) c.LinijaDo(levo + static_cast<int>(i), Y(v[i]));
}

// The extreme's point with a dashed ordinate from the axis, and its label
// at the row y, beside the point on the side with room.
void TGrafik::Ekstrem(const TEkstremGrafika& e, int y, bool desnoPoravnat) {
    const int kx = Kolona(e.x), ky = Y(e.vrednost);
    c.Olovka() = {e.boja, std::max(1, D(0.5))};
    IsprekidanaLinija(c, kx, ZaokruziParno(yNula), kx, ky, D(2));
    const int r = D(2);
    c.PopuniPoligon({{kx - r, ky}, {kx, ky - r}, {kx + r, ky}, {kx, ky + r}}, e.boja);
    const int sirina = Sirina(e.tekst);
    int x = desnoPoravnat ? kx - D(4) - sirina : kx + D(4);
    x = std::clamp(x, levo + D(2), std::max(levo + D(2), desno - D(2) - sirina));
    Tekst(x, y, e.tekst, e.boja);
}

std::vector<TGrafik::TStavkaLegende> TGrafik::StavkeLegende() const {
    std::vector<TStavkaLegende> stavke;
    if (s.Klasicne) stavke.push_back({"klasicni proracun (metoda zona)", kPlava, 0.6});
    stavke.push_back({"tacna anvelopa (voz)", kBojaTacneAnvelope, 1.6});
    if (s.SaDejstvima) stavke.push_back({"proracunska anvelopa Ed", kBojaProracunskog, 1.0});
    if (s.Klasicne) stavke.push_back({"manjak klasicnog proracuna", kBojaManjka, 0});
    return stavke;
}

// Each item's left edge and row: side by side from the picture's left
// edge, an item that would run past its right edge on the next row.
std::vector<std::pair<int, int>> TGrafik::MestaLegende() {
    std::vector<std::pair<int, int>> mesta;
    int x = D(2), red = 0;
    for (const TStavkaLegende& st : StavkeLegende()) {
        const int sirina = D(19) + Sirina(st.tekst);
        if (x > D(2) && x + sirina > W - D(2)) {
            x = D(2);
            ++red;
        }
        mesta.emplace_back(x, red);
        x += sirina + D(12);
    }
    return mesta;
}

void TGrafik::Legenda() {
    const std::vector<TStavkaLegende> stavke = StavkeLegende();
    const std::vector<std::pair<int, int>> mesta = MestaLegende();
    for (std::size_t i = 0; i < stavke.size(); ++i) {
        const TStavkaLegende& st = stavke[i];
        const int x = mesta[i].first;
        const int y = D(2) + mesta[i].second * redNatpisa, sredina = y + D(kSlova * 0.6);
        if (st.debljina == 0) {
            c.PopuniPoligon({{x, sredina - D(3)},
                             {x + D(16), sredina - D(3)},
                             {x + D(16), sredina + D(3)},
                             {x, sredina + D(3)}},
                            st.boja);
        } else {
            c.Olovka() = {st.boja, std::max(1, D(st.debljina))};
            Linija(x, sredina, x + D(16), sredina);
        }
        Tekst(x + D(19), y, st.tekst, kCrna);
    }
}

void TGrafik::Nacrtaj() {
    c.PopuniPozadinu(0, 0, W, H);
    if (!voz.Vazi() || !(voz.Raspon() > 0)) return;
    c.Font() = TFont(kTipografija, kCrna, false, kSlova);
    redNatpisa = D(kRedNatpisa);
    // The plot's box: the legend and the value axis's name over it, the
    // value scale left of it, the span's scale and its name under it.
    const std::vector<std::pair<int, int>> legenda = MestaLegende();
    gore = D(30) + (legenda.empty() ? 0 : legenda.back().second) * redNatpisa;
    dole = H - D(4) - 2 * redNatpisa;
    levo = D(60);
    desno = W - D(12);
    if (desno - levo < D(100) || dole - gore < D(60)) return;
    Uzorci();
    Razmera();
    // Wide value labels push the plot right, and the curves are sampled
    // again at its columns.
    int najsiri = 0;
    for (const Prosireno v : PodeokSkale())
        najsiri = std::max(najsiri, Sirina(FormatBroja(v, s.Separator)));
    if (najsiri + D(10) > levo) {
        levo = najsiri + D(10);
        if (desno - levo < D(100)) return;
        krive.clear();
        Uzorci();
        Razmera();
    }
    Mreza();
    for (const TKrive& kr : krive) Pojas(kr);
    // The exact curve broad under the classical one, so that where the
    // two are one both still show.
    for (const TKrive& kr : krive) {
        Kriva(kr.proracunsko, kBojaProracunskog, 1.0);
        Kriva(kr.tacno, kBojaTacneAnvelope, 1.6);
        Kriva(kr.klasicno, kPlava, 0.6);
    }
    c.Olovka() = {kCrna, std::max(1, D(0.9))};
    Linija(levo, ZaokruziParno(yNula), desno, ZaokruziParno(yNula));

    // Over the curves the labels of the largest values, stacked upward
    // from the highest curve at the left; under them those of the
    // smallest (for M the largest, drawn downward), from the lowest curve.
    const std::vector<TEkstremGrafika> gornji = Ekstremi(true), donji = Ekstremi(false);
    const int vrh = ZaokruziParno(yNula - Najvece(true) * k);
    for (std::size_t i = 0; i < gornji.size(); ++i)
        Ekstrem(gornji[i], vrh - D(4) - static_cast<int>(gornji.size() - i) * redNatpisa, false);
    const int dno = ZaokruziParno(yNula + Najvece(momenti) * k);
    for (std::size_t i = 0; i < donji.size(); ++i) {
        // For M the label stands beside its section on the side with room;
        // minT's at the right support, ending there.
        const bool desnoPoravnat = momenti ? Kolona(donji[i].x) > (levo + desno) / 2 : true;
        Ekstrem(donji[i], dno + D(4) + static_cast<int>(i) * redNatpisa, desnoPoravnat);
    }
    Legenda();
}

}  // namespace

// A round step: double's digits are more than a scale's step needs.
Prosireno KorakSkale(Prosireno raspon, int podela) {
    const double r = static_cast<double>(raspon);
    if (!(r > 0) || podela < 1) return 1.0_pr;
    const double grubo = r / podela;
    const double red = std::pow(10.0, std::floor(std::log10(grubo)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * red >= grubo * (1 - 1e-9)) return Prosireno(m * red);
    return Prosireno(10 * red);
}

void NacrtajGrafikAnvelope(TPlatno& platno, std::int32_t sirina, std::int32_t visina,
                           const TSadrzajListe& sadrzaj, bool momenti) {
    TGrafik(platno, sirina, visina, sadrzaj, momenti).Nacrtaj();
}
